#include "waits.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QTimer>

namespace velmora::test {

namespace {

// How often a wait with nothing happening looks at its deadline.
constexpr int wakeUpMs = 50;

} // namespace

bool runEventsUntil(const std::function<bool()>& done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp;
    wakeUp.start(wakeUpMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool waitForBusName(const QDBusConnection& connection, const QString& name, int timeoutMs,
                    const std::function<bool()>& stillHoping)
{
    bool owned = false;
    QDBusServiceWatcher watcher(name, connection, QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, [&owned] { owned = true; });
    // Asked after the watcher exists, so an owner that came in between is not missed.
    owned = owned || connection.interface()->isServiceRegistered(name).value();
    return runEventsUntil([&] { return owned || !stillHoping(); }, timeoutMs) && owned;
}

QDBusMessage callAndWait(const QDBusConnection& connection, const QDBusMessage& call, int timeoutMs)
{
    QDBusPendingCall pending = connection.asyncCall(call, timeoutMs);
    if (!runEventsUntil([&pending] { return pending.isFinished(); }, timeoutMs + 1000)) {
        return call.createErrorReply(QDBusError::Timeout, QStringLiteral("no reply"));
    }
    return pending.reply();
}

} // namespace velmora::test
