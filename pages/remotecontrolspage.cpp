#include "remotecontrolspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "displayband.h"
#include "remotecontrols.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

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

// A raised frame holding groups one under another.
QFrame* makeStack(QWidget* parent, const char* bevelName, std::initializer_list<QWidget*> groups)
{
    QFrame* stack = makeBevel(parent, bevelName);
    auto* layout = new QVBoxLayout(stack);
    for (QWidget* group : groups) {
        layout->addWidget(group);
    }
    return stack;
}

// A door module operation: its caption with its button beside it.
QWidget* makeButtonRow(QWidget* parent, QLabel* caption, QPushButton* button)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(button);
    layout->addStretch();
    nameOperation(button, caption->text());
    return row;
}

} // namespace

TForm8::TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm8", QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU"), parent), iku_(std::move(iku)),
      errors_(errors)
{}

void TForm8::buildControls()
{
    remotes_ = makeSlotRow(this, 1, QStringLiteral("P"), 2, CheckBoxRow::Choice::OneOfN);
    remoteRemoval_ = makeSlotRow(this, 21, QStringLiteral("P"), 17, CheckBoxRow::Choice::AnyNumber);
    keypadCodes_ = makeSlotRow(this, 11, QStringLiteral("K"), 27, CheckBoxRow::Choice::OneOfN);
    keypadCodeRemoval_ = makeSlotRow(this, 31, QStringLiteral("K"), 37, CheckBoxRow::Choice::AnyNumber);
    band_ = new DisplayBand({"Label47", "Label48", "Edit1"}, this);
    auto* button1 =
        makeComposeButton(this, "Button1", QStringLiteral("punkt 12.1.1 Indywidualne wpisywanie pilotów do systemu"));
    auto* button2 =
        makeComposeButton(this, "Button2", QStringLiteral("punkt 12.2.2. Grupowe wpisywanie pilotów do systemu"));
    auto* button3 = makeComposeButton(this, "Button3",
                                      QStringLiteral("punkt 7.4.1 Programowanie grupowe kodów klawiatury do systemu."));
    auto* button4 = makeComposeButton(this, "Button4", QStringLiteral("punkt 12.3. Usuwanie pilotów z systemu"));
    auto* button5 = makeComposeButton(
        this, "Button5", QStringLiteral("punkt 7.4.1  Programowanie indywidualne kodów klawiatury do systemu"));
    auto* button6 =
        makeComposeButton(this, "Button6", QStringLiteral("punkt 7.5. Usuwanie indywidualnych kodów użytkowników"));
    auto* button7 =
        makeComposeButton(this, "Button7", QStringLiteral("punkt 7.2. Wpisywanie modułu klawiatury do systemu"));
    auto* button8 =
        makeComposeButton(this, "Button8", QStringLiteral("punkt 7.3. Usuwanie modułu klawiatury z systemu"));

    auto* remoteGroups = makeStack(
        this, "Bevel5",
        {makeGroup(this, "Bevel3",
                   {makeLabel(this, "Label1", QStringLiteral("Indywidualne definiowanie pilotów do systemu")), remotes_,
                    button1}),
         makeGroup(this, "Bevel2",
                   {makeLabel(this, "Label12", QStringLiteral("Grupowe programowanie pilotów do systemu")), button2}),
         makeGroup(
             this, "Bevel4",
             {makeLabel(this, "Label15", QStringLiteral("Usuwanie pilotów z systemu")), remoteRemoval_, button4})});
    auto* keypadGroups = makeStack(
        this, "Bevel9",
        {makeGroup(this, "Bevel6",
                   {makeLabel(this, "Label13", QStringLiteral("Indywidualne programowanie kodów klawiatur do systemu")),
                    keypadCodes_, button5}),
         makeGroup(this, "Bevel7",
                   {makeLabel(this, "Label14", QStringLiteral("Grupowe programowanie kodów klawiatur ")),
                    makeLabel(this, "Label49", QStringLiteral("do systemu")), button3}),
         makeGroup(this, "Bevel8",
                   {makeLabel(this, "Label16", QStringLiteral("Usuwanie kodów klawiatur z systemu")),
                    keypadCodeRemoval_, button6})});
    auto* upperArea = makeStack(
        this, "Bevel1",
        {remoteGroups, keypadGroups,
         makeButtonRow(this, makeLabel(this, "Label52", QStringLiteral("Wprogramowanie modułu drzwi do systemu")),
                       button7),
         makeButtonRow(this, makeLabel(this, "Label53", QStringLiteral("Usunięcie modułu drzwi z systemu")), button8)});
    upperArea->setFrameShadow(QFrame::Sunken);

    auto* body = new QVBoxLayout;
    body->addWidget(upperArea);
    layOut(body, {band_, new BackButton(this, {"SpeedButton1", "Label50"}), makeLine(this, "Bevel10")});

    for (CheckBoxRow* row : {remotes_, remoteRemoval_, keypadCodes_, keypadCodeRemoval_}) {
        connect(row, &CheckBoxRow::boxToggled, this, &TForm8::CheckBoxClick);
    }
    connect(button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connect(button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    connect(button4, &QPushButton::clicked, this, &TForm8::Button4Click);
    connect(button5, &QPushButton::clicked, this, &TForm8::Button5Click);
    connect(button6, &QPushButton::clicked, this, &TForm8::Button6Click);
    connect(button7, &QPushButton::clicked, this, &TForm8::Button7Click);
    connect(button8, &QPushButton::clicked, this, &TForm8::Button8Click);
}

void TForm8::FormActivate()
{
    band_->setResultEnabled(false);
    band_->clear();
}

void TForm8::CheckBoxClick()
{
    band_->clear();
}

void TForm8::Button1Click()
{
    band_->presentFresh(composeRemote(iku_(), remotes_->ticks()), errors_);
}

void TForm8::Button2Click()
{
    band_->presentFresh(composeGroupRemotes(iku_()), errors_);
}

void TForm8::Button3Click()
{
    band_->presentFresh(composeGroupKeypadCodes(iku_()), errors_);
}

void TForm8::Button4Click()
{
    band_->presentFresh(composeRemoteRemoval(iku_(), remoteRemoval_->ticks()), errors_);
}

void TForm8::Button5Click()
{
    band_->presentFresh(composeKeypadCode(iku_(), keypadCodes_->ticks()), errors_);
}

void TForm8::Button6Click()
{
    band_->presentFresh(composeKeypadCodeRemoval(iku_(), keypadCodeRemoval_->ticks()), errors_);
}

void TForm8::Button7Click()
{
    band_->presentFresh(composeDoorModuleAdd(iku_()), errors_);
}

void TForm8::Button8Click()
{
    band_->presentFresh(composeDoorModuleRemoval(iku_()), errors_);
}

} // namespace velmora
