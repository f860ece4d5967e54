#pragma once

#include "privatebus.h"
#include "testhome.h"

namespace velmora::test {

// A desktop session of the keyring tests' own: a home, a private session bus, no display, and no desktop
// named, since QtKeychain takes KWallet rather than the Secret Service on a KDE desktop. Make it before
// anything in the process touches D-Bus, and keep it to the last test function.
class KeyringSession {
public:
    KeyringSession();

    bool start();
    // Stops the bus. GLib's connection to it, libsecret's under QtKeychain, then raises SIGTERM in this
    // process, as the end of a desktop session ends its programs: the signal is ignored from here on.
    void stop();

    QString errorString() const { return bus_.errorString(); }
    const TestHome& home() const { return home_; }
    QDBusConnection bus() const { return bus_.connection(); }

private:
    TestHome home_;
    PrivateBus bus_;
};

} // namespace velmora::test
