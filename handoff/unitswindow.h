#pragma once

#include "codepresence.h"
#include "unithistorymodel.h"
#include "unitsmodel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace velmora {

class CommandHandoff;
class ErrorBox;
class QuestionBox;
class FileChoice;

// "Rejestr central": the installer's units, narrowed by a filter at each keystroke, added, changed and removed
// through the unit dialog, taken in from a units file and written out to one; and the selected unit's history, whose
// sent commands go to the plan again with the unit's code. "Użyj" closes the window with the unit chosen.
class UnitsWindow final : public QDialog {
    Q_OBJECT

public:
    // Without a plan (`plan` null or unable to send), the history offers no "Do planu".
    UnitsWindow(UnitBook& book, Followed followed, ErrorBox& errors, QuestionBox& questions, FileChoice& files,
                CommandHandoff* plan, QWidget* parent = nullptr);

    // Shows the window modally, the units and their codes read afresh; returns when it is closed.
    void showUnits();

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // "Użyj": the unit the user chose, just before the window closes.
    void used(const velmora::Unit& unit);

private:
    std::optional<Unit> selectedUnit() const;
    void select(qint64 unitId);
    void onSelected();
    void onListReset();
    void updateButtons();
    void addUnit();
    void editUnit();
    void removeUnit();
    void useUnit();
    void addToPlan();
    void addWithCode(const QString& unitName, const std::vector<Plan::Item>& commands, const KeyringReply& reply);
    void importFile();
    void exportFile();

    UnitBook& book_;
    ErrorBox& errors_;
    QuestionBox& questions_;
    FileChoice& files_;
    CommandHandoff* plan_;
    CodePresence codes_;
    UnitsModel units_;
    UnitHistoryModel history_;
    QLineEdit* filter_;
    QTableView* list_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* remove_;
    QPushButton* use_;
    QTableView* historyList_;
    QPushButton* toPlan_;
    QLabel* status_;
    // The unit selected before the list was read again, selected again if it is still listed.
    qint64 selectedId_ = 0;
};

} // namespace velmora
