// The units of a run as the plan window lists them: chosen, taken out, and each one's progress and state.
#include "runwords.h"
#include "unitsrun.h"

#include <algorithm>

namespace velmora {

std::vector<qint64> UnitsRun::unitIds() const
{
    std::vector<qint64> ids;
    for (const auto& target : targets_) {
        ids.push_back(target->unit().id);
    }
    return ids;
}

int UnitsRun::targetOf(qint64 unitId) const
{
    const auto found = std::find_if(targets_.cbegin(), targets_.cend(),
                                    [unitId](const auto& target) { return target->unit().id == unitId; });
    return found == targets_.cend() ? -1 : int(found - targets_.cbegin());
}

bool UnitsRun::setTargets(const std::vector<qint64>& unitIds)
{
    if (sending_) {
        return false;
    }
    beginResetModel();
    std::vector<std::unique_ptr<RunTarget>> kept = std::move(targets_);
    targets_.clear();
    for (const qint64 id : unitIds) {
        const auto found = std::find_if(kept.begin(), kept.end(),
                                        [id](const auto& target) { return target && target->unit().id == id; });
        if (found != kept.end()) {
            targets_.push_back(std::move(*found));
        } else if (const std::optional<Unit> unit = book_.units().unit(id); unit && targetOf(id) < 0) {
            add(*unit);
        }
    }
    endResetModel();
    keepRecord();
    return true;
}

bool UnitsRun::removeTarget(int target)
{
    if (sending_ || target < 0 || target >= rowCount()) {
        return false;
    }
    beginRemoveRows({}, target, target);
    codes_.erase(unitAt(target).id);
    targets_.erase(targets_.begin() + target);
    endRemoveRows();
    keepRecord();
    return true;
}

// A unit renamed or renumbered since it was chosen goes as it is now; one removed from the register goes out.
void UnitsRun::refreshUnits()
{
    for (int target = rowCount() - 1; target >= 0; --target) {
        if (const std::optional<Unit> unit = book_.units().unit(unitAt(target).id)) {
            targets_[std::size_t(target)]->setUnit(*unit);
            emit dataChanged(index(target, Name), index(target, Number));
        } else {
            beginRemoveRows({}, target, target);
            targets_.erase(targets_.begin() + target);
            endRemoveRows();
        }
    }
}

QString UnitsRun::stateText(const RunTarget& target) const
{
    const int count = planRowCount();
    if (target.isSending()) {
        return sendingWords(positionOf(target.current().value_or(-1)) + 1, count);
    }
    if (reading_.contains(&target)) {
        return waitingWords();
    }
    if (!rows_.empty() && target.isDone()) {
        std::vector<RunRowState> states;
        for (const RunRow& row : rows_) {
            states.push_back(target.state(row.id));
        }
        return doneWords(states);
    }
    if (const std::optional<int> held = target.heldAt()) {
        return stoppedWords(positionOf(*held) + 1, stoppedUnknown());
    }
    if (const auto& halt = target.halt()) {
        return halt->row ? stoppedWords(positionOf(*halt->row) + 1, halt->reason) : halt->reason;
    }
    return waitingWords();
}

QString UnitsRun::rowState(int target, int row) const
{
    if (target < 0 || target >= rowCount() || row < 0 || row >= planRowCount()) {
        return {};
    }
    const RunTarget& unit = *targets_[std::size_t(target)];
    const int id = rows_[std::size_t(row)].id;
    return rowWords(unit.state(id), unit.isUnknown(id));
}

bool UnitsRun::isUnknown(int target, int row) const
{
    return target >= 0 && target < rowCount() && row >= 0 && row < planRowCount() &&
           targets_[std::size_t(target)]->isUnknown(rows_[std::size_t(row)].id);
}

int UnitsRun::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(targets_.size());
}

QVariant UnitsRun::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const RunTarget& target = *targets_[std::size_t(index.row())];
    switch (index.column()) {
    case Name:
        return target.unit().name;
    case Number:
        return target.unit().number;
    case Progress:
        return progressWords(target.outCount(), planRowCount());
    case State:
        return stateText(target);
    }
    return {};
}

} // namespace velmora
