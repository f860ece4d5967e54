#include "registerwindows.h"

#include "errorbox.h"
#include "handoffwindows.h"
#include "registeraccess.h"
#include "unitswindow.h"

#include <QPointer>

namespace velmora {

RegisterWindows::RegisterWindows(QWidget* owner, RegisterAccess& access, ErrorBox& errors, QuestionBox& questions,
                                 HandoffWindows& handoff)
    : owner_(owner), access_(access), errors_(errors), questions_(questions), handoff_(handoff)
{}

void RegisterWindows::showUnits()
{
    if (const QString problem = access_.units().problem(); !problem.isEmpty()) {
        errors_.report(problem);
        return;
    }
    if (window_ == nullptr) {
        window_ = new UnitsWindow(
            access_.book(), [this](qint64 message) { return access_.follows(message); }, errors_, questions_, files_,
            &handoff_, owner_);
        connect(window_, &UnitsWindow::used, this, &RegisterWindows::use);
    }
    window_->showUnits();
}

void RegisterWindows::watchUsedUnit(QObject* context, std::function<void(const UsedUnit&)> used)
{
    connect(this, &RegisterWindows::unitUsed, context, std::move(used));
}

void RegisterWindows::use(const Unit& unit)
{
    handoff_.useNumber(unit.number);
    access_.book().readCode(
        unit, [self = QPointer<RegisterWindows>(this), name = unit.name](const KeyringReply& reply) {
            if (self != nullptr) {
                self->used_ = UsedUnit{name, reply.status == KeyringReply::Status::Done ? reply.secret : QString()};
                emit self->unitUsed(*self->used_);
            }
        });
}

} // namespace velmora
