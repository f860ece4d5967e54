#include "detectorspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
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

void TForm4::buildControls()
{
    detectorProgramming_ = makeRow(kDetector, 1, labels(3, 8), kOneOfN);
    detectorRemoval_ = makeRow(kDetector, 11, labels(13, 8), kAnyNumber);
    globalMask_ = makeRow(kDetector, 21, labels(25, 8), kAnyNumber);
    delayedMask_ = makeRow(kDetector, 31, QStringList{QStringLiteral("Label35")} + labels(38, 7), kAnyNumber);
    zoneMask_ = makeRow(kDetector, 41, labels(48, 8), kAnyNumber);
    sirenProgramming_ = makeRow(kSiren, 9, {QStringLiteral("Label46"), QStringLiteral("Label56")}, kOneOfN);
    sirenRemoval_ = makeRow(kSiren, 19, {QStringLiteral("Label57"), QStringLiteral("Label60")}, kOneOfN);
    sirenMask_ = makeRow(kSiren, 29, {QStringLiteral("Label61"), QStringLiteral("Label62")}, kAnyNumber);

    auto [upper, columns] = makeFramed<QHBoxLayout>(this, "Bevel4");
    columns->addLayout(makeColumn({
        makeHeading(this, "Label12", QStringLiteral("Programowanie i usuwanie  czujek do systemu")),
        makeGroup(this, "Bevel2",
                  {makeLabel(this, "Label1", QStringLiteral("Programowanie czujek do systemu")), detectorProgramming_,
                   operation({"Button1", QStringLiteral("punkt 8.2. Wpisywanie czujek do systemu"),
                              handler(&TForm4::Button1Click), kDetectors})}),
        makeGroup(this, "Bevel1",
                  {makeLabel(this, "Label2", QStringLiteral("Usuwanie czujek z systemu")), detectorRemoval_,
                   operation({"Button2", QStringLiteral("punkt 8.3. Usuwanie czujek z systemu"),
                              handler(&TForm4::Button2Click), kDetectors})}),
    }));
    columns->addLayout(makeColumn({
        makeHeading(this, "Label21", QStringLiteral("Definiowanie masek czujek")),
        makeGroup(this, "Bevel3",
                  {makeLabel(this, "Label36", QStringLiteral("Globalna maska czujek systemu")), globalMask_,
                   operation({"Button3",
                              QStringLiteral(
                                  "punkt 9.1. Ustawienie czujek analizowanych przez system - Globalna Maska Czujek"),
                              handler(&TForm4::Button3Click), kDetectors})}),
        makeGroup(this, "Bevel5",
                  {makeLabel(this, "Label37", QStringLiteral("Maska czujek ze zwłoką")), delayedMask_,
                   operation({"Button4", QStringLiteral("punkt 9.2.1. Czujki działające ze zwłoką czasową"),
                              handler(&TForm4::Button4Click), kDetectors})}),
        makeGroup(this, "Bevel6",
                  {makeLabel(this, "Label47", QStringLiteral("Maska czujek strefowa ")),
                   makeLabel(this, "Label11", QStringLiteral("Uzbrojenie od wewnątrz")), zoneMask_,
                   operation({"Button5", QStringLiteral("punkt 9.2.2. Ustalenie czujek strefowych"),
                              handler(&TForm4::Button5Click), kDetectors})}),
    }));
    columns->addLayout(makeColumn({
        makeHeading(this, "Label22", QStringLiteral("Programowanie i usuwanie syren w  systemu")),
        makeGroup(this, "Bevel9",
                  {makeLabel(this, "Label33", QStringLiteral("Programowanie syren do systemu")), sirenProgramming_,
                   operation({"Button6", QStringLiteral("11.1. Wpisywanie syren do systemu"),
                              handler(&TForm4::Button6Click), kSirens})}),
        makeGroup(this, "Bevel10",
                  {makeLabel(this, "Label34", QStringLiteral("Usuwanie syren z systemu")), sirenRemoval_,
                   operation({"Button7", QStringLiteral("punkt 11.2. Usuwanie syren z systemu"),
                              handler(&TForm4::Button7Click), kSirens})}),
        makeGroup(this, "Bevel11",
                  {makeLabel(this, "Label45", QStringLiteral("Definiowanie maski syren ")), sirenMask_,
                   operation({"Button8", QStringLiteral("punkt 11.3. Ustawianie działania syren"),
                              handler(&TForm4::Button8Click), kSirens})}),
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
