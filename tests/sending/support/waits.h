#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <functional>

namespace velmora::test {

// Runs the event loop until `done` holds or the time is up; returns `done()`. It sleeps in the event
// dispatcher, not in fixed steps, so a simulated modem in this process answers at once.
bool runEventsUntil(const std::function<bool()>& done, int timeoutMs);

// Waits until `name` is owned on the bus, or `stillHoping` turns false (its owner died), or the time
// is up.
bool waitForBusName(const QDBusConnection& connection, const QString& name, int timeoutMs,
                    const std::function<bool()>& stillHoping);

// Calls a method and runs the event loop until the reply comes, so a simulated device in this process
// keeps answering the daemon that is handling the call. The reply, or an error message on timeout.
QDBusMessage callAndWait(const QDBusConnection& connection, const QDBusMessage& call, int timeoutMs);

} // namespace velmora::test
