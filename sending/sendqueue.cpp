#include "sendqueue.h"

namespace velmora {

void SendQueue::submit(int ticket, Route* route, const OutgoingSms& sms, bool consented)
{
    waiting_.push_back({ticket, route, sms, consented});
    if (current_) {
        emit progressed(ticket, {SendProgress::Stage::Waiting});
    }
    pump();
}

void SendQueue::pump()
{
    // A route may finish inside send(); the loop, not recursion, then starts the next message.
    if (pumping_) {
        return;
    }
    pumping_ = true;
    while (!current_ && !waiting_.empty()) {
        Job job = std::move(waiting_.front());
        waiting_.pop_front();
        start(std::move(job));
    }
    pumping_ = false;
}

void SendQueue::start(Job job)
{
    current_ = std::move(job);
    emit progressed(current_->ticket, {SendProgress::Stage::Sending});
    Route* route = current_->route;
    if (route == nullptr) {
        finishCurrent(SendProgress::failed(QStringLiteral("Wybrane urządzenie zniknęło, zanim przyszła kolej tej "
                                                          "wiadomości. Wybierz inne i wyślij ponownie.")));
        return;
    }
    progressConnection_ = connect(route, &Route::progressed, this, &SendQueue::onRouteProgress);
    gone_ = connect(route, &QObject::destroyed, this, [this] {
        finishCurrent(SendProgress::failed(QStringLiteral("Urządzenie zniknęło w trakcie wysyłania.")));
    });
    route->send(current_->sms, current_->consented);
}

void SendQueue::onRouteProgress(const SendProgress& progress)
{
    if (!progress.isFinal()) {
        emit progressed(current_->ticket, progress);
        return;
    }
    finishCurrent(progress);
}

void SendQueue::finishCurrent(const SendProgress& progress)
{
    disconnect(progressConnection_);
    disconnect(gone_);
    const int ticket = current_->ticket;
    current_.reset();
    emit progressed(ticket, progress);
    pump();
}

} // namespace velmora
