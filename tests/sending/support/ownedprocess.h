#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace velmora::test {

// A helper program a test starts and must stop: stopped by its PID (SIGTERM, then SIGKILL) and reaped
// when this object goes, and killed by the kernel if the test process dies first (PR_SET_PDEATHSIG), so
// no daemon outlives a failed or crashed test.
class OwnedProcess {
public:
    enum class Output { ToLog, StandardOutputReadable };

    explicit OwnedProcess(QString logFile);
    ~OwnedProcess();
    OwnedProcess(const OwnedProcess&) = delete;
    OwnedProcess& operator=(const OwnedProcess&) = delete;

    // Starts `program`; its output (and standard error always) is appended to the log file. False with
    // errorString() when it cannot be started.
    bool start(const QString& program, const QStringList& arguments, Output output = Output::ToLog);
    // One line of standard output (Output::StandardOutputReadable), waiting up to `timeoutMs`.
    QByteArray readLine(int timeoutMs);
    // SIGTERM by PID, up to a few seconds for a clean exit while the event loop runs, then SIGKILL.
    void stop();

    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    qint64 pid() const { return process_.processId(); }
    QString errorString() const { return process_.errorString(); }
    QString logFile() const { return logFile_; }
    QString log() const;

private:
    QString logFile_;
    QProcess process_;
};

} // namespace velmora::test
