#include "privatebus.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDir>
#include <QFile>

namespace velmora::test {

namespace {

constexpr int addressTimeoutMs = 10000;

std::optional<QByteArray> environmentValue(const char* name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
}

void restoreEnvironment(const char* name, const std::optional<QByteArray>& value)
{
    if (value) {
        qputenv(name, *value);
    } else {
        qunsetenv(name);
    }
}

// A session bus without service activation: a name nobody owns fails at once instead of starting a
// program of the machine's. Any process of this user may own any name (ModemManager, the polkit stand-in).
constexpr auto configuration = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

PrivateBus::PrivateBus(QString directory)
    : directory_(std::move(directory)),
      connectionName_(QStringLiteral("velmora-test-harness-%1").arg(QCoreApplication::applicationPid())),
      daemon_(QDir(directory_).filePath(QStringLiteral("dbus-daemon.log")))
{}

PrivateBus::~PrivateBus()
{
    stop();
}

bool PrivateBus::start()
{
    const QString configPath = QDir(directory_).filePath(QStringLiteral("bus.conf"));
    if (!writeConfiguration(configPath)) {
        error_ = QStringLiteral("cannot write %1").arg(configPath);
        return false;
    }
    const QStringList arguments = {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                                   QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")};
    if (!daemon_.start(QStringLiteral("dbus-daemon"), arguments, OwnedProcess::Output::StandardOutputReadable)) {
        error_ = QStringLiteral("dbus-daemon does not start (Debian package dbus): ") + daemon_.errorString();
        return false;
    }
    address_ = QString::fromUtf8(daemon_.readLine(addressTimeoutMs));
    if (address_.isEmpty()) {
        error_ = QStringLiteral("dbus-daemon printed no address:\n") + daemon_.log();
        return false;
    }
    previousSessionAddress_ = environmentValue("DBUS_SESSION_BUS_ADDRESS");
    previousSystemAddress_ = environmentValue("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
    if (!connection().isConnected()) {
        error_ = QStringLiteral("cannot connect to the private bus: ") + connection().lastError().message();
        return false;
    }
    return true;
}

void PrivateBus::stop()
{
    if (address_.isEmpty()) {
        return;
    }
    QDBusConnection::disconnectFromBus(connectionName_);
    daemon_.stop();
    address_.clear();
    // Only this process's view: Qt's default connections stay bound to the stopped bus.
    restoreEnvironment("DBUS_SESSION_BUS_ADDRESS", previousSessionAddress_);
    restoreEnvironment("DBUS_SYSTEM_BUS_ADDRESS", previousSystemAddress_);
}

QDBusConnection PrivateBus::connection() const
{
    return QDBusConnection::connectToBus(address_, connectionName_);
}

bool PrivateBus::writeConfiguration(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QString text = QString::fromUtf8(configuration).arg(directory_.toHtmlEscaped());
    return file.write(text.toUtf8()) > 0;
}

} // namespace velmora::test
