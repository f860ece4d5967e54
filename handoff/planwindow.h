#pragma once

#include "filechoice.h"
#include "plan.h"
#include "plantargets.h"
#include "sendchoice.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace velmora {

class ErrorBox;
class Outbox;
class SendQuestions;
class UnitsRunAccess;

// The plan of a unit's commands: its rows in the order they go, moved or removed while it is not being sent,
// the IKU code they carry (taken once it is whole: rows never show part of one), the unit's number and the route,
// and sending the rows not yet sent in one press. With `units`, the plan can go to units chosen from the register
// instead, each with its own code and number (PlanTargets).
class PlanWindow final : public QDialog {
    Q_OBJECT

public:
    PlanWindow(Plan& plan, Outbox& outbox, ErrorBox& errors, SendQuestions& questions, FileChoice& files,
               UnitsRunAccess* units = nullptr, QWidget* parent = nullptr);

    // Shows the window modally; returns when it is closed. The first showing starts the search for routes; each
    // offers a run to units the program did not finish.
    void showPlan();

    // The unit's number, digits only.
    QLineEdit* numberField() const { return choice_.numberField(); }

    // Closing while the plan is being sent, to one unit or to many, asks whether to stop after the messages on
    // their way.
    void reject() override;

private:
    bool hasWholeIku() const;
    void takeIku();
    int selectedRow() const;
    void selectRow(int row);
    void onListChanged();
    std::vector<ToSend> toSend(bool unsentOnly) const;
    void sendToUnits();
    bool isSending() const { return plan_.isSending() || targets_.isSending(); }
    void moveSelected(bool up);
    void removeSelected();
    void refreshRoutes();
    void updateControls();
    void showStatus();
    void send();
    void openFile();
    void saveFile();

    Plan& plan_;
    Outbox& outbox_;
    ErrorBox& errors_;
    SendQuestions& questions_;
    FileChoice& files_;
    QTableView* list_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* remove_;
    QLineEdit* iku_;
    SendChoice choice_;
    QCheckBox* wait_;
    QPushButton* send_;
    QPushButton* stop_;
    QLabel* status_;
    PlanTargets targets_;
    QPushButton* save_;
    QPushButton* open_;
    bool shownBefore_ = false;
};

} // namespace velmora
