#include "detectorspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "detectors.h"
#include "displayband.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

using Choice = CheckBoxRow::Choice;

CheckBoxRow* makeDetectorRow(QWidget* parent, int firstBox, const QStringList& labelNames, Choice choice)
{
    return CheckBoxRow::numberedRow(QStringLiteral("C"), firstBox, labelNames, choice, parent);
}

CheckBoxRow* makeSirenRow(QWidget* parent, int firstBox, const QStringList& labelNames, Choice choice)
{
    return CheckBoxRow::numberedRow(QStringLiteral("S"), firstBox, labelNames, choice, parent);
}

QVBoxLayout* makeColumn(QLabel* heading, std::initializer_list<QWidget*> groups)
{
    auto* column = new QVBoxLayout;
    column->addWidget(heading);
    for (QWidget* group : groups) {
        column->addWidget(group);
    }
    column->addStretch();
    return column;
}

} // namespace

TForm4::TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm4", QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU"), parent, {900, 570}),
      iku_(std::move(iku)), errors_(errors)
{}

void TForm4::buildControls()
{
    detectorProgramming_ =
        makeDetectorRow(this, 1, CheckBoxRow::numbered(QStringLiteral("Label"), 3, 8), Choice::OneOfN);
    detectorRemoval_ =
        makeDetectorRow(this, 11, CheckBoxRow::numbered(QStringLiteral("Label"), 13, 8), Choice::AnyNumber);
    globalMask_ = makeDetectorRow(this, 21, CheckBoxRow::numbered(QStringLiteral("Label"), 25, 8), Choice::AnyNumber);
    delayedMask_ = makeDetectorRow(
        this, 31, QStringList{QStringLiteral("Label35")} + CheckBoxRow::numbered(QStringLiteral("Label"), 38, 7),
        Choice::AnyNumber);
    zoneMask_ = makeDetectorRow(this, 41, CheckBoxRow::numbered(QStringLiteral("Label"), 48, 8), Choice::AnyNumber);
    sirenProgramming_ = makeSirenRow(this, 9, {QStringLiteral("Label46"), QStringLiteral("Label56")}, Choice::OneOfN);
    sirenRemoval_ = makeSirenRow(this, 19, {QStringLiteral("Label57"), QStringLiteral("Label60")}, Choice::OneOfN);
    sirenMask_ = makeSirenRow(this, 29, {QStringLiteral("Label61"), QStringLiteral("Label62")}, Choice::AnyNumber);
    band_ = new DisplayBand({"Label24", "Label23", "Edit1"}, this);
    for (CheckBoxRow* row : {detectorProgramming_, detectorRemoval_, globalMask_, delayedMask_, zoneMask_,
                             sirenProgramming_, sirenRemoval_, sirenMask_}) {
        connect(row, &CheckBoxRow::boxToggled, this, &TForm4::CheckBoxClick);
    }

    QVBoxLayout* detectors = makeColumn(
        makeHeading(this, "Label12", QStringLiteral("Programowanie i usuwanie  czujek do systemu")),
        {makeGroup(this, "Bevel2",
                   {makeLabel(this, "Label1", QStringLiteral("Programowanie czujek do systemu")), detectorProgramming_,
                    composeButton("Button1", QStringLiteral("punkt 8.2. Wpisywanie czujek do systemu"),
                                  &TForm4::Button1Click)}),
         makeGroup(this, "Bevel1",
                   {makeLabel(this, "Label2", QStringLiteral("Usuwanie czujek z systemu")), detectorRemoval_,
                    composeButton("Button2", QStringLiteral("punkt 8.3. Usuwanie czujek z systemu"),
                                  &TForm4::Button2Click)})});

    QVBoxLayout* masks = makeColumn(
        makeHeading(this, "Label21", QStringLiteral("Definiowanie masek czujek")),
        {makeGroup(this, "Bevel3",
                   {makeLabel(this, "Label36", QStringLiteral("Globalna maska czujek systemu")), globalMask_,
                    composeButton("Button3",
                                  QStringLiteral("punkt 9.1. Ustawienie czujek analizowanych przez system - Globalna "
                                                 "Maska Czujek"),
                                  &TForm4::Button3Click)}),
         makeGroup(this, "Bevel5",
                   {makeLabel(this, "Label37", QStringLiteral("Maska czujek ze zwłoką")), delayedMask_,
                    composeButton("Button4", QStringLiteral("punkt 9.2.1. Czujki działające ze zwłoką czasową"),
                                  &TForm4::Button4Click)}),
         makeGroup(this, "Bevel6",
                   {makeLabel(this, "Label47", QStringLiteral("Maska czujek strefowa ")),
                    makeLabel(this, "Label11", QStringLiteral("Uzbrojenie od wewnątrz")), zoneMask_,
                    composeButton("Button5", QStringLiteral("punkt 9.2.2. Ustalenie czujek strefowych"),
                                  &TForm4::Button5Click)})});

    QVBoxLayout* sirens = makeColumn(
        makeHeading(this, "Label22", QStringLiteral("Programowanie i usuwanie syren w  systemu")),
        {makeGroup(
             this, "Bevel9",
             {makeLabel(this, "Label33", QStringLiteral("Programowanie syren do systemu")), sirenProgramming_,
              composeButton("Button6", QStringLiteral("11.1. Wpisywanie syren do systemu"), &TForm4::Button6Click)}),
         makeGroup(
             this, "Bevel10",
             {makeLabel(this, "Label34", QStringLiteral("Usuwanie syren z systemu")), sirenRemoval_,
              composeButton("Button7", QStringLiteral("punkt 11.2. Usuwanie syren z systemu"), &TForm4::Button7Click)}),
         makeGroup(this, "Bevel11",
                   {makeLabel(this, "Label45", QStringLiteral("Definiowanie maski syren ")), sirenMask_,
                    composeButton("Button8", QStringLiteral("punkt 11.3. Ustawianie działania syren"),
                                  &TForm4::Button8Click)})});

    QFrame* upper = makeBevel(this, "Bevel4");
    auto* columns = new QHBoxLayout(upper);
    columns->addLayout(detectors);
    columns->addLayout(masks);
    columns->addLayout(sirens);

    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band_, makeLine(this, "Bevel7"), new BackButton(this, {"SpeedButton2", "Label59"}),
                  makeLine(this, "Bevel8")});
}

QPushButton* TForm4::composeButton(const char* name, const QString& hint, void (TForm4::*handler)())
{
    QPushButton* button = makeComposeButton(this, name, hint);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TForm4::FormActivate()
{
    band_->clear();
    band_->setResultEnabled(false);
}

void TForm4::CheckBoxClick()
{
    band_->clear();
}

void TForm4::presentOverBand(const Outcome& outcome)
{
    band_->setResultEnabled(true);
    band_->present(outcome, errors_);
}

void TForm4::Button1Click()
{
    presentOverBand(composeDetectorProgramming(iku_(), detectorProgramming_->ticks()));
}

void TForm4::Button2Click()
{
    presentOverBand(composeDetectorRemoval(iku_(), detectorRemoval_->ticks()));
}

void TForm4::Button3Click()
{
    presentOverBand(composeGlobalMask(iku_(), globalMask_->ticks()));
}

void TForm4::Button4Click()
{
    presentOverBand(composeDelayedMask(iku_(), delayedMask_->ticks()));
}

void TForm4::Button5Click()
{
    presentOverBand(composeZoneMask(iku_(), zoneMask_->ticks()));
}

void TForm4::Button6Click()
{
    band_->presentFresh(composeSirenProgramming(iku_(), sirenProgramming_->ticks()), errors_);
}

void TForm4::Button7Click()
{
    band_->presentFresh(composeSirenRemoval(iku_(), sirenRemoval_->ticks()), errors_);
}

void TForm4::Button8Click()
{
    band_->presentFresh(composeSirenMask(iku_(), sirenMask_->ticks()), errors_);
}

} // namespace velmora
