// The run's record in the register, a run taken up again from it, and the user's word on a row whose outcome the
// record does not know.
#include "runwords.h"
#include "unitsrun.h"

#include <algorithm>

namespace velmora {

RecordedRun UnitsRun::recorded() const
{
    RecordedRun run{0, started_, {}, {}};
    for (const RunRow& row : rows_) {
        run.rows.push_back(row.item);
    }
    for (const auto& target : targets_) {
        RecordedTarget& recorded = run.targets.emplace_back(RecordedTarget{target->unit().id, {}});
        for (const RunRow& row : rows_) {
            recorded.rows.push_back(target->state(row.id));
        }
    }
    return run;
}

// The run as it stands now becomes the record, in place of any other; a run recorded before keeps its start.
bool UnitsRun::record()
{
    if (!record_) {
        started_ = QDateTime::currentDateTimeUtc();
    }
    const std::variant<qint64, QString> begun = journal().begin(recorded());
    if (const auto* why = std::get_if<QString>(&begun)) {
        setStatus(*why);
        return false;
    }
    record_ = std::get<qint64>(begun);
    setStatus({});
    return true;
}

// After a change of units or rows outside sending, the record follows, or goes once nothing is left to send.
void UnitsRun::keepRecord()
{
    if (record_) {
        record();
        finishIfDone();
    }
}

void UnitsRun::finishIfDone()
{
    const bool done =
        std::all_of(targets_.cbegin(), targets_.cend(), [](const auto& target) { return target->isDone(); });
    if (sending_ || !record_ || !done) {
        return;
    }
    setStatus(journal().end(*record_));
    record_.reset();
    started_ = {};
}

// Whatever is written here, the row goes only once the fact that it is going is on the disk.
void UnitsRun::onHandingOver(RunTarget* target, int row)
{
    const QString why = record_ ? journal().recordHandingOver(*record_, target->unit().id, positionOf(row))
                                : QStringLiteral("wysyłka nie jest zapisana w rejestrze central");
    if (!why.isEmpty()) {
        setStatus(why);
        target->keepBack(row, why);
    }
}

// A row handed over was recorded so before it went; every later state is recorded as it comes.
void UnitsRun::onRowChanged(RunTarget* target, int row)
{
    const int position = positionOf(row);
    const RunRowState state = target->state(row);
    if (record_ && position >= 0 && state.message.progress.stage != SendProgress::Stage::Sending) {
        if (const QString why = journal().record(*record_, target->unit().id, position, state); !why.isEmpty()) {
            setStatus(why);
        }
    }
    emit rowStateChanged(indexOf(target), position);
    showTarget(target);
}

QString UnitsRun::unfinishedNotice()
{
    const std::optional<RecordedRun> run = journal().unfinished();
    if (!run || run->id == record_) {
        return {};
    }
    const auto done = std::count_if(run->targets.cbegin(), run->targets.cend(), [](const RecordedTarget& target) {
        return std::all_of(target.rows.cbegin(), target.rows.cend(),
                           [](const RunRowState& row) { return row.wentOut(); });
    });
    // No unit left, or every one done and the program ended before it let the record go: nothing to take up.
    if (done == std::ssize(run->targets)) {
        return {};
    }
    return unfinishedWords(run->started, int(done), int(run->targets.size()));
}

std::vector<Plan::Item> UnitsRun::loadUnfinished()
{
    std::optional<RecordedRun> run = sending_ ? std::nullopt : journal().unfinished();
    if (!run) {
        return {};
    }
    beginResetModel();
    targets_.clear();
    codes_.clear();
    rows_.clear();
    for (const Plan::Item& item : run->rows) {
        rows_.push_back({nextRowId_++, item});
    }
    for (const RecordedTarget& recorded : run->targets) {
        if (const std::optional<Unit> unit = book_.units().unit(recorded.unit)) {
            add(*unit, &recorded);
        }
    }
    record_ = run->id;
    started_ = run->started;
    going_ = false;
    endResetModel();
    emit planRowsChanged();
    return run->rows;
}

void UnitsRun::discard()
{
    if (sending_) {
        return;
    }
    if (const std::optional<RecordedRun> run = journal().unfinished()) {
        setStatus(journal().end(run->id));
    }
    if (record_) {
        beginResetModel();
        targets_.clear();
        codes_.clear();
        rows_.clear();
        endResetModel();
        emit planRowsChanged();
    }
    record_.reset();
    started_ = {};
    going_ = false;
}

bool UnitsRun::markSent(int target, int row)
{
    if (!isUnknown(target, row)) {
        return false;
    }
    RunTarget* unit = targets_[std::size_t(target)].get();
    return answered(unit, unit->markSent(rows_[std::size_t(row)].id));
}

bool UnitsRun::sendAgain(int target, int row)
{
    if (!isUnknown(target, row)) {
        return false;
    }
    RunTarget* unit = targets_[std::size_t(target)].get();
    return answered(unit, unit->sendAgain(rows_[std::size_t(row)].id));
}

// Once the user has spoken, the unit goes on where it waited, unless the run was stopped.
bool UnitsRun::answered(RunTarget* target, bool given)
{
    if (!given) {
        return false;
    }
    if (going_ && target->hasRowsToSend() && (record_ || record())) {
        launch(target);
        updateSending();
    } else {
        finishIfDone();
    }
    showTarget(target);
    return true;
}

} // namespace velmora
