#pragma once

#include "page.h"

class QPushButton;

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;
struct Outcome;

// Programs and removes detectors and sirens and sets their masks. Every choice is a tick; the ticks stay
// from one visit to the next.
class TForm4 final : public Page {
    Q_OBJECT

public:
    TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QPushButton* composeButton(const char* name, const QString& hint, void (TForm4::*handler)());

    // Every tick and untick on the page, by the user or by a one-of-N row.
    void CheckBoxClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

    // The detector buttons leave the band as it was when they refuse; the siren buttons empty it first.
    void presentOverBand(const Outcome& outcome);

    IkuSource iku_;
    ErrorBox& errors_;
    CheckBoxRow* detectorProgramming_ = nullptr;
    CheckBoxRow* detectorRemoval_ = nullptr;
    CheckBoxRow* globalMask_ = nullptr;
    CheckBoxRow* delayedMask_ = nullptr;
    CheckBoxRow* zoneMask_ = nullptr;
    CheckBoxRow* sirenProgramming_ = nullptr;
    CheckBoxRow* sirenRemoval_ = nullptr;
    CheckBoxRow* sirenMask_ = nullptr;
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
