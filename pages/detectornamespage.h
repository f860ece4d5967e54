#pragma once

#include "detectornames.h"
#include "page.h"

#include <array>

class QFrame;
class QLineEdit;

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;

// Names the detectors C1 to C8, removes their names and sets the header the unit puts at the head of its
// messages.
class TForm5 final : public Page {
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

    // Button1Click, Button4Click … Button10Click: the rows of detectors 1 to 8.
    void DetectorNameClick(int detector);
    void Button13Click();
    void Button3Click();
    // CheckBox1Click … CheckBox8Click.
    void CheckBoxClick();

    IkuSource iku_;
    ErrorBox& errors_;
    std::array<QLineEdit*, kDetectorNameCount> names_{}; // Edit1 … Edit8
    CheckBoxRow* removal_ = nullptr;                     // CheckBox1 … CheckBox8
    QLineEdit* Edit11 = nullptr;
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
