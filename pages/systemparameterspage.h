#pragma once

#include "page.h"
#include "systemparameters.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace velmora {

class CheckBoxRow;
class DisplayBand;
class ErrorBox;

// The unit's remaining settings: limits, times, balance checks, notification mask, ECHO, service mode.
class TForm6 final : public Page {
    Q_OBJECT

public:
    TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    struct ValueRow {
        QLineEdit* edit;
        QPushButton* button;
    };

    QWidget* makeValueGroup();
    QWidget* makeOptionRows();
    QWidget* makeMaskGroup();
    void wireValueRow(const ValueRow& row, ValueSetting setting);
    void wireBalanceCheckNumber(const ValueRow& row);

    // Once, when the controls are made: the notification mask starts fully ticked and nothing ticks it again.
    void FormCreate();
    // Edit1Change ... Edit6Change and CheckBox1Click ... CheckBox11Click: a shown command no longer matches.
    void InputChange();
    // Button1Click, Button2Click, Button3Click, Button5Click, Button6Click.
    void ValueButtonClick(ValueSetting setting, const QLineEdit* field);
    void Button4Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button14Click();

    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_ = nullptr;
    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    CheckBoxRow* mask_ = nullptr;
};

} // namespace velmora
