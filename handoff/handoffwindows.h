#pragma once

#include "commandhandoff.h"
#include "planwindow.h"
#include "unitsrunaccess.h"

#include <QPointer>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace velmora {

class ErrorBox;
class Outbox;
class Plan;
class QrWindow;
class RegisterAccess;
class SendQuestions;
class SendWindow;

// What the windows need to send commands from the computer.
struct Sending {
    Outbox& outbox;
    SendQuestions& questions;
};

// One QR window and, with `sending`, one send window and one plan for every page. They share the unit's number, so
// it is typed once per run, in any of them. The plan and its window are made when first used; with the register of
// `units`, the plan can go to many units at once.
class HandoffWindows final : public CommandHandoff {
public:
    // The windows are made as children of `owner`.
    HandoffWindows(QWidget* owner, ErrorBox& errors, std::optional<Sending> sending, RegisterAccess* units = nullptr);

    // Makes the windows, once; handing a command on does it too.
    void makeWindows();
    // The unit's number (digits only) in the QR code, send and plan windows, as if typed in one of them.
    void useNumber(const QString& number);

    void showQrCode(const QString& command) override;
    bool canSend() const override { return sending_.has_value(); }
    void send(const QString& title, const QString& command) override;

    int addToPlan(const QString& title, const QString& command) override;
    int planCount() const override;
    void showPlan() override;
    void watchPlanCount(QObject* context, std::function<void(int)> changed) override;

    // Whether the program may close now: asks first while the plan is being sent, to one unit or to many, or while it
    // has rows neither sent nor saved; "Nie" keeps it open. A plan in flight stops after the messages on their way.
    bool mayClose();

private:
    Plan& plan();

    QWidget* owner_;
    ErrorBox& errors_;
    std::optional<Sending> sending_;
    std::optional<UnitsRunAccess> runs_;
    QrWindow* qrWindow_ = nullptr;
    SendWindow* sendWindow_ = nullptr;
    Plan* plan_ = nullptr;
    PlanWindow* planWindow_ = nullptr;
    FileDialogs planFiles_{planFileKind()};
    // Who watches the plan's count before there is a plan.
    std::vector<std::pair<QPointer<QObject>, std::function<void(int)>>> countWatchers_;
};

} // namespace velmora
