#include "keyringsession.h"

#include <csignal>

namespace velmora::test {

KeyringSession::KeyringSession() : bus_(home_.path())
{
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                             "GNOME_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY"}) {
        qunsetenv(name);
    }
}

bool KeyringSession::start()
{
    return home_.isValid() && bus_.start();
}

void KeyringSession::stop()
{
    std::signal(SIGTERM, SIG_IGN);
    bus_.stop();
}

} // namespace velmora::test
