#pragma once

#include "headedtable.h"
#include "runtarget.h"
#include "targetrows.h"
#include "unitbook.h"

#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace velmora {

// One plan sent to many registered units, a list of them for the plan window: each unit gets the plan's rows with
// its own IKU code (read from the keyring when the run starts) at its own number, in order, through its own
// sender over the one outbox queue, so that while one unit waits for its confirmation the next command for another
// goes out. A failure, a missing confirmation or a missing code stops only that unit. The run is recorded in the
// register as it goes (never a code): every row is recorded as handed over, on the disk itself, before it goes,
// so a later start of the program goes on from the record and sends nothing twice; a row whose outcome was never
// recorded waits for the user's word. Lives for the program's run.
class UnitsRun final : public HeadedTable {
    Q_OBJECT

public:
    enum Column { Name, Number, Progress, State, ColumnCount };

    UnitsRun(Outbox& outbox, UnitBook& book, std::chrono::milliseconds confirmationTimeout = Plan::kConfirmationTimeout,
             QObject* parent = nullptr);
    ~UnitsRun() override;

    // The units the plan goes to, by their ids in the register, in this order; a unit already chosen keeps its
    // rows' states, one no longer in the register is left out. Not while sending.
    bool setTargets(const std::vector<qint64>& unitIds);
    // Takes the unit out of the run. Not while sending.
    bool removeTarget(int target);
    const Unit& unitAt(int target) const { return targets_.at(std::size_t(target))->unit(); }
    std::vector<qint64> unitIds() const;
    // The unit's place in the list, or -1.
    int targetOf(qint64 unitId) const;

    // The plan's rows, for the units' progress before the run; a row the run already has (the same title and
    // command) keeps its state for each unit. Not while sending.
    bool setPlanRows(const std::vector<Plan::Item>& rows);

    bool isSending() const { return sending_; }
    // Sends the plan's rows (as setPlanRows() takes them) to every unit chosen, each only what never went out to it.
    // With `waitForConfirmation` each row waits for the previous one to be delivered or answered. False when nothing
    // is to go.
    bool send(const std::vector<Plan::Item>& rows, Route* route, bool waitForConfirmation, bool consented);
    // Lets the messages on their way finish and starts no others.
    void stop();

    // A run the program did not finish, as the register keeps it: the sentence for the plan window, or empty.
    QString unfinishedNotice();
    // Takes that run in place of the units and rows chosen, each row in the state recorded; returns the plan's rows,
    // for the plan to show and send() to go on with. Empty when there is none. Not while sending.
    std::vector<Plan::Item> loadUnfinished();
    // Gives that run up: the register no longer keeps it, and this run forgets its units. Not while sending.
    void discard();

    // The plan's rows as the run has them, and a row's state for one unit in the plan's words.
    int planRowCount() const { return int(rows_.size()); }
    const Plan::Item& planRow(int row) const { return rows_.at(std::size_t(row)).item; }
    QString rowState(int target, int row) const;
    // The row went to the route when the program ended, and its outcome was never recorded.
    bool isUnknown(int target, int row) const;
    // The user's word on such a row: it went out, or it is to be sent once more. The unit goes on at once while the
    // run has not been stopped. False for any other row.
    bool markSent(int target, int row);
    bool sendAgain(int target, int row);

    // A list of the selected unit's rows with their states, for the plan's list.
    TargetRows& targetRows() { return targetRows_; }

    // A sentence on the run as a whole: why it could not be recorded. Empty while all is well.
    QString status() const { return status_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void sendingChanged(bool sending);
    // A row's state changed for one unit.
    void rowStateChanged(int target, int row);
    // The plan's rows as the run has them changed: put in place by send() or loadUnfinished().
    void planRowsChanged();
    void statusChanged(const QString& status);

private:
    RunJournal& journal();
    int indexOf(const RunTarget* target) const;
    int positionOf(int rowId) const;
    RunTarget* add(const Unit& unit, const RecordedTarget* recorded = nullptr);
    void takeRows(const std::vector<Plan::Item>& items);
    void refreshUnits();
    void launch(RunTarget* target);
    void onCode(RunTarget* target, const KeyringReply& reply);
    void updateSending();
    void showTarget(const RunTarget* target);
    void setStatus(const QString& status);
    QString stateText(const RunTarget& target) const;

    // The record (unitsrunrecord.cpp).
    RecordedRun recorded() const;
    bool record();
    void keepRecord();
    void finishIfDone();
    void onHandingOver(RunTarget* target, int row);
    void onRowChanged(RunTarget* target, int row);
    bool answered(RunTarget* target, bool given);

    Outbox& outbox_;
    UnitBook& book_;
    std::chrono::milliseconds confirmationTimeout_;
    std::vector<RunRow> rows_;
    int nextRowId_ = 0;
    std::vector<std::unique_ptr<RunTarget>> targets_;
    TargetRows targetRows_{*this};

    // The run's record in the register while it is kept, and when the run began.
    std::optional<qint64> record_;
    QDateTime started_;

    // How the last send() goes out, for a unit that goes on after the user's word: until stop().
    QPointer<Route> route_;
    bool wait_ = false;
    bool consented_ = false;
    bool going_ = false;
    // The units' codes read for this send(), by unit, and the units whose code is still awaited. Kept in memory
    // only.
    std::map<qint64, QString> codes_;
    std::set<const RunTarget*> reading_;
    int generation_ = 0;
    bool sending_ = false;
    QString status_;
};

} // namespace velmora
