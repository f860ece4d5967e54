#pragma once

#include "checkboxrow.h"
#include "firststart.h"
#include "page.h"
#include "text.h"

#include <QLineEdit>
#include <array>

class QLabel;
class QPushButton;

namespace velmora {

class CommandHandoff;
class RadioGroup;
class UnitsHandoff;

// Leads a new installation through the SMS centre, the user numbers and a keypad code. It has an IKU field of
// its own, so it can be used before the advanced configuration is ever opened.
class TForm13 final : public ComposingPage {
    Q_OBJECT

public:
    // With `handoff`, the page offers the plan of commands sent one after another; with `units`, the installer's
    // units, whose chosen one's code comes into the IKU field.
    explicit TForm13(ErrorBox& errors, CommandHandoff* handoff = nullptr, UnitsHandoff* units = nullptr,
                     QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QWidget* makeIkuArea();
    QWidget* makeCentreArea();
    QWidget* makeUsersArea();
    QWidget* makePointerArea(const QString& step);
    QWidget* makeKeypadArea();
    void wire();

    void Edit1Change();
    // Edit4Change to Edit8Change.
    void UserNumberChange();
    void RadioGroup1Click(int index);
    // CheckBox1Click to CheckBox10Click.
    void CheckBoxClick();

    void clearInstructions();
    void showInstructions();

    CommandHandoff* handoff_;
    UnitsHandoff* units_;
    QLineEdit* Edit3 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    std::array<QLineEdit*, 5> userNumbers_{}; // Edit4 to Edit8
    QPushButton* Button2 = nullptr;
    CheckBoxRow* keypadUsers_ = nullptr; // CheckBox1 to CheckBox10
    QPushButton* Button5 = nullptr;
    std::array<QLabel*, 3> instructions_{}; // Label3, Label10, Label11

    Outcome Button1Click()
    {
        clearInstructions();
        return composeFirstStartCentre(iku(), toUtf8(Edit1->text()));
    }
    Outcome Button2Click()
    {
        clearInstructions();
        return composeFirstStartUsers(iku(), textsOf(userNumbers_));
    }
    // The instructions of an earlier keypad code stay until something else empties them.
    Outcome Button5Click()
    {
        Outcome outcome = composeFirstStartKeypadCode(iku(), keypadUsers_->ticks());
        if (outcome.command) {
            showInstructions();
        }
        return outcome;
    }
};

} // namespace velmora
