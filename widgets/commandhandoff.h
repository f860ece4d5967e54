#pragma once

#include <QString>
#include <functional>

class QObject;

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
    // Opens the sending of the operation's command; returns when the window is closed.
    virtual void send(const QString& title, const QString& command) = 0;

    // The plan of commands sent to the unit one after another, offered where sending is. Adds the operation's
    // command to it and returns how many commands it then holds, or 0 when it refused the command (and said why).
    virtual int addToPlan(const QString& title, const QString& command) = 0;
    virtual int planCount() const = 0;
    // Opens the plan window; returns when it is closed.
    virtual void showPlan() = 0;
    // Calls `changed` with the plan's new count each time it changes, for as long as `context` lives.
    virtual void watchPlanCount(QObject* context, std::function<void(int)> changed) = 0;

protected:
    CommandHandoff() = default;
    CommandHandoff(const CommandHandoff&) = default;
    CommandHandoff& operator=(const CommandHandoff&) = default;
};

} // namespace velmora
