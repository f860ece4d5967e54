#pragma once

#include <QObject>

class QBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace velmora {

class ErrorBox;
class Plan;
class SendQuestions;
class UnitsPicker;
class UnitsRun;
class UnitsRunAccess;

// The plan window's units from the register: "Centrale…" chooses them, "PlanTargets" lists each one's progress and
// state, and the plan's list shows the selected unit's rows. A run the program did not finish is offered first, to
// take up or give up, and a row whose outcome is unknown waits for the user's word. Without the register every
// control stays hidden and the window sends to the one number typed in it.
class PlanTargets final : public QObject {
    Q_OBJECT

public:
    // Controls are made as children of `window`; `list` is the plan's list, shown with the selected unit's rows
    // while units are chosen.
    PlanTargets(QWidget* window, QTableView* list, Plan& plan, UnitsRunAccess* access, ErrorBox& errors,
                SendQuestions& questions);

    // "Centrale…", for the window's buttons.
    QPushButton* unitsButton() const { return units_; }
    // The notice of an unfinished run with its two buttons, and the units chosen with theirs.
    void addTo(QBoxLayout* layout) const;
    // "Uznaj za wysłane" and "Wyślij ponownie", beside the plan's list.
    void addRowButtons(QBoxLayout* column) const;

    // The plan goes to units chosen from the register, not to the number typed in the window.
    bool hasUnits() const;
    bool isSending() const;
    // Lets the messages on their way finish and starts no others.
    void stop();
    // The run; only while hasUnits().
    UnitsRun& run() { return *run_; }

    // Looks in the register for a run the program did not finish, and offers it. Returns whether it does.
    bool offerUnfinished();
    void updateControls();

signals:
    // Units chosen or taken out, a run taken up: the plan's list shows other rows.
    void listChanged();
    // Sending started or ended, a state or the run's status changed.
    void changed();
    // "Wznów": the run taken up, to be sent on.
    void resumed();

private:
    void wireRun();
    int selectedTarget() const;
    int selectedRow() const;
    void showRows();
    void followPlan();
    void chooseUnits();
    void removeTarget();
    void resume();
    void discard();
    void markSent();
    void sendAgain();
    void onTargetSelected();

    Plan& plan_;
    UnitsRunAccess* access_;
    ErrorBox& errors_;
    SendQuestions& questions_;
    QTableView* list_;
    QLabel* notice_;
    QPushButton* resume_;
    QPushButton* discard_;
    QTableView* targets_;
    QPushButton* remove_;
    QPushButton* units_;
    QPushButton* markSent_;
    QPushButton* resend_;
    UnitsPicker* picker_ = nullptr;
    // The run, made with the window when the register is there.
    UnitsRun* run_ = nullptr;
};

} // namespace velmora
