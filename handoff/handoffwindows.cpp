#include "handoffwindows.h"

#include "controls.h"
#include "errorbox.h"
#include "plan.h"
#include "qrwindow.h"
#include "sendquestions.h"
#include "sendwindow.h"

namespace velmora {

HandoffWindows::HandoffWindows(QWidget* owner, ErrorBox& errors, std::optional<Sending> sending, RegisterAccess* units)
    : owner_(owner), errors_(errors), sending_(sending)
{
    if (sending_ && units != nullptr) {
        runs_.emplace(*units, sending_->outbox);
    }
}

void HandoffWindows::showQrCode(const QString& command)
{
    makeWindows();
    qrWindow_->showFor(command);
}

void HandoffWindows::send(const QString& title, const QString& command)
{
    makeWindows();
    if (sendWindow_ != nullptr) {
        sendWindow_->showFor(title, command);
    }
}

void HandoffWindows::makeWindows()
{
    if (qrWindow_ != nullptr) {
        return;
    }
    qrWindow_ = new QrWindow(owner_);
    if (!sending_) {
        return;
    }
    sendWindow_ = new SendWindow(sending_->outbox, sending_->questions, owner_);
    keepAlike(qrWindow_->numberField(), sendWindow_->numberField());
}

void HandoffWindows::useNumber(const QString& number)
{
    makeWindows();
    qrWindow_->numberField()->setText(number);
}

Plan& HandoffWindows::plan()
{
    if (plan_ == nullptr) {
        plan_ = new Plan(sending_->outbox, Plan::kConfirmationTimeout, owner_);
        for (auto& [context, changed] : std::exchange(countWatchers_, {})) {
            if (context != nullptr) {
                QObject::connect(plan_, &Plan::countChanged, context, std::move(changed));
            }
        }
    }
    return *plan_;
}

int HandoffWindows::addToPlan(const QString& title, const QString& command)
{
    if (!sending_) {
        return 0;
    }
    if (const QString refusal = plan().add(title, command); !refusal.isEmpty()) {
        errors_.report(refusal);
        return 0;
    }
    return plan_->rowCount();
}

int HandoffWindows::planCount() const
{
    return plan_ != nullptr ? plan_->rowCount() : 0;
}

void HandoffWindows::showPlan()
{
    if (!sending_) {
        return;
    }
    makeWindows();
    if (planWindow_ == nullptr) {
        planWindow_ = new PlanWindow(plan(), sending_->outbox, errors_, sending_->questions, planFiles_,
                                     runs_ ? &*runs_ : nullptr, owner_);
        keepAlike(sendWindow_->numberField(), planWindow_->numberField());
    }
    planWindow_->showPlan();
}

void HandoffWindows::watchPlanCount(QObject* context, std::function<void(int)> changed)
{
    if (plan_ != nullptr) {
        QObject::connect(plan_, &Plan::countChanged, context, std::move(changed));
        return;
    }
    countWatchers_.emplace_back(context, std::move(changed));
}

bool HandoffWindows::mayClose()
{
    // A run to units goes only from the plan's window, so there is a plan while it goes.
    const bool toUnits = runs_ && runs_->isSending();
    if (plan_ == nullptr) {
        return true;
    }
    if (plan_->isSending() || toUnits) {
        const QString lost = plan_->hasUnsavedRows()
                                 ? QStringLiteral(" Polecenia, które nie zostały wysłane ani zapisane, przepadną.")
                                 : QString();
        if (!sending_->questions.ask(QStringLiteral("Plan wysyłki jest w trakcie wysyłania. Wiadomości, które są już "
                                                    "w drodze, zostaną wysłane, ale żadna kolejna nie wyjdzie.") +
                                     lost + QStringLiteral(" Zamknąć program?"))) {
            return false;
        }
        plan_->stop();
        if (runs_) {
            runs_->stop();
        }
        return true;
    }
    return !plan_->hasUnsavedRows() ||
           sending_->questions.ask(QStringLiteral("Plan wysyłki ma niezapisane polecenia. Zamknąć program?"));
}

} // namespace velmora
