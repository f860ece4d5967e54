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
    Route* route = current_->route;
    current_.reset();
    if (route != nullptr && progress.stage == SendProgress::Stage::Sent && !progress.followUpKey.isEmpty()) {
        watchFollowUps(route);
        followed_[{route, progress.followUpKey}] = ticket;
    }
    emit progressed(ticket, progress);
    pump();
}

void SendQueue::watchFollowUps(Route* route)
{
    if (followUpConnections_.contains(route)) {
        return;
    }
    followUpConnections_[route] =
        connect(route, &Route::followedUp, this,
                [this, route](const QString& key, const SendProgress& later) { onFollowedUp(route, key, later); });
    connect(route, &QObject::destroyed, this, [this, route] {
        followUpConnections_.erase(route);
        std::erase_if(followed_, [route](const auto& entry) { return entry.first.first == route; });
    });
}

void SendQueue::onFollowedUp(Route* route, const QString& key, const SendProgress& progress)
{
    const auto found = followed_.find({route, key});
    if (found == followed_.end() || !progress.isFollowUp()) {
        return;
    }
    emit progressed(found->second, progress);
}

} // namespace velmora
