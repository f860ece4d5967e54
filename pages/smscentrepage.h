#pragma once

#include "page.h"

#include <QStringList>

class QLineEdit;
class QPushButton;

namespace velmora {

class DisplayBand;
class ErrorBox;
class RadioGroup;

// Tells the unit which SMS centre its SIM card's operator uses: a preset number per operator, or any number
// typed under "INNY".
class TForm2 final : public Page {
    Q_OBJECT

public:
    TForm2(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    void RadioGroup1Click(int index);
    void Button1Click();

    IkuSource iku_;
    ErrorBox& errors_;
    RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    DisplayBand* band_ = nullptr;
};

} // namespace velmora
