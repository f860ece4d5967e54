#include "smscentrepage.h"

#include "backbutton.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"
#include "radiogroup.h"
#include "smsoperator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {

TForm2::TForm2(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm2", QStringLiteral("DEFINIOWANIE CENTRUM SMS DLA  OPERATORA KARTY W URZĄDZENIU"),
                    {"Label1", "Label3", "Edit2"}, std::move(iku), errors, parent)
{}

void TForm2::buildControls()
{
    RadioGroup1 = new RadioGroup(QStringLiteral("Centrum SMS"), smsOperatorNames(), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    Edit1 = makeEdit(this, "Edit1");
    // A refusal empties the title and the prompt only; the result field is enabled last.
    Button1 = operation({"Button1", QStringLiteral("punkt 5. Programowanie danych operatora Centrum SMS."),
                         handler(&TForm2::Button1Click), Presentation::KeepingResultEnablingLast});
    setTextColour(Button1, kRed, QPalette::ButtonText);
    nameOperation(Button1, RadioGroup1->title());
    QLabel* heading = makeLabel(this, "Label4", QStringLiteral("Wybierz centrum SMS dla  danego operatora sieci"));
    heading->setBuddy(Edit1);

    auto [inner, grid] = makeFramed<QGridLayout>(this, "Bevel2");
    grid->addWidget(RadioGroup1, 0, 0, 3, 1);
    grid->addWidget(heading, 0, 1);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Button1, 2, 1, Qt::AlignLeft);

    auto* body = new QVBoxLayout;
    body->addWidget(makeStack(this, "Bevel1", {inner}));
    layOut(body, {band(), makeLine(this, "Bevel3"), new BackButton(this, {"SpeedButton3", "Label2"}),
                  makeLine(this, "Bevel4")});

    connect(RadioGroup1, &RadioGroup::itemSelected, this, &TForm2::RadioGroup1Click);
    new FieldGuard(Edit1, smsCentreNumberRule(), errors(), [this] { band()->clearResult(); });
}

void TForm2::FormActivate()
{
    RadioGroup1->setItemIndex(0);
    applySmsOperator(Edit1, 0);
    band()->setResultEnabled(false);
    band()->clearPrompt();
}

void TForm2::RadioGroup1Click(int index)
{
    band()->clearResult();
    band()->clearPrompt();
    applySmsOperator(Edit1, index);
}

} // namespace velmora
