#pragma once

#include "page.h"

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;

// Programs and removes remote controls, keypad codes and the door module.
class TForm8 final : public Page {
    Q_OBJECT

public:
    TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    // Every box of every row: a change of the ticks outdates the shown command.
    void CheckBoxClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

    IkuSource iku_;
    ErrorBox& errors_;
    CheckBoxRow* remotes_ = nullptr;
    CheckBoxRow* remoteRemoval_ = nullptr;
    CheckBoxRow* keypadCodes_ = nullptr;
    CheckBoxRow* keypadCodeRemoval_ = nullptr;
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
