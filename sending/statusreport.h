#pragma once

#include "sms.h"

#include <QVariantMap>
#include <optional>
#include <vector>

namespace velmora {

// The messages of this run that asked for a delivery report, and what the network's reports on them say (GSM's
// SMS-STATUS-REPORT, as ModemManager shows it): delivered, still pending, or given up with the reason, at the
// network's time. A report answers the latest message to its number with its reference: references are one
// octet, so an older message may have had the same.
class AwaitedReports {
public:
    // The message went to `number` under the network's `reference`; `key` is what it is followed up by.
    void expect(const QString& number, uint reference, const QString& key);

    struct Answer {
        QString key;
        SendProgress progress;
    };
    // The message the report answers and what it says; nothing for a report on no message of this run, on a
    // message whose outcome is already known (later reports are echoes), or saying nothing known.
    std::optional<Answer> answer(const QVariantMap& report);

private:
    struct Sent {
        QString number;
        uint reference;
        QString key;
        bool settled = false; // delivered or given up
    };
    std::vector<Sent> sent_;
};

} // namespace velmora
