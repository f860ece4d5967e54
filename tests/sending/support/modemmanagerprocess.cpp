#include "modemmanagerprocess.h"

#include "dbustypes.h"
#include "objectmanagerproxy.h"
#include "waits.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace velmora::test {

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int callTimeoutMs = 20000;
constexpr auto modemInterface = "org.freedesktop.ModemManager1.Modem";

QString modemManagerExecutable()
{
    // /usr/sbin is not on every user's PATH.
    const QString found = QStandardPaths::findExecutable(QStringLiteral("ModemManager"),
                                                         {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("ModemManager")) : found;
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

ModemManagerProcess::ModemManagerProcess(QString directory)
    : directory_(std::move(directory)), logFile_(QDir(directory_).filePath(QStringLiteral("ModemManager.log"))),
      process_(QDir(directory_).filePath(QStringLiteral("ModemManager.out")))
{}

bool ModemManagerProcess::start(const QDBusConnection& connection)
{
    connection_ = connection;
    const QString program = modemManagerExecutable();
    if (program.isEmpty()) {
        error_ = QStringLiteral("ModemManager is not installed (Debian package modemmanager)");
        return false;
    }
    const QStringList arguments = {
        QStringLiteral("--test-enable"),
        QStringLiteral("--test-no-udev"),
        QStringLiteral("--test-no-suspend-resume"),
        QStringLiteral("--no-auto-scan"),
        QStringLiteral("--debug"),
        QStringLiteral("--log-level=DEBUG"),
        QStringLiteral("--log-file=") + logFile_,
    };
    // One log per run: a failed test prints only its own.
    QFile::remove(logFile_);
    QFile::remove(process_.logFile());
    if (!process_.start(program, arguments)) {
        error_ = QStringLiteral("ModemManager does not start: ") + process_.errorString();
        return false;
    }
    if (!waitForBusName(connection_, QLatin1String(service), startTimeoutMs, [this] { return process_.isRunning(); })) {
        error_ = QStringLiteral("ModemManager did not appear on the bus");
        return false;
    }
    return true;
}

void ModemManagerProcess::stop()
{
    process_.stop();
}

QString ModemManagerProcess::addModem(const QString& profileId, const QString& port, int timeoutMs)
{
    const QString uid = deviceUid(profileId);
    QString path;
    ModemManagerObjects objects(QLatin1String(service), QLatin1String(managerPath), connection_);
    QObject::connect(&objects, &ModemManagerObjects::InterfacesAdded,
                     [&path, &uid](const QDBusObjectPath& object, const InterfaceProperties& interfaces) {
                         const auto modem = interfaces.find(QLatin1String(modemInterface));
                         if (modem != interfaces.end() && modem->value(QStringLiteral("Device")).toString() == uid) {
                             path = object.path();
                         }
                     });
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(managerPath),
                                                       QStringLiteral("org.freedesktop.ModemManager1.Test"),
                                                       QStringLiteral("SetProfile"));
    call << profileId << QStringLiteral("generic") << QStringList{port};
    const QDBusMessage reply = callAndWait(connection_, call, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error_ = QStringLiteral("SetProfile failed: ") + reply.errorMessage();
        return {};
    }
    const bool signalled = runEventsUntil([&] { return !path.isEmpty() || !process_.isRunning(); }, timeoutMs);
    if (!signalled) {
        path = findModem(uid); // in case the signal was missed
    }
    if (path.isEmpty()) {
        error_ = QStringLiteral("ModemManager did not export the modem %1").arg(uid);
    }
    return path;
}

bool ModemManagerProcess::removeModem(const QString& profileId)
{
    // The inhibition lasts while the harness's connection stays on the bus.
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(managerPath),
                                                       QLatin1String(service), QStringLiteral("InhibitDevice"));
    call << deviceUid(profileId) << true;
    const QDBusMessage reply = callAndWait(connection_, call, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error_ = QStringLiteral("InhibitDevice failed: ") + reply.errorMessage();
        return false;
    }
    return true;
}

QString ModemManagerProcess::log() const
{
    return readFile(logFile_) + readFile(process_.logFile());
}

QString ModemManagerProcess::deviceUid(const QString& profileId)
{
    return QStringLiteral("/virtual/") + profileId;
}

QString ModemManagerProcess::findModem(const QString& uid) const
{
    ModemManagerObjects objects(QLatin1String(service), QLatin1String(managerPath), connection_);
    QDBusPendingReply<ManagedObjects> reply = objects.GetManagedObjects();
    if (!runEventsUntil([&reply] { return reply.isFinished(); }, callTimeoutMs) || reply.isError()) {
        return {};
    }
    const ManagedObjects managed = reply.value();
    for (auto it = managed.begin(); it != managed.end(); ++it) {
        const auto modem = it->find(QLatin1String(modemInterface));
        if (modem != it->end() && modem->value(QStringLiteral("Device")).toString() == uid) {
            return it.key().path();
        }
    }
    return {};
}

} // namespace velmora::test
