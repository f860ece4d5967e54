#include "remotecontrolspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "frames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

// The unit's slots: remote controls P1 to P10, keypad codes K1 to K10.
constexpr int kSlots = 10;

// Ten boxes "CheckBox<firstBox>" ... with the slot labels "P1" ... "P10" (or "K...") named from
// "Label<firstLabel>" under them.
CheckBoxRow* makeSlotRow(QWidget* parent, int firstBox, const QString& slotStem, int firstLabel,
                         CheckBoxRow::Choice choice)
{
    return CheckBoxRow::numberedRow(slotStem, firstBox,
                                    CheckBoxRow::numbered(QStringLiteral("Label"), firstLabel, kSlots), choice, parent);
}

} // namespace

TForm8::TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm8", QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU"),
                    {"Label47", "Label48", "Edit1"}, std::move(iku), errors, parent)
{}

void TForm8::buildControls()
{
    remotes_ = makeSlotRow(this, 1, QStringLiteral("P"), 2, CheckBoxRow::Choice::OneOfN);
    remoteRemoval_ = makeSlotRow(this, 21, QStringLiteral("P"), 17, CheckBoxRow::Choice::AnyNumber);
    keypadCodes_ = makeSlotRow(this, 11, QStringLiteral("K"), 27, CheckBoxRow::Choice::OneOfN);
    keypadCodeRemoval_ = makeSlotRow(this, 31, QStringLiteral("K"), 37, CheckBoxRow::Choice::AnyNumber);
    for (CheckBoxRow* row : {remotes_, remoteRemoval_, keypadCodes_, keypadCodeRemoval_}) {
        connect(row, &CheckBoxRow::boxToggled, this, &TForm8::CheckBoxClick);
    }

    QFrame* upperArea =
        makeStack(this, "Bevel1",
                  {makeRemoteGroups(), makeKeypadGroups(),
                   makeDoorModuleRow("Label52", QStringLiteral("Wprogramowanie modułu drzwi do systemu"),
                                     {"Button7", QStringLiteral("punkt 7.2. Wpisywanie modułu klawiatury do systemu"),
                                      handler(&TForm8::Button7Click)}),
                   makeDoorModuleRow("Label53", QStringLiteral("Usunięcie modułu drzwi z systemu"),
                                     {"Button8", QStringLiteral("punkt 7.3. Usuwanie modułu klawiatury z systemu"),
                                      handler(&TForm8::Button8Click)})});
    upperArea->setFrameShadow(QFrame::Sunken);

    auto* body = new QVBoxLayout;
    body->addWidget(upperArea);
    layOut(body, {band(), new BackButton(this, {"SpeedButton1", "Label50"}), makeLine(this, "Bevel10")});
}

QFrame* TForm8::makeRemoteGroups()
{
    return makeStack(
        this, "Bevel5",
        {makeGroup(this, "Bevel3",
                   {makeLabel(this, "Label1", QStringLiteral("Indywidualne definiowanie pilotów do systemu")), remotes_,
                    operation({"Button1", QStringLiteral("punkt 12.1.1 Indywidualne wpisywanie pilotów do systemu"),
                               handler(&TForm8::Button1Click)})}),
         makeGroup(this, "Bevel2",
                   {makeLabel(this, "Label12", QStringLiteral("Grupowe programowanie pilotów do systemu")),
                    operation({"Button2", QStringLiteral("punkt 12.2.2. Grupowe wpisywanie pilotów do systemu"),
                               handler(&TForm8::Button2Click)})}),
         makeGroup(this, "Bevel4",
                   {makeLabel(this, "Label15", QStringLiteral("Usuwanie pilotów z systemu")), remoteRemoval_,
                    operation({"Button4", QStringLiteral("punkt 12.3. Usuwanie pilotów z systemu"),
                               handler(&TForm8::Button4Click)})})});
}

QFrame* TForm8::makeKeypadGroups()
{
    return makeStack(
        this, "Bevel9",
        {makeGroup(this, "Bevel6",
                   {makeLabel(this, "Label13", QStringLiteral("Indywidualne programowanie kodów klawiatur do systemu")),
                    keypadCodes_,
                    operation({"Button5",
                               QStringLiteral("punkt 7.4.1  Programowanie indywidualne kodów klawiatury do systemu"),
                               handler(&TForm8::Button5Click)})}),
         makeGroup(
             this, "Bevel7",
             {makeLabel(this, "Label14", QStringLiteral("Grupowe programowanie kodów klawiatur ")),
              makeLabel(this, "Label49", QStringLiteral("do systemu")),
              operation({"Button3", QStringLiteral("punkt 7.4.1 Programowanie grupowe kodów klawiatury do systemu."),
                         handler(&TForm8::Button3Click)})}),
         makeGroup(this, "Bevel8",
                   {makeLabel(this, "Label16", QStringLiteral("Usuwanie kodów klawiatur z systemu")),
                    keypadCodeRemoval_,
                    operation({"Button6", QStringLiteral("punkt 7.5. Usuwanie indywidualnych kodów użytkowników"),
                               handler(&TForm8::Button6Click)})})});
}

// A door module operation: its caption with its button beside it.
QWidget* TForm8::makeDoorModuleRow(const char* labelName, const QString& caption, Operation operation)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* button = this->operation(std::move(operation));
    layout->addWidget(makeLabel(this, labelName, caption));
    layout->addWidget(button);
    layout->addStretch();
    nameOperation(button, caption);
    return row;
}

void TForm8::FormActivate()
{
    band()->setResultEnabled(false);
    band()->clear();
}

void TForm8::CheckBoxClick()
{
    band()->clear();
}

} // namespace velmora
