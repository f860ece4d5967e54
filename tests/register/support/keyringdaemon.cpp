#include "keyringdaemon.h"

#include "waits.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <csignal>

namespace velmora::test {
namespace {

const QString kSecrets = QStringLiteral("org.freedesktop.secrets");
const QString kServicePath = QStringLiteral("/org/freedesktop/secrets");
const QString kServiceInterface = QStringLiteral("org.freedesktop.Secret.Service");
constexpr int kStartMs = 20000;
constexpr int kCallMs = 5000;

// The password comes on the daemon's standard input; `exec` keeps the shell's PID for the daemon.
const QString kStart = QStringLiteral("exec gnome-keyring-daemon --foreground --unlock --components=secrets <<END\n"
                                      "hasło testu\n"
                                      "END\n");

QDBusMessage serviceCall(const QString& method)
{
    return QDBusMessage::createMethodCall(kSecrets, kServicePath, kServiceInterface, method);
}

} // namespace

KeyringDaemon::KeyringDaemon(const QString& directory)
    : daemon_(QDir(directory).filePath(QStringLiteral("gnome-keyring-daemon.log")))
{}

bool KeyringDaemon::start(const QDBusConnection& bus)
{
    return daemon_.start(QStringLiteral("sh"), {QStringLiteral("-c"), kStart}) &&
           waitForBusName(bus, kSecrets, kStartMs, [this] { return daemon_.isRunning(); });
}

void KeyringDaemon::pause() const
{
    ::kill(static_cast<pid_t>(daemon_.pid()), SIGSTOP);
}

void KeyringDaemon::resume() const
{
    ::kill(static_cast<pid_t>(daemon_.pid()), SIGCONT);
}

bool KeyringDaemon::lockDefault(const QDBusConnection& bus) const
{
    QDBusMessage lock = serviceCall(QStringLiteral("Lock"));
    lock << QVariant::fromValue(
        QList<QDBusObjectPath>{QDBusObjectPath(kServicePath + QStringLiteral("/aliases/default"))});
    return callAndWait(bus, lock, kCallMs).type() == QDBusMessage::ReplyMessage;
}

QList<QDBusObjectPath> KeyringDaemon::itemsFor(const QDBusConnection& bus, const QString& service,
                                               const QString& key) const
{
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QDBusMessage search = serviceCall(QStringLiteral("SearchItems"));
    search << QVariant::fromValue(
        QMap<QString, QString>{{QStringLiteral("server"), service}, {QStringLiteral("user"), key}});
    const QDBusMessage reply = callAndWait(bus, search, kCallMs);
    QList<QDBusObjectPath> items;
    for (const QVariant& found : reply.arguments()) {
        items += qdbus_cast<QList<QDBusObjectPath>>(found);
    }
    return items;
}

} // namespace velmora::test
