#pragma once

#include "checkboxrow.h"
#include "detectornames.h"
#include "page.h"
#include "text.h"

#include <QLineEdit>
#include <array>

class QFrame;

namespace velmora {

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

    std::array<QLineEdit*, kDetectorNameCount> names_{}; // Edit1 … Edit8
    CheckBoxRow* removal_ = nullptr;                     // CheckBox1 … CheckBox8
    QLineEdit* Edit11 = nullptr;

    // Button1Click, Button4Click … Button10Click: the rows of detectors 1 to 8.
    Outcome DetectorNameClick(int detector) const
    {
        return composeDetectorName(iku(), detector, toUtf8(names_[static_cast<std::size_t>(detector - 1)]->text()));
    }
    Outcome Button13Click() const { return composeNameRemoval(iku(), removal_->ticks()); }
    Outcome Button3Click() const { return composeHeader(iku(), toUtf8(Edit11->text())); }
};

} // namespace velmora
