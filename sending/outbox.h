#pragma once

#include "route.h"
#include "sendqueue.h"
#include "smslog.h"

#include <QObject>
#include <QStringList>

namespace velmora {

// Where commands leave the program and the unit's replies come back: the routes found, the queue that sends
// one message at a time, and the log of both directions. Replies are texts from a number a command was sent
// to in this run.
class Outbox final : public QObject {
    Q_OBJECT

public:
    // The finder is looked at only from start() on.
    explicit Outbox(RouteFinder& finder, QObject* parent = nullptr);

    // Starts looking for routes and listening for replies; later calls do nothing.
    void start();

    RouteFinder& finder() const { return finder_; }
    SmsLog& log() { return log_; }
    const SmsLog& log() const { return log_; }

    // Queues the text for the number ("+" and digits) on the route; returns the ticket that progressed()
    // reports carry.
    int send(Route* route, const OutgoingSms& sms, bool consented);

signals:
    // The first start(): from here on messages may go out and texts come in.
    void started();
    // A message queued by send(), before any of its progress.
    void submitted(int ticket, const velmora::OutgoingSms& sms);
    void progressed(int ticket, const velmora::SendProgress& progress);
    void replyReceived(const velmora::IncomingSms& sms);

private:
    void onReceived(const IncomingSms& sms);

    RouteFinder& finder_;
    SendQueue queue_;
    SmsLog log_;
    QStringList numbers_;
    bool started_ = false;
};

} // namespace velmora
