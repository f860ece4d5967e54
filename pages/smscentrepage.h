#pragma once

#include "page.h"
#include "smscentre.h"
#include "text.h"

#include <QLineEdit>

class QPushButton;

namespace velmora {

class RadioGroup;

// Tells the unit which SMS centre its SIM card's operator uses: a preset number per operator, or any number
// typed under "INNY".
class TForm2 final : public ComposingPage {
    Q_OBJECT

public:
    TForm2(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    void RadioGroup1Click(int index);

    RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;

    Outcome Button1Click() const { return composeSmsCentre(iku(), toUtf8(Edit1->text())); }
};

} // namespace velmora
