#include "unitswindow.h"

#include "commandhandoff.h"
#include "controls.h"
#include "errorbox.h"
#include "filechoice.h"
#include "keyboard.h"
#include "presses.h"
#include "questionbox.h"
#include "rowtable.h"
#include "screenfit.h"
#include "unitdialog.h"
#include "unitsfile.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {
namespace {

QTableView* makeHistoryTable(QWidget* parent, UnitHistoryModel& model)
{
    QTableView* table = makeRowTable(parent, "UnitHistory", QStringLiteral("Historia wybranej centrali"), model);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fitListColumns(table, {130, 220, 200});
    return table;
}

QVBoxLayout* column(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QVBoxLayout;
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    layout->addStretch(1);
    return layout;
}

} // namespace

UnitsWindow::UnitsWindow(UnitBook& book, Followed followed, ErrorBox& errors, QuestionBox& questions, FileChoice& files,
                         CommandHandoff* plan, QWidget* parent)
    : QDialog(parent), book_(book), errors_(errors), questions_(questions), files_(files),
      plan_(plan != nullptr && plan->canSend() ? plan : nullptr), codes_(book), units_(book.units(), codes_, followed),
      history_(book.units(), followed), filter_(makeUnitsFilter(this, "UnitsFilter", units_)),
      list_(makeUnitsTable(this, "UnitsList", units_)),
      add_(makeButton(this, "UnitAdd", QStringLiteral("Dodaj…"), QStringLiteral("Dodaje centralę do rejestru"))),
      edit_(makeButton(this, "UnitEdit", QStringLiteral("Edytuj…"),
                       QStringLiteral("Zmienia nazwę, numer, kod IKU lub uwagi wybranej centrali"))),
      remove_(makeButton(this, "UnitRemove", QStringLiteral("Usuń"),
                         QStringLiteral("Usuwa wybraną centralę z rejestru razem z jej historią i kodem IKU"))),
      use_(makeButton(this, "UnitUse", QStringLiteral("Użyj"),
                      QStringLiteral("Wpisuje kod IKU wybranej centrali na stronach i jej numer w oknach wysyłania"))),
      historyList_(makeHistoryTable(this, history_)),
      toPlan_(makeButton(this, "HistoryToPlan", QStringLiteral("Do planu"),
                         QStringLiteral("Dodaje wybrane wysłane polecenia do planu wysyłki z kodem IKU centrali"))),
      status_(makeLabel(this, "UnitsStatus", QString()))
{
    setUpWindow(this, "UnitsWindow", QStringLiteral("Rejestr central"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2);
    toPlan_->setVisible(plan_ != nullptr);
    QPushButton* import = makeButton(this, "UnitsImport", QStringLiteral("Importuj…"),
                                     QStringLiteral("Dodaje do rejestru centrale z pliku CSV: nazwa;numer;uwagi"));
    QPushButton* exportButton = makeButton(this, "UnitsExport", QStringLiteral("Eksportuj…"),
                                           QStringLiteral("Zapisuje centrale rejestru w pliku CSV, bez kodów IKU"));
    QPushButton* close = makeButton(this, "UnitsClose", QStringLiteral("Zamknij"));

    QHBoxLayout* search = makeFieldRow(this, QStringLiteral("&Szukaj:"), filter_);
    auto* units = new QHBoxLayout;
    units->addWidget(list_, 1);
    units->addLayout(column({add_, edit_, remove_, use_}));
    auto* history = new QHBoxLayout;
    history->addWidget(historyList_, 1);
    history->addLayout(column({toPlan_}));
    QHBoxLayout* buttons = makeButtonRow({import, exportButton}, {close});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(units, 3);
    layout->addWidget(makeBuddy(this, QStringLiteral("&Historia wybranej centrali:"), historyList_));
    layout->addLayout(history, 2);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &UnitsWindow::onSelected);
    connect(&units_, &QAbstractItemModel::modelReset, this, &UnitsWindow::onListReset);
    connect(historyList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &UnitsWindow::updateButtons);
    connect(&history_, &QAbstractItemModel::modelReset, this, &UnitsWindow::updateButtons);
    onPresses(this, {{add_, &UnitsWindow::addUnit},
                     {edit_, &UnitsWindow::editUnit},
                     {remove_, &UnitsWindow::removeUnit},
                     {use_, &UnitsWindow::useUnit},
                     {toPlan_, &UnitsWindow::addToPlan},
                     {import, &UnitsWindow::importFile},
                     {exportButton, &UnitsWindow::exportFile},
                     {close, &QDialog::reject}});
    updateButtons();
    setUpKeyboard(this);
    fitToScreen(this, {860, 600});
}

void UnitsWindow::showUnits()
{
    filter_->setFocus();
    exec();
}

// Each showing reads the units and their codes afresh: another copy of the program may have changed them, and a
// locked keyring may have been unlocked.
void UnitsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        status_->clear();
        codes_.forgetAll();
        units_.refresh();
        if (selectedId_ == 0 && units_.rowCount() > 0) {
            list_->selectRow(0);
        }
    }
    QDialog::showEvent(event);
}

std::optional<Unit> UnitsWindow::selectedUnit() const
{
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() ? units_.unitAt(current.row()) : std::nullopt;
}

void UnitsWindow::select(qint64 unitId)
{
    if (const int row = units_.rowOf(unitId); row >= 0) {
        list_->selectRow(row);
        list_->scrollTo(units_.index(row, 0));
    }
}

void UnitsWindow::onSelected()
{
    const std::optional<Unit> unit = selectedUnit();
    selectedId_ = unit ? unit->id : 0;
    history_.showUnit(selectedId_);
    updateButtons();
}

// Reading the list again drops its selection: the unit selected stays selected while it is listed.
void UnitsWindow::onListReset()
{
    const qint64 previous = selectedId_;
    if (units_.rowOf(previous) >= 0) {
        select(previous);
    } else {
        onSelected();
    }
}

void UnitsWindow::updateButtons()
{
    const bool selected = selectedId_ != 0;
    edit_->setEnabled(selected);
    remove_->setEnabled(selected);
    use_->setEnabled(selected);
    toPlan_->setEnabled(!history_.sentCommands(historyList_->selectionModel()->selectedRows()).empty());
}

void UnitsWindow::addUnit()
{
    UnitDialog dialog(book_, errors_, this);
    if (const std::optional<Unit> added = dialog.edit(std::nullopt)) {
        codes_.forget(added->id);
        select(added->id);
    }
}

void UnitsWindow::editUnit()
{
    const std::optional<Unit> unit = selectedUnit();
    if (!unit) {
        return;
    }
    UnitDialog dialog(book_, errors_, this);
    if (const std::optional<Unit> changed = dialog.edit(unit)) {
        codes_.forget(changed->id);
    }
}

void UnitsWindow::removeUnit()
{
    const std::optional<Unit> unit = selectedUnit();
    if (!unit || !questions_.ask(QStringLiteral("Usunąć centralę „%1” z rejestru? Razem z nią zostanie usunięta jej "
                                                "historia i kod IKU z magazynu haseł systemu.")
                                     .arg(unit->name))) {
        return;
    }
    book_.remove(unit->id, [self = QPointer<UnitsWindow>(this), name = unit->name](const UnitRemoved& removed) {
        if (self == nullptr) {
            return;
        }
        if (!removed.refusal.isEmpty()) {
            self->errors_.report(removed.refusal);
            return;
        }
        self->status_->setText(removed.codeWarning.isEmpty()
                                   ? QStringLiteral("Centrala „%1” została usunięta z rejestru.").arg(name)
                                   : removed.codeWarning);
    });
}

void UnitsWindow::useUnit()
{
    if (const std::optional<Unit> unit = selectedUnit()) {
        emit used(*unit);
        accept();
    }
}

void UnitsWindow::addToPlan()
{
    const std::optional<Unit> unit = selectedUnit();
    const std::vector<Plan::Item> commands = history_.sentCommands(historyList_->selectionModel()->selectedRows());
    if (!unit || commands.empty() || plan_ == nullptr) {
        return;
    }
    book_.readCode(*unit, [self = QPointer<UnitsWindow>(this), name = unit->name, commands](const KeyringReply& reply) {
        if (self != nullptr) {
            self->addWithCode(name, commands, reply);
        }
    });
}

void UnitsWindow::addWithCode(const QString& unitName, const std::vector<Plan::Item>& commands,
                              const KeyringReply& reply)
{
    if (reply.status == KeyringReply::Status::NotFound) {
        errors_.report(QStringLiteral("Kod IKU centrali „%1” nie jest zapisany: polecenia nie zostały dodane do "
                                      "planu. Wpisz kod w oknie „Edytuj…”.")
                           .arg(unitName));
        return;
    }
    if (reply.status != KeyringReply::Status::Done) {
        errors_.report(QStringLiteral("Kod IKU centrali „%1” nie został odczytany: brak dostępu do magazynu haseł "
                                      "systemu. Polecenia nie zostały dodane do planu.")
                           .arg(unitName));
        return;
    }
    int added = 0;
    for (const Plan::Item& command : commands) {
        // The plan says itself why it refused a command: the rest are not added either.
        if (plan_->addToPlan(command.title, reply.secret + command.command) == 0) {
            break;
        }
        ++added;
    }
    status_->setText(QStringLiteral("Dodano do planu wysyłki poleceń: %1 z %2.").arg(added).arg(commands.size()));
}

void UnitsWindow::importFile()
{
    const std::size_t before = book_.units().unitIds().size();
    const QString path =
        files_.open(this, errors_, [this](const QString& file) { return importUnits(book_.units(), file); });
    if (path.isEmpty()) {
        return;
    }
    status_->setText(QStringLiteral("Dodano do rejestru centrale z pliku „%1”: %2.")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(book_.units().unitIds().size() - before));
}

void UnitsWindow::exportFile()
{
    const QString path =
        files_.save(this, errors_, [this](const QString& file) { return exportUnits(book_.units(), file); });
    if (path.isEmpty()) {
        return;
    }
    status_->setText(QStringLiteral("Centrale zapisano w pliku „%1”.").arg(QDir::toNativeSeparators(path)));
}

} // namespace velmora
