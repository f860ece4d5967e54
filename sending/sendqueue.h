#pragma once

#include "route.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <deque>
#include <map>
#include <optional>
#include <utility>

namespace velmora {

// Messages go out one at a time, in the order they were handed in, whichever route each takes: the alarm
// unit reads its commands in the order they arrive.
class SendQueue final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Queues the message; its progress reports carry `ticket`, which the caller keeps unique.
    void submit(int ticket, Route* route, const OutgoingSms& sms, bool consented);

signals:
    // Every stage of the message `ticket`, its follow-ups after it was sent included.
    void progressed(int ticket, const velmora::SendProgress& progress);

private:
    struct Job {
        int ticket;
        QPointer<Route> route;
        OutgoingSms sms;
        bool consented;
    };

    void pump();
    void start(Job job);
    void onRouteProgress(const SendProgress& progress);
    void finishCurrent(const SendProgress& progress);
    void watchFollowUps(Route* route);
    void onFollowedUp(Route* route, const QString& key, const SendProgress& progress);

    std::deque<Job> waiting_;
    std::optional<Job> current_;
    QMetaObject::Connection progressConnection_;
    QMetaObject::Connection gone_;
    bool pumping_ = false;
    // The messages routes will follow up: by route and its key, the ticket.
    std::map<std::pair<Route*, QString>, int> followed_;
    std::map<Route*, QMetaObject::Connection> followUpConnections_;
};

} // namespace velmora
