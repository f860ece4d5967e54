#pragma once

#include "page.h"
#include "usernames.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;

// Names users 1 to 10 and removes their names. The page has no activation: reopened, it shows exactly
// what it showed when it was closed.
class TForm7 final : public Page {
    Q_OBJECT

public:
    TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;

private:
    QWidget* makeNameGroup(QWidget* parent);
    QWidget* makeRemovalGroup(QWidget* parent);

    // Edit1Change … Edit9Change, Edit11Change: the field's guard runs the name rule after this.
    void NameEditChange();
    // Button1Click … Button9Click, Button11Click; `row` 0 is user 1.
    void NameButtonClick(std::size_t row);
    void Button10Click();
    // CheckBox1Click … CheckBox10Click.
    void CheckBoxClick();

    IkuSource iku_;
    ErrorBox& errors_;
    std::array<QLineEdit*, kNamedUsers> nameEdits_{};
    CheckBoxRow* removalRow_ = nullptr;
    QPushButton* Button10 = nullptr;
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
