#pragma once

#include "headedtable.h"
#include "plan.h"

namespace velmora {

class UnitsRun;

// The plan's rows with their states for one unit of a run, for the plan's list while that unit is selected: the
// plan's own columns (Plan::Column), the IKU code shown as "****".
class TargetRows final : public HeadedTable {
    Q_OBJECT

public:
    explicit TargetRows(UnitsRun& run);

    // The unit whose rows are shown, by its place in the run's list; -1 for none, and no rows.
    void showTarget(int target);
    int target() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void reset();

    UnitsRun& run_;
    // The unit shown, by its id, so that it stays shown while others are taken out; 0 for none.
    qint64 unit_ = 0;
};

} // namespace velmora
