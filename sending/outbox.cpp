#include "outbox.h"

#include <QPointer>
#include <algorithm>

namespace velmora {

Outbox::Outbox(RouteFinder& finder, QObject* parent) : QObject(parent), finder_(finder)
{
    connect(&queue_, &SendQueue::progressed, this, [this](int ticket, const SendProgress& progress) {
        log_.setProgress(ticket, progress);
        emit progressed(ticket, progress);
    });
}

void Outbox::start()
{
    if (started_) {
        return;
    }
    started_ = true;
    connect(&finder_, &RouteFinder::received, this, &Outbox::onReceived);
    emit started();
    finder_.start();
}

int Outbox::send(Route* route, const OutgoingSms& sms, bool consented)
{
    if (!numbers_.contains(sms.number)) {
        numbers_ << sms.number;
    }
    // The message's row in the log is its ticket. It joins the queue from the event loop, so that the caller
    // holds the ticket before the first report and is never re-entered from within its own call.
    const int ticket = log_.addOutgoing(sms);
    emit submitted(ticket, sms);
    QMetaObject::invokeMethod(
        this,
        [this, ticket, route = QPointer<Route>(route), sms, consented] {
            queue_.submit(ticket, route, sms, consented);
        },
        Qt::QueuedConnection);
    return ticket;
}

void Outbox::onReceived(const IncomingSms& sms)
{
    const bool fromUnit = std::any_of(numbers_.cbegin(), numbers_.cend(),
                                      [&](const QString& sent) { return isSameNumber(sent, sms.number); });
    if (!fromUnit) {
        return;
    }
    log_.addIncoming(sms);
    emit replyReceived(sms);
}

} // namespace velmora
