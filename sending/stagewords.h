#pragma once

#include "sms.h"

namespace velmora {

// Where a message's stage is shown. Each place words it its own way: the send window in sentences, the log in a
// column of its own, a plan's row in a few lower-case words.
enum class StagePlace { Window, Log, Plan };

// A time as the user reads it on the computer's clock, hours to seconds. A network's time comes with the
// network's own offset from UTC, which need not be the computer's.
QString clockTime(const QDateTime& at);

// What a message's stage reads as at that place; empty where the place does not show the stage (a plan row
// keeps "wysłano" while the network is still trying to deliver).
QString describe(const SendProgress& progress, StagePlace place);

// What a text from the unit reads as: mentioned in the send window, as its state in the log, in the row of a
// plan it answers.
QString describeReply(const IncomingSms& sms, StagePlace place);

// What the log's delivery column says from a message's final stage until its first delivery report: whether
// one is awaited at all.
QString describeAwaitedReport(const SendProgress& progress);

inline QString describeForWindow(const SendProgress& progress)
{
    return describe(progress, StagePlace::Window);
}

inline QString describeForLog(const SendProgress& progress)
{
    return describe(progress, StagePlace::Log);
}

} // namespace velmora
