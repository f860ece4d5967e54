#pragma once

#include "ownedprocess.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QString>
#include <optional>

namespace velmora::test {

// A dbus-daemon of the test's own, serving as both the session and the system bus: its address goes to
// DBUS_SESSION_BUS_ADDRESS and DBUS_SYSTEM_BUS_ADDRESS of this process (and so of every process it starts
// afterwards), and QDBusConnection::sessionBus() and systemBus() reach it.
//
// Qt makes those two connections once per process, on first use, so a test process runs one PrivateBus,
// started before anything touches D-Bus, and keeps it until its last test function.
class PrivateBus {
public:
    // Writes the bus configuration and its log into `directory`.
    explicit PrivateBus(QString directory);
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool start();
    void stop();
    QString errorString() const { return error_; }

    QString address() const { return address_; }
    // A connection of the harness's own, apart from the default buses the code under test uses.
    QDBusConnection connection() const;
    QString log() const { return daemon_.log(); }

private:
    bool writeConfiguration(const QString& path) const;

    QString directory_;
    QString connectionName_;
    OwnedProcess daemon_;
    QString address_;
    QString error_;
    std::optional<QByteArray> previousSessionAddress_;
    std::optional<QByteArray> previousSystemAddress_;
};

} // namespace velmora::test
