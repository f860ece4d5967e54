#include "historyrecorder.h"

namespace velmora {

HistoryRecorder::HistoryRecorder(Outbox& outbox, UnitRegister& units, QObject* parent) : QObject(parent), units_(units)
{
    connect(&outbox, &Outbox::submitted, this, &HistoryRecorder::onSubmitted);
    connect(&outbox, &Outbox::progressed, this, &HistoryRecorder::onProgress);
    // Every text from a unit's number, not only the replies to this run's commands that the outbox passes on.
    connect(&outbox.finder(), &RouteFinder::received, this, &HistoryRecorder::onReceived);
}

void HistoryRecorder::onSubmitted(int ticket, const OutgoingSms& sms)
{
    if (const std::optional<HistoryKey> key = units_.recordSent(sms)) {
        recorded_[ticket] = *key;
        followed_.insert(key->message);
    }
}

void HistoryRecorder::onProgress(int ticket, const SendProgress& progress)
{
    if (const auto found = recorded_.find(ticket); found != recorded_.end()) {
        units_.recordStage(found->second, progress);
    }
}

void HistoryRecorder::onReceived(const IncomingSms& sms)
{
    units_.recordReceived(sms);
}

} // namespace velmora
