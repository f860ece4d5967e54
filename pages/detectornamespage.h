#pragma once

#include "detectornames.h"
#include "page.h"

class QFrame;
class QLineEdit;

namespace velmora {

class CheckBoxRow;

// Names the detectors C1 to C8, removes their names and sets the header the unit puts at the head of its
// messages.
class TForm5 final : public ComposingPage {
    Q_OBJECT

public:
    TForm5(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QFrame* makeNamesBand();
    QFrame* makeRemovalBand();
    QFrame* makeHeaderBand();
    // Every free-text field empties the whole band on each change, before its rule runs.
    void guard(QLineEdit* field, InputRule rule);

    // CheckBox1Click … CheckBox8Click.
    void CheckBoxClick();

    CheckBoxRow* removal_ = nullptr; // CheckBox1 … CheckBox8
    QLineEdit* Edit11 = nullptr;
};

} // namespace velmora
