#include "unitspicker.h"

#include "controls.h"
#include "keyboard.h"
#include "screenfit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {

UnitsPicker::UnitsPicker(UnitBook& book, Followed followed, QWidget* parent)
    : QDialog(parent), codes_(book), units_(book.units(), codes_, std::move(followed)),
      filter_(makeUnitsFilter(this, "UnitsPickerFilter", units_)),
      list_(makeUnitsTable(this, "UnitsPickerList", units_))
{
    setUpWindow(this, "UnitsPicker", QStringLiteral("Wybierz centrale"));
    units_.setTickable(true);
    list_->setAccessibleName(QStringLiteral("Centrale w rejestrze, zaznaczone otrzymają plan"));
    QPushButton* ok = makeButton(this, "UnitsPickerOk", QStringLiteral("Wybierz"),
                                 QStringLiteral("Plan zostanie wysłany do zaznaczonych central"));
    QPushButton* cancel = makeButton(this, "UnitsPickerCancel", QStringLiteral("Anuluj"));

    QHBoxLayout* search = makeFieldRow(this, QStringLiteral("&Szukaj:"), filter_);
    QHBoxLayout* buttons = makeButtonRow({}, {ok, cancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setUpKeyboard(this);
    fitToScreen(this, {640, 480});
}

std::optional<std::vector<qint64>> UnitsPicker::pick(const std::vector<qint64>& chosen)
{
    // Another copy of the program may have changed the units, and a locked keyring may have been unlocked.
    filter_->clear();
    codes_.forgetAll();
    units_.refresh();
    units_.setTicked(chosen);
    if (units_.rowCount() > 0) {
        list_->selectRow(0);
    }
    filter_->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return units_.ticked();
}

} // namespace velmora
