#include "detectorspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "detectors.h"
#include "frames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora {
namespace {

// The detector buttons leave the band as it was when they refuse; the siren buttons empty it first.
constexpr Presentation kDetectors = Presentation::OverBand;
constexpr Presentation kSirens = Presentation::Fresh;
constexpr CheckBoxRow::Choice kOneOfN = CheckBoxRow::Choice::OneOfN;
constexpr CheckBoxRow::Choice kAnyNumber = CheckBoxRow::Choice::AnyNumber;
// The slot numbers under the boxes: "C1" … for detectors, "S1" … for sirens.
constexpr char kDetector = 'C';
constexpr char kSiren = 'S';

QStringList labels(int first, int count)
{
    return CheckBoxRow::numbered(QStringLiteral("Label"), first, count);
}

} // namespace

TForm4::TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm4", QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU"),
                    {"Label24", "Label23", "Edit1"}, std::move(iku), errors, parent, {900, 570})
{}

// Button1Click … Button8Click: the detectors, their masks and the sirens, a column each.
void TForm4::buildControls()
{
    auto [upper, columns] = makeFramed<QHBoxLayout>(this, "Bevel4");
    columns->addLayout(makeColumn({
        makeHeading(this, "Label12", QStringLiteral("Programowanie i usuwanie  czujek do systemu")),
        makeTickGroup("Bevel2", {makeLabel(this, "Label1", QStringLiteral("Programowanie czujek do systemu"))},
                      makeRow(kDetector, 1, labels(3, 8), kOneOfN),
                      {"Button1", QStringLiteral("punkt 8.2. Wpisywanie czujek do systemu"), composeDetectorProgramming,
                       kDetectors}),
        makeTickGroup(
            "Bevel1", {makeLabel(this, "Label2", QStringLiteral("Usuwanie czujek z systemu"))},
            makeRow(kDetector, 11, labels(13, 8), kAnyNumber),
            {"Button2", QStringLiteral("punkt 8.3. Usuwanie czujek z systemu"), composeDetectorRemoval, kDetectors}),
    }));
    columns->addLayout(makeColumn({
        makeHeading(this, "Label21", QStringLiteral("Definiowanie masek czujek")),
        makeTickGroup(
            "Bevel3", {makeLabel(this, "Label36", QStringLiteral("Globalna maska czujek systemu"))},
            makeRow(kDetector, 21, labels(25, 8), kAnyNumber),
            {"Button3",
             QStringLiteral("punkt 9.1. Ustawienie czujek analizowanych przez system - Globalna Maska Czujek"),
             composeGlobalMask, kDetectors}),
        makeTickGroup("Bevel5", {makeLabel(this, "Label37", QStringLiteral("Maska czujek ze zwłoką"))},
                      makeRow(kDetector, 31, QStringList{QStringLiteral("Label35")} + labels(38, 7), kAnyNumber),
                      {"Button4", QStringLiteral("punkt 9.2.1. Czujki działające ze zwłoką czasową"),
                       composeDelayedMask, kDetectors}),
        makeTickGroup(
            "Bevel6",
            {makeLabel(this, "Label47", QStringLiteral("Maska czujek strefowa ")),
             makeLabel(this, "Label11", QStringLiteral("Uzbrojenie od wewnątrz"))},
            makeRow(kDetector, 41, labels(48, 8), kAnyNumber),
            {"Button5", QStringLiteral("punkt 9.2.2. Ustalenie czujek strefowych"), composeZoneMask, kDetectors}),
    }));
    columns->addLayout(makeColumn({
        makeHeading(this, "Label22", QStringLiteral("Programowanie i usuwanie syren w  systemu")),
        makeTickGroup(
            "Bevel9", {makeLabel(this, "Label33", QStringLiteral("Programowanie syren do systemu"))},
            makeRow(kSiren, 9, {QStringLiteral("Label46"), QStringLiteral("Label56")}, kOneOfN),
            {"Button6", QStringLiteral("11.1. Wpisywanie syren do systemu"), composeSirenProgramming, kSirens}),
        makeTickGroup(
            "Bevel10", {makeLabel(this, "Label34", QStringLiteral("Usuwanie syren z systemu"))},
            makeRow(kSiren, 19, {QStringLiteral("Label57"), QStringLiteral("Label60")}, kOneOfN),
            {"Button7", QStringLiteral("punkt 11.2. Usuwanie syren z systemu"), composeSirenRemoval, kSirens}),
        makeTickGroup("Bevel11", {makeLabel(this, "Label45", QStringLiteral("Definiowanie maski syren "))},
                      makeRow(kSiren, 29, {QStringLiteral("Label61"), QStringLiteral("Label62")}, kAnyNumber),
                      {"Button8", QStringLiteral("punkt 11.3. Ustawianie działania syren"), composeSirenMask, kSirens}),
    }));

    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band(), makeLine(this, "Bevel7"), new BackButton(this, {"SpeedButton2", "Label59"}),
                  makeLine(this, "Bevel8")});
}

// A row of boxes "CheckBox<firstBox>" onwards, the slot numbers under them; every tick outdates the shown command.
CheckBoxRow* TForm4::makeRow(char slot, int firstBox, const QStringList& labelNames, CheckBoxRow::Choice choice)
{
    CheckBoxRow* row = CheckBoxRow::numberedRow(QString(QLatin1Char(slot)), firstBox, labelNames, choice, this);
    connect(row, &CheckBoxRow::boxToggled, this, &TForm4::CheckBoxClick);
    return row;
}

// A group: its captions (the first names it for a screen reader), its row and its button.
QFrame* TForm4::makeTickGroup(const char* bevel, const QList<QWidget*>& captions, CheckBoxRow* row,
                              const TickOperation& operation)
{
    return makeGroup(this, bevel,
                     captions + QList<QWidget*>{row, this->operation({operation.button, operation.hint,
                                                                      [this, row, compose = operation.compose] {
                                                                          return compose(iku(), row->ticks());
                                                                      },
                                                                      operation.presentation})});
}

void TForm4::FormActivate()
{
    band()->clear();
    band()->setResultEnabled(false);
}

void TForm4::CheckBoxClick()
{
    band()->clear();
}

} // namespace velmora
