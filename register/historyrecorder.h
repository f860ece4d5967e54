#pragma once

#include "outbox.h"
#include "unitregister.h"

#include <QObject>
#include <unordered_map>

namespace velmora {

// Writes into the register every message the outbox queues for a registered unit's number, with its
// operation title, and each later stage of it as the queue reports it, delivery reports included; and every
// text received from a unit's number. Other numbers are not recorded, and while the register does not exist
// nothing is: recording makes no file.
class HistoryRecorder final : public QObject {
    Q_OBJECT

public:
    HistoryRecorder(Outbox& outbox, UnitRegister& units, QObject* parent = nullptr);

private:
    void onSubmitted(int ticket, const OutgoingSms& sms);
    void onProgress(int ticket, const SendProgress& progress);
    void onReceived(const IncomingSms& sms);

    UnitRegister& units_;
    // The recorded messages by their outbox ticket: a delivery report may come at any time in the run.
    std::unordered_map<int, HistoryKey> recorded_;
};

} // namespace velmora
