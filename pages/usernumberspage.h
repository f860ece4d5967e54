#pragma once

#include "page.h"
#include "usernumbers.h"

#include <array>

class QLineEdit;

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;

// Programs and removes the users' phone numbers and sets the SMS and RING masks.
class TForm3 final : public Page {
    Q_OBJECT

public:
    TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QWidget* makeNumbersGroup();
    QWidget* makeRemovalGroup();
    QWidget* makeSmsMaskGroup();
    QWidget* makeRingMaskGroup();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    // CheckBox1Click ... CheckBox15Click: any removal or mask box that changes.
    void CheckBoxClick();

    IkuSource iku_;
    ErrorBox& errors_;
    std::array<QLineEdit*, kPhoneUserCount> numberEdits_{}; // Edit1 ... Edit5
    CheckBoxRow* removalBoxes_ = nullptr;                   // CheckBox1 ... CheckBox5
    CheckBoxRow* smsMaskBoxes_ = nullptr;                   // CheckBox6 ... CheckBox10
    CheckBoxRow* ringMaskBoxes_ = nullptr;                  // CheckBox11 ... CheckBox15
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
