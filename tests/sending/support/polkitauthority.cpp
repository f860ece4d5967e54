#include "polkitauthority.h"

#include "waits.h"

#include <QDBusMessage>

namespace velmora::test {

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int callTimeoutMs = 10000;
constexpr auto busName = "org.freedesktop.PolicyKit1";
constexpr auto objectPath = "/org/freedesktop/PolicyKit1/Authority";
constexpr auto mockInterface = "org.freedesktop.DBus.Mock";
// Debian's python3-dbusmock belongs to the system's Python, whatever python3 comes first on PATH.
constexpr auto systemPython = "/usr/bin/python3";

} // namespace

QStringList PolkitAuthority::modemManagerActions()
{
    const QString prefix = QStringLiteral("org.freedesktop.ModemManager1.");
    QStringList actions;
    for (const char* action :
         {"Control", "Device.Control", "Contacts", "Messaging", "Voice", "Time", "Location", "USSD", "Firmware"}) {
        actions << prefix + QLatin1String(action);
    }
    return actions;
}

PolkitAuthority::PolkitAuthority(QString logFile) : process_(std::move(logFile)) {}

bool PolkitAuthority::start(const QDBusConnection& connection)
{
    connection_ = connection;
    const QStringList arguments = {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                                   QStringLiteral("polkitd")};
    if (!process_.start(QLatin1String(systemPython), arguments)) {
        error_ = QStringLiteral("%1 does not start: %2").arg(QLatin1String(systemPython), process_.errorString());
        return false;
    }
    if (!waitForBusName(connection_, QLatin1String(busName), startTimeoutMs, [this] { return process_.isRunning(); })) {
        error_ = QStringLiteral("the polkitd template of python-dbusmock (Debian package python3-dbusmock) "
                                "did not appear on the bus:\n") +
                 process_.log();
        return false;
    }
    return allowModemManager();
}

void PolkitAuthority::stop()
{
    process_.stop();
}

bool PolkitAuthority::allowModemManager()
{
    return setAllowed(modemManagerActions());
}

bool PolkitAuthority::refuse(const QString& action)
{
    QStringList remaining = allowed_;
    remaining.removeAll(action);
    return setAllowed(remaining);
}

bool PolkitAuthority::refuseAll()
{
    return setAllowed({});
}

bool PolkitAuthority::setAllowed(const QStringList& actions)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(busName), QLatin1String(objectPath),
                                                       QLatin1String(mockInterface), QStringLiteral("SetAllowed"));
    call << actions;
    const QDBusMessage reply = callAndWait(connection_, call, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error_ = QStringLiteral("SetAllowed failed: ") + reply.errorMessage();
        return false;
    }
    allowed_ = actions;
    return true;
}

} // namespace velmora::test
