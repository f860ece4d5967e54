#pragma once

#include "page.h"
#include "usernumbers.h"

#include <array>

class QLineEdit;

namespace velmora {

class CheckBoxRow;

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
    // The button of a mask and what it composes from the mask's ticks.
    struct MaskOperation {
        const char* button;
        QString hint;
        Command (*compose)(std::string_view iku, const Ticks& ticks);
    };
    QWidget* makeMaskGroup(const char* bevel, const QList<QWidget*>& captions, CheckBoxRow* row,
                           const MaskOperation& mask);

    // CheckBox1Click ... CheckBox15Click: any removal or mask box that changes.
    void CheckBoxClick();

    std::array<QLineEdit*, kPhoneUserCount> numberEdits_{}; // Edit1 ... Edit5
    CheckBoxRow* removalBoxes_ = nullptr;                   // CheckBox1 ... CheckBox5
    CheckBoxRow* smsMaskBoxes_ = nullptr;                   // CheckBox6 ... CheckBox10
    CheckBoxRow* ringMaskBoxes_ = nullptr;                  // CheckBox11 ... CheckBox15
};

} // namespace velmora
