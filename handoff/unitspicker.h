#pragma once

#include "codepresence.h"
#include "unitsmodel.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLineEdit;
class QTableView;

namespace velmora {

// "Wybierz centrale": the register's units with a tick each, narrowed by the units window's filter, for the plan to
// go to several units at once.
class UnitsPicker final : public QDialog {
    Q_OBJECT

public:
    UnitsPicker(UnitBook& book, Followed followed, QWidget* parent = nullptr);

    // Shows the units afresh, those in `chosen` ticked, and waits for the user: the units ticked on "Wybierz", by
    // name; nothing on "Anuluj".
    std::optional<std::vector<qint64>> pick(const std::vector<qint64>& chosen);

private:
    CodePresence codes_;
    UnitsModel units_;
    QLineEdit* filter_;
    QTableView* list_;
};

} // namespace velmora
