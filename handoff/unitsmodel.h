#pragma once

#include "headedtable.h"
#include "unithistorymodel.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class QLineEdit;
class QTableView;
class QWidget;

namespace velmora {

class CodePresence;

// The register's units, by name, as the units window and the plan's choice of units list them: "Nazwa", "Numer",
// "Kod IKU" ("zapisany" or "brak", never the code) and "Ostatnio" (when the last message went to the unit, and how
// far it came). Only the units' ids are held for the filter; a row is read from the register when it comes into
// view, and its code asked of the keyring then, so a register of thousands lists at once. The rows follow the
// register: units added, changed or removed, and each new stage of a unit's last message.
class UnitsModel final : public HeadedTable {
    Q_OBJECT

public:
    enum Column { Name, Number, Code, Last, ColumnCount };

    UnitsModel(UnitRegister& units, CodePresence& codes, Followed followed, QObject* parent = nullptr);

    // Lists only the units whose name, number or notes hold `filter`, with case and Polish letters folded.
    void setFilter(const QString& filter);
    // Reads the units again, as another copy of the program may have changed them.
    void refresh();

    std::optional<Unit> unitAt(int row) const;
    // The unit's row; -1 when it is not listed.
    int rowOf(qint64 unitId) const;

    // A tick before each unit's name, for choosing several; a ticked unit stays ticked while the filter hides it.
    void setTickable(bool tickable);
    // The ticked units still in the register, by name.
    std::vector<qint64> ticked();
    // Ticks these units, and no others.
    void setTicked(const std::vector<qint64>& unitIds);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const UnitListing* listingAt(int row) const;
    QString text(const UnitListing& listing, int column) const;
    void changedCell(qint64 unitId, int column);
    void onHistoryChanged(qint64 unitId);

    UnitRegister& units_;
    CodePresence& codes_;
    Followed followed_;
    QString filter_;
    std::vector<qint64> ids_;
    // The rows read so far, by unit; none for a unit that has gone meanwhile.
    mutable std::unordered_map<qint64, std::optional<UnitListing>> listings_;
    bool tickable_ = false;
    std::unordered_set<qint64> ticked_;
};

// The search field over a units list: each keystroke narrows `model`.
QLineEdit* makeUnitsFilter(QWidget* parent, const char* name, UnitsModel& model);

// A units list as the windows show it: one unit picked at a time, columns of set widths, so that no row of
// thousands is measured.
QTableView* makeUnitsTable(QWidget* parent, const char* name, UnitsModel& model);

} // namespace velmora
