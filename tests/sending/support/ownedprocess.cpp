#include "ownedprocess.h"

#include "waits.h"

#include <QDeadlineTimer>
#include <QFile>
#include <csignal>
#include <sys/prctl.h>

namespace velmora::test {

namespace {

constexpr int cleanExitMs = 5000;
constexpr int killMs = 5000;

} // namespace

OwnedProcess::OwnedProcess(QString logFile) : logFile_(std::move(logFile))
{
    // Runs in the child between fork and exec: it dies with the thread that started it.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

OwnedProcess::~OwnedProcess()
{
    stop();
}

bool OwnedProcess::start(const QString& program, const QStringList& arguments, Output output)
{
    process_.setStandardErrorFile(logFile_, QIODevice::Append);
    if (output == Output::ToLog) {
        process_.setStandardOutputFile(logFile_, QIODevice::Append);
    }
    process_.start(program, arguments);
    return process_.waitForStarted();
}

QByteArray OwnedProcess::readLine(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!process_.canReadLine() && isRunning() && !deadline.hasExpired()) {
        process_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
    return process_.canReadLine() ? process_.readLine().trimmed() : QByteArray();
}

void OwnedProcess::stop()
{
    if (!isRunning()) {
        return;
    }
    ::kill(static_cast<pid_t>(pid()), SIGTERM);
    // The event loop keeps running meanwhile: a daemon may still talk to a simulated device in this process.
    if (!runEventsUntil([this] { return !isRunning(); }, cleanExitMs)) {
        ::kill(static_cast<pid_t>(pid()), SIGKILL);
        process_.waitForFinished(killMs);
    }
}

QString OwnedProcess::log() const
{
    QFile file(logFile_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace velmora::test
