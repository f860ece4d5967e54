#pragma once

#include "checkboxrow.h"
#include "page.h"
#include "systemparameters.h"
#include "text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace velmora {

// The unit's remaining settings: limits, times, balance checks, notification mask, ECHO, service mode.
class TForm6 final : public ComposingPage {
    Q_OBJECT

public:
    TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    QWidget* makeValueGroup();
    QWidget* makeOptionRows();
    QWidget* makeMaskGroup();

    // Once, when the controls are made: the notification mask starts fully ticked and nothing ticks it again.
    void FormCreate();
    // Edit1Change ... Edit6Change and CheckBox1Click ... CheckBox11Click: a shown command no longer matches.
    void InputChange();

    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    CheckBoxRow* mask_ = nullptr;

    // Button1Click, Button2Click, Button3Click, Button5Click, Button6Click.
    Outcome ValueButtonClick(ValueSetting setting, const QLineEdit* field) const
    {
        return composeValue(setting, iku(), toUtf8(field->text()));
    }
    Outcome Button4Click() const { return composeBalanceCheckNumber(iku(), toUtf8(Edit4->text())); }
    Outcome Button9Click() const { return composeNotificationMask(iku(), mask_->ticks()); }
    Outcome Button10Click() const { return composeEcho(iku(), CheckBox11->isChecked()); }
    Outcome Button11Click() const { return composeServiceMode(iku()); }
    Outcome Button14Click() const { return composeFactorySettings(iku()); }
};

} // namespace velmora
