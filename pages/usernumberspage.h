#pragma once

#include "checkboxrow.h"
#include "page.h"
#include "text.h"
#include "usernumbers.h"

#include <QLineEdit>
#include <array>

namespace velmora {

// Programs and removes the users' phone numbers and sets the SMS and RING masks.
class TForm3 final : public ComposingPage {
    Q_OBJECT

public:
    TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QWidget* makeNumbersGroup();
    QWidget* makeRemovalGroup();

    // CheckBox1Click ... CheckBox15Click: any removal or mask box that changes.
    void CheckBoxClick();

    std::array<QLineEdit*, kPhoneUserCount> numberEdits_{}; // Edit1 ... Edit5
    CheckBoxRow* removalBoxes_ = nullptr;                   // CheckBox1 ... CheckBox5
    CheckBoxRow* smsMaskBoxes_ = nullptr;                   // CheckBox6 ... CheckBox10
    CheckBoxRow* ringMaskBoxes_ = nullptr;                  // CheckBox11 ... CheckBox15

    Outcome Button1Click() const { return composeUserNumbers(iku(), textsOf(numberEdits_)); }
    Outcome Button2Click() const { return composeUserNumbersRemoval(iku(), removalBoxes_->ticks()); }
    // A mask always composes.
    Outcome Button3Click() const { return Outcome::composed(composeSmsMask(iku(), smsMaskBoxes_->ticks())); }
    Outcome Button4Click() const { return Outcome::composed(composeRingMask(iku(), ringMaskBoxes_->ticks())); }
};

} // namespace velmora
