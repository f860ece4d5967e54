#include "planbutton.h"

#include "commandhandoff.h"
#include "controls.h"

#include <QPushButton>

namespace velmora {

QPushButton* makePlanButton(QWidget* parent, CommandHandoff* handoff)
{
    const auto caption = [](int count) { return QStringLiteral("Plan wysyłki (%1)").arg(count); };
    QPushButton* button = makeButton(parent, "PlanButton", caption(0),
                                     QStringLiteral("Polecenia zebrane przyciskiem „Do planu”, wysyłane do "
                                                    "centrali po kolei"));
    if (handoff == nullptr || !handoff->canSend()) {
        button->hide();
        return button;
    }
    button->setText(caption(handoff->planCount()));
    handoff->watchPlanCount(button, [button, caption](int count) { button->setText(caption(count)); });
    QObject::connect(button, &QPushButton::clicked, button, [handoff] { handoff->showPlan(); });
    return button;
}

} // namespace velmora
