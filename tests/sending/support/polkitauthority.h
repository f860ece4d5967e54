#pragma once

#include "ownedprocess.h"

#include <QDBusConnection>
#include <QString>
#include <QStringList>

namespace velmora::test {

// The polkit authority ModemManager asks before it enables a modem or sends a message: python-dbusmock's
// "polkitd" template on the private bus (a system-bus template, so it takes DBUS_SYSTEM_BUS_ADDRESS).
// It answers CheckAuthorization from a list of allowed actions, steered through its
// org.freedesktop.DBus.Mock interface.
class PolkitAuthority {
public:
    static constexpr auto control = "org.freedesktop.ModemManager1.Control";
    static constexpr auto deviceControl = "org.freedesktop.ModemManager1.Device.Control";
    static constexpr auto messaging = "org.freedesktop.ModemManager1.Messaging";

    // Every action ModemManager's policy file declares.
    static QStringList modemManagerActions();

    explicit PolkitAuthority(QString logFile);

    // Starts the template on the bus `connection` reaches and waits until it owns its name.
    bool start(const QDBusConnection& connection);
    void stop();
    QString errorString() const { return error_; }

    // Allows every action of ModemManager: the state a test starts from.
    bool allowModemManager();
    // Refuses one action from now on (as a user without the right would be refused).
    bool refuse(const QString& action);
    // Refuses everything.
    bool refuseAll();
    bool setAllowed(const QStringList& actions);

    QString log() const { return process_.log(); }

private:
    OwnedProcess process_;
    QDBusConnection connection_{QString()};
    QStringList allowed_;
    QString error_;
};

} // namespace velmora::test
