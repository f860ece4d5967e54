#include "planwindow.h"

#include "controls.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "ikucode.h"
#include "keyboard.h"
#include "outbox.h"
#include "plan.h"
#include "planstore.h"
#include "rowtable.h"
#include "screenfit.h"
#include "sendquestions.h"
#include "unitsrun.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {
namespace {

// Fixed widths but the command's, which takes the room left: a plan of hundreds of rows is shown without measuring
// each of them.
void sizeColumns(QTableView* list)
{
    QHeaderView* header = list->horizontalHeader();
    header->setStretchLastSection(false);
    header->resizeSection(Plan::Position, 40);
    header->resizeSection(Plan::Title, 280);
    header->resizeSection(Plan::State, 200);
    header->setSectionResizeMode(Plan::Command, QHeaderView::Stretch);
}

QTableView* makeList(QWidget* parent, Plan& plan)
{
    QTableView* list = makeRowTable(parent, "PlanList", QStringLiteral("Polecenia planu"), plan);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    sizeColumns(list);
    return list;
}

} // namespace

PlanWindow::PlanWindow(Plan& plan, Outbox& outbox, ErrorBox& errors, SendQuestions& questions, FileChoice& files,
                       UnitsRunAccess* units, QWidget* parent)
    : QDialog(parent), plan_(plan), outbox_(outbox), errors_(errors), questions_(questions), files_(files),
      list_(makeList(this, plan)), up_(makeButton(this, "PlanUp", QStringLiteral("W górę"),
                                                  QStringLiteral("Przesuwa wybrane polecenie o jedno wyżej"))),
      down_(makeButton(this, "PlanDown", QStringLiteral("W dół"),
                       QStringLiteral("Przesuwa wybrane polecenie o jedno niżej"))),
      remove_(
          makeButton(this, "PlanRemove", QStringLiteral("Usuń"), QStringLiteral("Usuwa wybrane polecenie z planu"))),
      iku_(makeEdit(this, "PlanIku")),
      choice_(this, {"PlanNumber", "PlanRoute", "PlanRescan"}, outbox.finder(), questions),
      wait_(new QCheckBox(QStringLiteral("Czekaj na potwierdzenie centrali przed kolejnym poleceniem"), this)),
      send_(makeButton(this, "PlanSend", QStringLiteral("Wyślij plan"),
                       QStringLiteral("Wysyła po kolei polecenia planu, które jeszcze nie zostały wysłane"))),
      stop_(makeButton(this, "PlanStop", QStringLiteral("Zatrzymaj"),
                       QStringLiteral("Kończy wysyłanie po wiadomości, która jest w drodze"))),
      status_(makeLabel(this, "PlanStatus", QString())), targets_(this, list_, plan, units, errors, questions),
      save_(makeButton(this, "PlanSave", QStringLiteral("Zapisz plan…"),
                       QStringLiteral("Zapisuje polecenia planu do pliku, bez kodu IKU"))),
      open_(makeButton(this, "PlanOpen", QStringLiteral("Otwórz plan…"),
                       QStringLiteral("Zastępuje plan poleceniami z pliku")))
{
    setUpWindow(this, "PlanWindow", QStringLiteral("Plan wysyłki do centrali"));

    iku_->setToolTip(QStringLiteral("Kod IKU centrali: cztery cyfry, które poprzedzają każde polecenie planu"));
    new FieldGuard(iku_, ikuCodeRule(), errors_);
    wait_->setObjectName(QStringLiteral("PlanWait"));
    wait_->setChecked(true);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 3);
    QPushButton* close = makeButton(this, "PlanClose", QStringLiteral("Zamknij"));

    auto* rowButtons = new QVBoxLayout;
    rowButtons->addWidget(up_);
    rowButtons->addWidget(down_);
    rowButtons->addWidget(remove_);
    targets_.addRowButtons(rowButtons);
    rowButtons->addStretch(1);
    auto* rows = new QHBoxLayout;
    rows->addWidget(list_, 1);
    rows->addLayout(rowButtons);
    auto* form = new QFormLayout;
    form->addRow(makeBuddy(this, QStringLiteral("&Kod IKU:"), iku_), iku_);
    choice_.addRows(form);
    form->addRow(wait_);
    QHBoxLayout* buttons = makeButtonRow({open_, save_, targets_.unitsButton()}, {send_, stop_, close});
    auto* layout = new QVBoxLayout(this);
    targets_.addTo(layout);
    layout->addLayout(rows, 1);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    connect(up_, &QPushButton::clicked, this, [this] { moveSelected(true); });
    connect(down_, &QPushButton::clicked, this, [this] { moveSelected(false); });
    connect(remove_, &QPushButton::clicked, this, &PlanWindow::removeSelected);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PlanWindow::updateControls);
    connect(&targets_, &PlanTargets::listChanged, this, &PlanWindow::onListChanged);
    connect(&targets_, &PlanTargets::changed, this, &PlanWindow::updateControls);
    connect(&targets_, &PlanTargets::resumed, this, &PlanWindow::send);
    connect(iku_, &QLineEdit::textChanged, this, &PlanWindow::takeIku);
    connect(&plan_, &Plan::ikuChanged, iku_, [this](const QString& iku) {
        if (iku_->text() != iku) {
            iku_->setText(iku);
        }
        updateControls();
    });
    choice_.whenChanged(this, &PlanWindow::updateControls);
    connect(send_, &QPushButton::clicked, this, &PlanWindow::send);
    connect(stop_, &QPushButton::clicked, this, [this] {
        plan_.stop();
        targets_.stop();
    });
    connect(open_, &QPushButton::clicked, this, &PlanWindow::openFile);
    connect(save_, &QPushButton::clicked, this, &PlanWindow::saveFile);
    connect(close, &QPushButton::clicked, this, &PlanWindow::reject);
    connect(&plan_, &Plan::sendingChanged, this, &PlanWindow::updateControls);
    connect(&plan_, &Plan::statusChanged, this, &PlanWindow::showStatus);
    connect(&plan_, &Plan::countChanged, this, &PlanWindow::updateControls);
    connect(&plan_, &QAbstractItemModel::modelReset, this, &PlanWindow::updateControls);
    connect(&plan_, &QAbstractItemModel::dataChanged, this, &PlanWindow::updateControls);
    connect(&outbox_.finder(), &RouteFinder::routesChanged, this, &PlanWindow::refreshRoutes);

    iku_->setText(plan_.iku());
    updateControls();
    setUpKeyboard(this);
    fitToScreen(this, {860, 600});
}

void PlanWindow::showPlan()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        outbox_.start();
    }
    refreshRoutes();
    if (list_->model()->rowCount() > 0 && selectedRow() < 0) {
        selectRow(0);
    }
    list_->setFocus();
    targets_.offerUnfinished();
    exec();
}

void PlanWindow::reject()
{
    if (isSending() &&
        questions_.ask(QStringLiteral("Plan jest w trakcie wysyłania. Zatrzymać go po wiadomości, która jest w "
                                      "drodze? Jeśli nie, wysyłanie będzie trwało po zamknięciu okna."))) {
        plan_.stop();
        targets_.stop();
    }
    QDialog::reject();
}

bool PlanWindow::hasWholeIku() const
{
    return isWholeIku(iku_->text().toStdString());
}

// The field as it stands, not the signal's text: the field guard may have repaired it in between. A part of a code
// leaves the rows with the code they had.
void PlanWindow::takeIku()
{
    if (hasWholeIku()) {
        plan_.setIku(iku_->text());
    }
    updateControls();
}

int PlanWindow::selectedRow() const
{
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PlanWindow::selectRow(int row)
{
    list_->selectionModel()->setCurrentIndex(list_->model()->index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The list shows other rows: the selected unit's, or the plan's own.
void PlanWindow::onListChanged()
{
    sizeColumns(list_);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PlanWindow::updateControls);
    if (list_->model()->rowCount() > 0) {
        selectRow(0);
    }
    updateControls();
}

void PlanWindow::moveSelected(bool up)
{
    const int row = selectedRow();
    if (up ? plan_.moveUp(row) : plan_.moveDown(row)) {
        selectRow(up ? row - 1 : row + 1);
    }
}

void PlanWindow::removeSelected()
{
    const int row = selectedRow();
    if (plan_.remove(row) && plan_.rowCount() > 0) {
        selectRow(std::min(row, plan_.rowCount() - 1));
    }
}

void PlanWindow::refreshRoutes()
{
    choice_.refreshRoutes();
    updateControls();
}

// With units chosen, each unit's own code and number go with the plan: the window's code and number are not used.
void PlanWindow::updateControls()
{
    const bool sending = isSending();
    const bool units = targets_.hasUnits();
    const int row = selectedRow();
    up_->setEnabled(!sending && row > 0);
    down_->setEnabled(!sending && row >= 0 && row + 1 < plan_.rowCount());
    remove_->setEnabled(!sending && row >= 0);
    iku_->setEnabled(!sending && !units);
    numberField()->setEnabled(!units);
    choice_.routeBox()->setEnabled(!sending && !choice_.routeBox()->isEmpty());
    open_->setEnabled(!sending);
    save_->setEnabled(plan_.rowCount() > 0);
    send_->setEnabled(units ? !sending && plan_.rowCount() > 0 && choice_.routeBox()->chosen() != nullptr
                            : plan_.canSend() && hasWholeIku() && choice_.isComplete());
    stop_->setEnabled(sending);
    targets_.updateControls();
    showStatus();
}

void PlanWindow::showStatus()
{
    const bool units = targets_.hasUnits();
    QString text = units ? targets_.run().status() : plan_.status();
    QString cause;
    if (text.isEmpty() && !isSending()) {
        if (plan_.rowCount() == 0) {
            text = QStringLiteral("Plan jest pusty: polecenia dodaje przycisk „Do planu” pod poleceniem na każdej "
                                  "stronie.");
        } else if (!units && !hasWholeIku()) {
            text = QStringLiteral("Wpisz kod IKU centrali, do której plan zostanie wysłany.");
        } else if (const RouteAbsence absence = choice_.absence(); !absence.text.isEmpty()) {
            text = absence.text;
            cause = absence.cause;
        }
    }
    status_->setText(text);
    status_->setToolTip(cause);
}

// The plan's rows as the questions before sending name them.
std::vector<ToSend> PlanWindow::toSend(bool unsentOnly) const
{
    std::vector<ToSend> rows;
    const std::vector<Plan::Item> items = plan_.items();
    for (int row = 0; row < plan_.rowCount(); ++row) {
        if (!unsentOnly || plan_.isUnsent(row)) {
            rows.push_back({items[row].title, items[row].command, row + 1});
        }
    }
    return rows;
}

void PlanWindow::send()
{
    if (targets_.hasUnits()) {
        sendToUnits();
        return;
    }
    if (!plan_.canSend() || !hasWholeIku()) {
        return;
    }
    if (const std::optional<Dispatch> dispatch = choice_.ask(toSend(true))) {
        plan_.send(dispatch->route, dispatch->number, wait_->isChecked(), dispatch->consented);
    }
}

// Every row of the plan is asked about once, for all the units: each unit then gets only what never went to it.
void PlanWindow::sendToUnits()
{
    if (isSending() || plan_.rowCount() == 0) {
        return;
    }
    if (const std::optional<Dispatch> dispatch = choice_.askForRoute(toSend(false))) {
        targets_.run().send(plan_.items(), dispatch->route, wait_->isChecked(), dispatch->consented);
    }
}

void PlanWindow::openFile()
{
    if (plan_.rowCount() > 0 &&
        !questions_.ask(QStringLiteral("Otwarty plan zastąpi bieżący plan wysyłki. Otworzyć plik?"))) {
        return;
    }
    if (files_.open(this, errors_, [this](const QString& path) { return openPlan(path, plan_); }).isEmpty()) {
        return;
    }
    selectRow(0);
    iku_->setFocus();
}

void PlanWindow::saveFile()
{
    const QString path = files_.save(this, errors_, [this](const QString& file) { return savePlan(plan_, file); });
    if (!path.isEmpty()) {
        plan_.markSaved(QFileInfo(path).fileName());
    }
}

} // namespace velmora
