#pragma once

#include "page.h"

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

    QPushButton* Button10 = nullptr;
};

} // namespace velmora
