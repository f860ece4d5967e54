#pragma once

#include "outbox.h"
#include "unitregister.h"

#include <QObject>
#include <unordered_map>
#include <unordered_set>

namespace velmora {

// Writes into the register every message the outbox queues for a registered unit's number, with its
// operation title, and each later stage of it as the queue reports it, delivery reports included; and every
// text received from a unit's number. Other numbers are not recorded, and while the register does not exist
// nothing is: recording makes no file.
class HistoryRecorder final : public QObject {
    Q_OBJECT

public:
    HistoryRecorder(Outbox& outbox, UnitRegister& units, QObject* parent = nullptr);

    // Whether the message's later stages are still to be recorded in this run. A message recorded as waiting or
    // sending that no running recorder follows was left so when its program ended: its outcome is unknown.
    bool follows(qint64 message) const { return followed_.contains(message); }

private:
    void onSubmitted(int ticket, const OutgoingSms& sms);
    void onProgress(int ticket, const SendProgress& progress);
    void onReceived(const IncomingSms& sms);

    UnitRegister& units_;
    // The recorded messages by their outbox ticket: a delivery report may come at any time in the run.
    std::unordered_map<int, HistoryKey> recorded_;
    std::unordered_set<qint64> followed_;
};

} // namespace velmora
