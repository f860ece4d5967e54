#include "smscentrepage.h"

#include "backbutton.h"
#include "controls.h"
#include "displayband.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "radiogroup.h"
#include "smscentre.h"
#include "smsoperator.h"
#include "text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TForm2::TForm2(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm2", QStringLiteral("DEFINIOWANIE CENTRUM SMS DLA  OPERATORA KARTY W URZĄDZENIU"), parent),
      iku_(std::move(iku)), errors_(errors)
{}

void TForm2::buildControls()
{
    auto* group = makeBevel(this, "Bevel1");
    auto* inner = makeBevel(group, "Bevel2");
    RadioGroup1 = new RadioGroup(QStringLiteral("Centrum SMS"), smsOperatorNames(), inner);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    Edit1 = makeEdit(inner, "Edit1");
    Button1 =
        makeComposeButton(inner, "Button1", QStringLiteral("punkt 5. Programowanie danych operatora Centrum SMS."));
    setTextColour(Button1, kRed, QPalette::ButtonText);
    nameOperation(Button1, RadioGroup1->title());
    band_ = new DisplayBand({"Label1", "Label3", "Edit2"}, this);

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(inner);
    auto* grid = new QGridLayout(inner);
    grid->addWidget(RadioGroup1, 0, 0, 3, 1);
    QLabel* heading = makeLabel(inner, "Label4", QStringLiteral("Wybierz centrum SMS dla  danego operatora sieci"));
    heading->setBuddy(Edit1);
    grid->addWidget(heading, 0, 1);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Button1, 2, 1, Qt::AlignLeft);

    auto* body = new QVBoxLayout;
    body->addWidget(group);
    layOut(body, {band_, makeLine(this, "Bevel3"), new BackButton(this, {"SpeedButton3", "Label2"}),
                  makeLine(this, "Bevel4")});

    connect(RadioGroup1, &RadioGroup::itemSelected, this, &TForm2::RadioGroup1Click);
    new FieldGuard(Edit1, smsCentreNumberRule(), errors_, [this] { band_->clearResult(); });
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::FormActivate()
{
    RadioGroup1->setItemIndex(0);
    applySmsOperator(Edit1, 0);
    band_->setResultEnabled(false);
    band_->clearPrompt();
}

void TForm2::RadioGroup1Click(int index)
{
    band_->clearResult();
    band_->clearPrompt();
    applySmsOperator(Edit1, index);
}

void TForm2::Button1Click()
{
    const Outcome outcome = composeSmsCentre(iku_(), toUtf8(Edit1->text()));
    if (!outcome.command) {
        band_->clearPrompt();
        band_->clearTitle();
    }
    band_->present(outcome, errors_);
    band_->setResultEnabled(true);
}

} // namespace velmora
