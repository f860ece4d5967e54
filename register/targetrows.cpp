#include "targetrows.h"

#include "unitsrun.h"

namespace velmora {

TargetRows::TargetRows(UnitsRun& run) : HeadedTable(Plan::headings()), run_(run)
{
    connect(&run_, &QAbstractItemModel::modelReset, this, &TargetRows::reset);
    connect(&run_, &QAbstractItemModel::rowsRemoved, this, &TargetRows::reset);
    connect(&run_, &UnitsRun::planRowsChanged, this, &TargetRows::reset);
    connect(&run_, &UnitsRun::rowStateChanged, this, [this](int target, int row) {
        if (target == this->target()) {
            emit dataChanged(index(row, Plan::State), index(row, Plan::State));
        }
    });
}

void TargetRows::showTarget(int target)
{
    beginResetModel();
    unit_ = target >= 0 && target < run_.rowCount() ? run_.unitAt(target).id : 0;
    endResetModel();
}

int TargetRows::target() const
{
    return run_.targetOf(unit_);
}

void TargetRows::reset()
{
    beginResetModel();
    endResetModel();
}

int TargetRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || target() < 0 ? 0 : run_.planRowCount();
}

QVariant TargetRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    switch (index.column()) {
    case Plan::Position:
        return index.row() + 1;
    case Plan::Title:
        return run_.planRow(index.row()).title;
    case Plan::Command:
        return QStringLiteral("****") + run_.planRow(index.row()).command;
    case Plan::State:
        return run_.rowState(target(), index.row());
    }
    return {};
}

} // namespace velmora
