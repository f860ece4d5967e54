#pragma once

#include "page.h"

class QCheckBox;
class QLineEdit;

namespace velmora {

class CheckBoxRow;

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
};

} // namespace velmora
