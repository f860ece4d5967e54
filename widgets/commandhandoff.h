#pragma once

#include <QString>

namespace velmora {

// Where a display band hands its command on: the windows that take a command out of the program. Start-up gives
// every band the same one, so that the unit's number is typed once per run.
class CommandHandoff {
public:
    virtual ~CommandHandoff() = default;

    // Shows the command as a QR code for a phone's camera; returns when the window is closed.
    virtual void showQrCode(const QString& command) = 0;

    // Whether the command can be sent from this computer; without it the band offers no sending.
    virtual bool canSend() const = 0;
    // Opens the sending of the command; returns when the window is closed.
    virtual void send(const QString& command) = 0;

protected:
    CommandHandoff() = default;
    CommandHandoff(const CommandHandoff&) = default;
    CommandHandoff& operator=(const CommandHandoff&) = default;
};

} // namespace velmora
