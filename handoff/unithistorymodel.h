#pragma once

#include "headedtable.h"
#include "plan.h"
#include "unitregister.h"

#include <functional>
#include <vector>

namespace velmora {

// Whether this run still follows a recorded message (RegisterAccess::follows).
using Followed = std::function<bool(qint64 message)>;

// A recorded time as the windows show it, on the computer's clock: "31.12.2026 10:15:30".
QString shownTime(const QDateTime& at);

// How far a sent message came, in the send window's words: its delivery report if one came, else its stage. A
// message left waiting or sending by a run that has ended, which nothing follows any more, is unknown.
QString shownStage(const RecordedMessage& message, const Followed& followed);

// One unit's messages, newest first, as the units window lists them: time, operation title, the command with its
// IKU code shown as "****" (or a received text), and the stage. It follows the register while a unit is shown:
// new messages come in at the top and stages change in place, so a selection stays where it was.
class UnitHistoryModel final : public HeadedTable {
    Q_OBJECT

public:
    enum Column { Time, Title, Text, State, ColumnCount };

    UnitHistoryModel(UnitRegister& units, Followed followed, QObject* parent = nullptr);

    // Shows this unit's messages; none for 0.
    void showUnit(qint64 unitId);
    qint64 unitId() const { return unitId_; }

    bool isSent(int row) const;
    // The commands sent among these rows, oldest first, as the plan takes them: title and command from its "#".
    std::vector<Plan::Item> sentCommands(const QModelIndexList& rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void onHistoryChanged(qint64 unitId);
    QString text(const RecordedMessage& message, int column) const;

    UnitRegister& units_;
    Followed followed_;
    qint64 unitId_ = 0;
    std::vector<RecordedMessage> messages_;
};

} // namespace velmora
