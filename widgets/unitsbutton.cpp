#include "unitsbutton.h"

#include "controls.h"
#include "planbutton.h"
#include "unitshandoff.h"

#include <QHBoxLayout>
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
    const auto use = [label, ikuField](const UsedUnit& unit) {
        if (!unit.code.isEmpty()) {
            ikuField->setText(unit.code);
        }
        label->setText(describeUnit(unit));
    };
    if (const std::optional<UsedUnit> chosen = units->usedUnit()) {
        use(*chosen);
    }
    units->watchUsedUnit(label, use);
    return label;
}

QBoxLayout* makeUnitsRow(QWidget* parent, CommandHandoff* handoff, UnitsHandoff* units, QLineEdit* ikuField)
{
    auto* row = new QHBoxLayout;
    row->addWidget(makePlanButton(parent, handoff));
    row->addWidget(makeUnitsButton(parent, units));
    QLabel* current = makeCurrentUnit(parent, units, ikuField);
    // A long name wraps rather than widening the page.
    current->setWordWrap(true);
    row->addWidget(current, 1);
    // Without the label, the buttons keep their widths.
    row->addStretch();
    return row;
}

} // namespace velmora
