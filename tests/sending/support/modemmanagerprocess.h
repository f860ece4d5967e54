#pragma once

#include "ownedprocess.h"

#include <QDBusConnection>
#include <QString>

namespace velmora::test {

// The real ModemManager on the private bus, with its test interface and a debug log in the test's
// directory. It runs as on a desktop, on what it takes for the system bus, so every call is checked with
// polkit: with --test-session it would allow every modem call unasked. No udev and no scan: it sees only
// the modems a test adds through org.freedesktop.ModemManager1.Test.SetProfile.
class ModemManagerProcess {
public:
    static constexpr auto service = "org.freedesktop.ModemManager1";
    static constexpr auto managerPath = "/org/freedesktop/ModemManager1";

    explicit ModemManagerProcess(QString directory);

    // Starts ModemManager and waits until it owns its name on the bus `connection` reaches.
    bool start(const QDBusConnection& connection);
    void stop();
    bool isRunning() const { return process_.isRunning(); }
    QString errorString() const { return error_; }

    // Adds a modem of the generic plugin on one AT port (for example "abstract:name") and waits until
    // ModemManager exports it. Its object path, or an empty string with errorString().
    QString addModem(const QString& profileId, const QString& port, int timeoutMs);
    // Removes the modem of that profile from the bus, as when its device goes away: the test interface
    // has no hot-unplug, and for a virtual port neither the port's hang-up nor timeouts remove a modem.
    bool removeModem(const QString& profileId);

    // The debug log, and what ModemManager wrote to standard output and error.
    QString log() const;

private:
    static QString deviceUid(const QString& profileId);
    QString findModem(const QString& uid) const;

    QString directory_;
    QString logFile_;
    OwnedProcess process_;
    QDBusConnection connection_{QString()};
    QString error_;
};

} // namespace velmora::test
