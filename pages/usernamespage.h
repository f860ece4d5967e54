#pragma once

#include "checkboxrow.h"
#include "page.h"
#include "text.h"
#include "usernames.h"

#include <QLineEdit>
#include <array>

class QPushButton;

namespace velmora {

// Names users 1 to 10 and removes their names. The page has no activation: reopened, it shows exactly
// what it showed when it was closed.
class TForm7 final : public ComposingPage {
    Q_OBJECT

public:
    TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;

private:
    QWidget* makeNameGroup();
    QWidget* makeRemovalGroup();

    // Edit1Change … Edit9Change, Edit11Change: the field's guard runs the name rule after this.
    void NameEditChange();
    // CheckBox1Click … CheckBox10Click.
    void CheckBoxClick();

    std::array<QLineEdit*, kNamedUsers> nameEdits_{};
    CheckBoxRow* removalRow_ = nullptr;
    QPushButton* Button10 = nullptr;

    // Button1Click … Button9Click, Button11Click; `row` 0 is user 1.
    Outcome NameButtonClick(std::size_t row) const
    {
        return composeUserName(iku(), row + 1, toUtf8(nameEdits_[row]->text()));
    }
    Outcome Button10Click() const { return composeUserNameRemoval(iku(), removalRow_->ticks()); }
};

} // namespace velmora
