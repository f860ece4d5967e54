#include "kdeconnectmock.h"

#include "waits.h"

#include <QDBusArgument>
#include <QDBusMessage>

namespace velmora::test {

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int callTimeoutMs = 10000;
const QString kService = QStringLiteral("org.kde.kdeconnect");
const QString kDaemonPath = QStringLiteral("/modules/kdeconnect");
const QString kTestInterface = QStringLiteral("velmora.test.KdeConnect");
// Debian's python3-dbusmock belongs to the system's Python, whatever python3 comes first on PATH.
const QString kSystemPython = QStringLiteral("/usr/bin/python3");

} // namespace

KdeConnectMock::KdeConnectMock(QString logFile) : process_(std::move(logFile)) {}

bool KdeConnectMock::start(const QDBusConnection& connection)
{
    connection_ = connection;
    const QStringList arguments{QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                                QStringLiteral(VELMORA_KDECONNECT_TEMPLATE)};
    if (!process_.start(kSystemPython, arguments)) {
        error_ = QStringLiteral("%1 does not start: %2").arg(kSystemPython, process_.errorString());
        return false;
    }
    if (!waitForBusName(connection_, kService, startTimeoutMs, [this] { return process_.isRunning(); })) {
        error_ = QStringLiteral("python-dbusmock (Debian package python3-dbusmock) did not appear on the bus:\n") +
                 process_.log();
        return false;
    }
    return true;
}

void KdeConnectMock::stop()
{
    process_.stop();
}

std::optional<QDBusMessage> KdeConnectMock::steer(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kDaemonPath, kTestInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = callAndWait(connection_, call, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error_ = method + QStringLiteral(" failed: ") + reply.errorMessage() + QLatin1Char('\n') + process_.log();
        return std::nullopt;
    }
    return reply;
}

bool KdeConnectMock::addPhone(const QString& id, const QString& name, bool sms)
{
    return steer(QStringLiteral("AddPhone"), {id, name, sms}).has_value();
}

bool KdeConnectMock::dropPhone(const QString& id)
{
    return steer(QStringLiteral("DropPhone"), {id}).has_value();
}

bool KdeConnectMock::switchSmsOnQuietly(const QString& id)
{
    return steer(QStringLiteral("SwitchSmsOnQuietly"), {id}).has_value();
}

bool KdeConnectMock::vanishPhone(const QString& id)
{
    return steer(QStringLiteral("VanishPhone"), {id}).has_value();
}

bool KdeConnectMock::refuseSends(const QString& id, const QString& errorName, const QString& message)
{
    return steer(QStringLiteral("RefuseSends"), {id, errorName, message}).has_value();
}

bool KdeConnectMock::delaySends(const QString& id, int seconds)
{
    return steer(QStringLiteral("DelaySends"), {id, seconds}).has_value();
}

bool KdeConnectMock::forward(const QString& id, const QString& sender, const QString& text, qint64 dateMs,
                             bool received)
{
    return steer(QStringLiteral("Forward"), {id, sender, text, dateMs, received}).has_value();
}

std::optional<QList<KdeConnectMock::Sent>> KdeConnectMock::sent(const QString& id)
{
    const std::optional<QDBusMessage> reply = steer(QStringLiteral("Sent"), {id});
    if (!reply || reply->arguments().isEmpty()) {
        return std::nullopt;
    }
    const auto records = reply->arguments().front().value<QDBusArgument>();
    QList<Sent> sent;
    records.beginArray();
    while (!records.atEnd()) {
        Sent one;
        records.beginStructure();
        records >> one.addressForm >> one.address >> one.text >> one.attachments >> one.simCard;
        records.endStructure();
        sent << one;
    }
    records.endArray();
    return sent;
}

} // namespace velmora::test
