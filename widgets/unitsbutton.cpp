#include "unitsbutton.h"

#include "controls.h"
#include "unitshandoff.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {
namespace {

QString describeUnit(const UsedUnit& unit)
{
    if (unit.code.isEmpty()) {
        return QStringLiteral("Centrala: %1 (kod IKU nie jest zapisany, wpisz go z koperty)").arg(unit.name);
    }
    return QStringLiteral("Centrala: %1").arg(unit.name);
}

} // namespace

QPushButton* makeUnitsButton(QWidget* parent, UnitsHandoff* units)
{
    QPushButton* button = makeButton(parent, "UnitsButton", QStringLiteral("Centrale"),
                                     QStringLiteral("Rejestr central: ich numery, kody IKU w magazynie haseł systemu "
                                                    "i historia wysłanych poleceń"));
    if (units == nullptr) {
        button->hide();
        return button;
    }
    QObject::connect(button, &QPushButton::clicked, button, [units] { units->showUnits(); });
    return button;
}

QLabel* makeCurrentUnit(QWidget* parent, UnitsHandoff* units, QLineEdit* ikuField)
{
    QLabel* label = makeLabel(parent, "CurrentUnit", QString());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (units == nullptr) {
        label->hide();
        return label;
    }
    units->watchUsedUnit(label, [label, ikuField](const UsedUnit& unit) {
        if (!unit.code.isEmpty()) {
            ikuField->setText(unit.code);
        }
        label->setText(describeUnit(unit));
    });
    return label;
}

} // namespace velmora
