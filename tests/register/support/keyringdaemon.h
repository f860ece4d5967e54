#pragma once

#include "ownedprocess.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QList>
#include <QString>

namespace velmora::test {

// The real GNOME Keyring daemon serving the Secret Service on the test's private bus (PrivateBus), with a
// "login" keyring made and unlocked by a password, as a desktop login does; its files under the test's home.
// Started and stopped by its PID.
class KeyringDaemon {
public:
    // Writes the daemon's log into `directory`.
    explicit KeyringDaemon(const QString& directory);

    // Starts the daemon and waits until it owns org.freedesktop.secrets on `bus`.
    bool start(const QDBusConnection& bus);
    void stop() { daemon_.stop(); }
    QString log() const { return daemon_.log(); }

    // Stops and resumes the daemon: stopped, it owns its name but answers nothing.
    void pause() const;
    void resume() const;

    // Locks the default keyring, as the desktop does after a while; unlocking it then needs a prompt, which
    // nothing on the test's bus can show.
    bool lockDefault(const QDBusConnection& bus) const;

    // The items the daemon holds under these attributes, unlocked or not, as QtKeychain stores an entry.
    QList<QDBusObjectPath> itemsFor(const QDBusConnection& bus, const QString& service, const QString& key) const;

private:
    OwnedProcess daemon_;
};

} // namespace velmora::test
