#pragma once

#include "checkboxrow.h"
#include "detectors.h"
#include "page.h"

namespace velmora {

// Programs and removes detectors and sirens and sets their masks. Every choice is a tick; the ticks stay
// from one visit to the next.
class TForm4 final : public ComposingPage {
    Q_OBJECT

public:
    TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    CheckBoxRow* makeRow(char slot, int firstBox, const QStringList& labelNames, CheckBoxRow::Choice choice);

    // Every tick and untick on the page, by the user or by a one-of-N row.
    void CheckBoxClick();

    CheckBoxRow* detectorProgramming_ = nullptr;
    CheckBoxRow* detectorRemoval_ = nullptr;
    CheckBoxRow* globalMask_ = nullptr;
    CheckBoxRow* delayedMask_ = nullptr;
    CheckBoxRow* zoneMask_ = nullptr;
    CheckBoxRow* sirenProgramming_ = nullptr;
    CheckBoxRow* sirenRemoval_ = nullptr;
    CheckBoxRow* sirenMask_ = nullptr;

    Outcome Button1Click() const { return composeDetectorProgramming(iku(), detectorProgramming_->ticks()); }
    Outcome Button2Click() const { return composeDetectorRemoval(iku(), detectorRemoval_->ticks()); }
    Outcome Button3Click() const { return composeGlobalMask(iku(), globalMask_->ticks()); }
    Outcome Button4Click() const { return composeDelayedMask(iku(), delayedMask_->ticks()); }
    Outcome Button5Click() const { return composeZoneMask(iku(), zoneMask_->ticks()); }
    Outcome Button6Click() const { return composeSirenProgramming(iku(), sirenProgramming_->ticks()); }
    Outcome Button7Click() const { return composeSirenRemoval(iku(), sirenRemoval_->ticks()); }
    Outcome Button8Click() const { return composeSirenMask(iku(), sirenMask_->ticks()); }
};

} // namespace velmora
