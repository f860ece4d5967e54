#include "plantargets.h"

#include "controls.h"
#include "errorbox.h"
#include "plan.h"
#include "presses.h"
#include "rowtable.h"
#include "sendquestions.h"
#include "unitspicker.h"
#include "unitsrun.h"
#include "unitsrunaccess.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace velmora {
namespace {

QTableView* makeTargets(QWidget* window)
{
    QTableView* table = makeRowTable(window, "PlanTargets", QStringLiteral("Centrale, do których idzie plan"));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setStretchLastSection(true);
    // A few units in view, the plan's rows below them.
    table->setMaximumHeight(table->fontMetrics().lineSpacing() * 8);
    return table;
}

} // namespace

PlanTargets::PlanTargets(QWidget* window, QTableView* list, Plan& plan, UnitsRunAccess* access, ErrorBox& errors,
                         SendQuestions& questions)
    : plan_(plan), access_(access), errors_(errors), questions_(questions), list_(list),
      notice_(makeLabel(window, "PlanUnfinished", QString())),
      resume_(makeButton(window, "PlanResume", QStringLiteral("Wznów"),
                         QStringLiteral("Wysyła dalej niedokończoną wysyłkę: tylko polecenia, które nie wyszły"))),
      discard_(makeButton(window, "PlanDiscard", QStringLiteral("Porzuć"),
                          QStringLiteral("Porzuca niedokończoną wysyłkę: nic więcej z niej nie wyjdzie"))),
      targets_(makeTargets(window)), remove_(makeButton(window, "PlanTargetRemove", QStringLiteral("Usuń centralę"),
                                                        QStringLiteral("Wybrana centrala nie dostanie planu"))),
      units_(makeButton(window, "PlanUnits", QStringLiteral("Centrale…"),
                        QStringLiteral("Wybiera z rejestru centrale, do których zostanie wysłany plan"))),
      markSent_(makeButton(window, "PlanMarkSent", QStringLiteral("Uznaj za wysłane"),
                           QStringLiteral("Wybrane polecenie dotarło do centrali: nie zostanie wysłane ponownie"))),
      resend_(makeButton(window, "PlanResend", QStringLiteral("Wyślij ponownie"),
                         QStringLiteral("Wybrane polecenie zostanie wysłane do centrali jeszcze raz")))
{
    notice_->setWordWrap(true);
    setTextColour(notice_, kRed);
    for (QWidget* control :
         std::initializer_list<QWidget*>{notice_, resume_, discard_, targets_, remove_, markSent_, resend_, units_}) {
        control->hide();
    }
    if (access_ == nullptr) {
        return;
    }
    run_ = &access_->run();
    units_->show();
    wireRun();
}

void PlanTargets::wireRun()
{
    targets_->setModel(run_);
    const auto listed = [this] {
        const int target = run_->targetRows().target();
        targets_->selectRow(target >= 0 ? target : 0);
        showRows();
    };
    connect(run_, &QAbstractItemModel::modelReset, this, listed);
    connect(run_, &QAbstractItemModel::rowsRemoved, this, listed);
    connect(targets_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PlanTargets::onTargetSelected);
    connect(run_, &UnitsRun::sendingChanged, this, [this](bool sending) {
        if (!sending) {
            followPlan();
        }
        emit changed();
    });
    connect(run_, &UnitsRun::rowStateChanged, this, &PlanTargets::changed);
    connect(run_, &UnitsRun::statusChanged, this, &PlanTargets::changed);
    // The run's rows follow the plan's while it is not being sent.
    connect(&plan_, &Plan::countChanged, this, &PlanTargets::followPlan);
    connect(&plan_, &QAbstractItemModel::rowsMoved, this, &PlanTargets::followPlan);
    connect(&plan_, &QAbstractItemModel::modelReset, this, &PlanTargets::followPlan);
    onPresses(this, {{units_, &PlanTargets::chooseUnits},
                     {remove_, &PlanTargets::removeTarget},
                     {resume_, &PlanTargets::resume},
                     {discard_, &PlanTargets::discard},
                     {markSent_, &PlanTargets::markSent},
                     {resend_, &PlanTargets::sendAgain}});
    listed();
}

void PlanTargets::addTo(QBoxLayout* layout) const
{
    auto* banner = new QHBoxLayout;
    banner->addWidget(notice_, 1);
    banner->addWidget(resume_);
    banner->addWidget(discard_);
    layout->addLayout(banner);
    auto* targets = new QHBoxLayout;
    targets->addWidget(targets_, 1);
    auto* column = new QVBoxLayout;
    column->addWidget(remove_);
    column->addStretch(1);
    targets->addLayout(column);
    layout->addLayout(targets);
}

void PlanTargets::addRowButtons(QBoxLayout* column) const
{
    column->addWidget(markSent_);
    column->addWidget(resend_);
}

bool PlanTargets::hasUnits() const
{
    return run_ != nullptr && run_->rowCount() > 0;
}

bool PlanTargets::isSending() const
{
    return run_ != nullptr && run_->isSending();
}

void PlanTargets::stop()
{
    if (run_ != nullptr) {
        run_->stop();
    }
}

int PlanTargets::selectedTarget() const
{
    const QModelIndex current = targets_->selectionModel() ? targets_->selectionModel()->currentIndex() : QModelIndex();
    return current.isValid() ? current.row() : -1;
}

int PlanTargets::selectedRow() const
{
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The plan's list shows the selected unit's rows while units are chosen, and the plan's own rows otherwise.
void PlanTargets::showRows()
{
    QAbstractItemModel* rows = hasUnits() ? static_cast<QAbstractItemModel*>(&run_->targetRows()) : &plan_;
    if (list_->model() != rows) {
        QItemSelectionModel* previous = list_->selectionModel();
        list_->setModel(rows);
        delete previous;
        emit listChanged();
    }
    updateControls();
}

void PlanTargets::followPlan()
{
    if (hasUnits() && !run_->isSending()) {
        run_->setPlanRows(plan_.items());
    }
}

void PlanTargets::onTargetSelected()
{
    run_->targetRows().showTarget(selectedTarget());
    if (run_->targetRows().rowCount() > 0) {
        list_->selectRow(0);
    }
    updateControls();
}

// A run the program did not finish is offered before another can replace it.
bool PlanTargets::offerUnfinished()
{
    const QString notice =
        run_ == nullptr || run_->isSending() || !access_->problem().isEmpty() ? QString() : run_->unfinishedNotice();
    notice_->setText(notice);
    for (QWidget* control : std::initializer_list<QWidget*>{notice_, resume_, discard_}) {
        control->setVisible(!notice.isEmpty());
    }
    updateControls();
    return !notice.isEmpty();
}

void PlanTargets::chooseUnits()
{
    if (const QString problem = access_->problem(); !problem.isEmpty()) {
        errors_.report(problem);
        return;
    }
    if (offerUnfinished()) {
        resume_->setFocus();
        return;
    }
    if (picker_ == nullptr) {
        picker_ = new UnitsPicker(access_->book(), access_->followed(), units_->window());
    }
    if (const std::optional<std::vector<qint64>> chosen = picker_->pick(run_->unitIds())) {
        run_->setTargets(*chosen);
        followPlan();
    }
}

void PlanTargets::removeTarget()
{
    run_->removeTarget(selectedTarget());
}

void PlanTargets::resume()
{
    if (plan_.isSending() ||
        (plan_.hasUnsavedRows() &&
         !questions_.ask(QStringLiteral("Wznowiona wysyłka zastąpi bieżący plan wysyłki. Wznowić wysyłkę?")))) {
        return;
    }
    const std::vector<Plan::Item> rows = run_->loadUnfinished();
    offerUnfinished();
    if (!rows.empty() && plan_.replace(rows)) {
        emit resumed();
    }
}

void PlanTargets::discard()
{
    run_->discard();
    offerUnfinished();
}

void PlanTargets::markSent()
{
    run_->markSent(selectedTarget(), selectedRow());
    updateControls();
}

void PlanTargets::sendAgain()
{
    run_->sendAgain(selectedTarget(), selectedRow());
    updateControls();
}

void PlanTargets::updateControls()
{
    if (run_ == nullptr) {
        return;
    }
    const bool units = hasUnits();
    const bool sending = run_->isSending() || plan_.isSending();
    targets_->setVisible(units);
    remove_->setVisible(units);
    markSent_->setVisible(units);
    resend_->setVisible(units);
    units_->setEnabled(!sending);
    remove_->setEnabled(!sending && selectedTarget() >= 0);
    resume_->setEnabled(!sending);
    discard_->setEnabled(!sending);
    const bool unknown = units && run_->isUnknown(selectedTarget(), selectedRow());
    markSent_->setEnabled(unknown);
    resend_->setEnabled(unknown);
}

} // namespace velmora
