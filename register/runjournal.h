#pragma once

#include "plan.h"
#include "sender.h"

#include <QDateTime>
#include <optional>
#include <variant>
#include <vector>

namespace velmora {

class RegisterDatabase;

// How one row of a plan's run stands for one unit.
struct RunRowState {
    // Its stage (Sending: handed to the route) and the unit's reply to it.
    MessageState message;
    // The user's word on a row whose outcome was not known: it went out.
    bool markedSent = false;

    // Sent, handed to a phone, delivered or not: nothing more is to be done with it.
    bool wentOut() const;
};

// One unit's part of a recorded run: a state for each of the run's rows, in their order.
struct RecordedTarget {
    qint64 unit = 0;
    std::vector<RunRowState> rows;
};

// A plan's run to registered units as the register keeps it.
struct RecordedRun {
    qint64 id = 0;
    // When the run began, in UTC.
    QDateTime started;
    std::vector<Plan::Item> rows;
    // In the order the units were chosen.
    std::vector<RecordedTarget> targets;
};

// The record of a plan's run to registered units, in the register's file, as the run goes: what a later start of
// the program needs to go on without sending any row twice. Rows are kept from their first "#", never with an IKU
// code. Times are kept in UTC. One run at a time; a finished run is not kept.
class RunJournal {
public:
    explicit RunJournal(RegisterDatabase& db);

    // The run the program did not finish, without its units no longer in the register; none while the register
    // does not exist.
    std::optional<RecordedRun> unfinished();

    // Records the run (its id is not read) in place of any other, every row in the state given; returns its id, or
    // why it could not be recorded.
    std::variant<qint64, QString> begin(const RecordedRun& run);
    // The row is about to be handed to the route: once this returns empty, the fact is on the disk itself, so that
    // not even a power cut lets the row go twice. Returns why it could not be recorded (the row must not go).
    QString recordHandingOver(qint64 run, qint64 unit, int row);
    // A later state of the row. Returns why it could not be recorded.
    QString record(qint64 run, qint64 unit, int row, const RunRowState& state);
    // The run is finished, or given up: it is no longer kept.
    QString end(qint64 run);

private:
    QString update(qint64 run, qint64 unit, int row, const RunRowState& state);

    RegisterDatabase& db_;
};

} // namespace velmora
