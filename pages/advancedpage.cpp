#include "advancedpage.h"

#include "backbutton.h"
#include "controls.h"
#include "errorbox.h"
#include "frames.h"
#include "ikucode.h"
#include "ikufield.h"
#include "text.h"
#include "unitsbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TForm12::TForm12(ErrorBox& errors, const Targets& targets, CommandHandoff* handoff, UnitsHandoff* units,
                 QWidget* parent)
    : Page("TForm12", QStringLiteral("ZAAWANSOWANE KONFIGUROWANIE SYSTEMU"), parent, {617, 548}), errors_(errors),
      targets_(targets), handoff_(handoff), units_(units)
{}

void TForm12::buildControls()
{
    auto* layout = new QVBoxLayout;
    auto* iku = new IkuField({"Edit1", "Label1", "Label2"}, {16, 13}, IkuField::Request::OneLine, errors_, this);
    Edit1 = iku->field();
    layout->addWidget(iku);

    layout->addWidget(makeLine(this, nullptr));

    const QString refusal = toQString(kIkuLengthMessage);
    const std::vector<Entry> entries = {
        {"SpeedButton3", {QStringLiteral("Definiowanie Centrum SMS")}, targets_.smsCentre, refusal},
        {"SpeedButton4",
         {QStringLiteral("Definiowanie usuwanie numerów  użytkowników "),
          QStringLiteral("Definiowanie maski SMS i RING")},
         targets_.userNumbers,
         refusal},
        {"SpeedButton8",
         {QStringLiteral("Programowanie do systemu pilotów i"), QStringLiteral("kodów  klawiatur oraz modułu drzwi")},
         targets_.remoteControls,
         QStringLiteral("Kod IKU powinien zawierac cztery cyfry")},
        {"SpeedButton5",
         {QStringLiteral("Programowanie do systemu czujek i syren"),
          QStringLiteral("Definiowanie masek czujek i syren")},
         targets_.detectors,
         refusal},
        {"SpeedButton6",
         {QStringLiteral("Definiowanie nazw czujek"), QStringLiteral("Definiowanie nagłówka komunikatu")},
         targets_.detectorNames,
         refusal},
        {"SpeedButton7", {QStringLiteral("Definiowanie nazw użytkowników")}, targets_.userNames, refusal},
        {"SpeedButton9", {QStringLiteral("Definiowanie SMS i CLIP testowego ")}, targets_.testMessages, refusal},
        {"SpeedButton10", {QStringLiteral("Definiowanie pozostałych parametrów")}, targets_.parameters, refusal},
    };
    for (const Entry& entry : entries) {
        layout->addWidget(makeEntry(entry));
    }
    layout->addLayout(makeUnitsRow(this, handoff_, units_, Edit1));

    layout->addStretch();
    layOut(layout,
           {makeLine(this, nullptr), new BackButton(this, {"SpeedButton1", "Label4"}, QStringLiteral("Wstecz"), 41)});
}

std::string TForm12::ikuCode() const
{
    // Until the page is first shown its field does not exist, and no code has been typed.
    return Edit1 != nullptr ? toUtf8(Edit1->text()) : std::string();
}

QWidget* TForm12::makeEntry(const Entry& entry)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* button = new QPushButton(row);
    button->setObjectName(QLatin1String(entry.button));
    button->setFixedSize(49, 33);
    button->setAutoDefault(false);
    layout->addWidget(button);
    // A blank button: a screen reader names it after the lines beside it.
    button->setAccessibleName(entry.lines.join(QLatin1Char(' ')).simplified());
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    for (const QString& line : entry.lines) {
        lines->addWidget(makeLabel(row, nullptr, line));
    }
    layout->addLayout(lines);
    layout->addStretch();
    connect(button, &QPushButton::clicked, this, [this, entry] { SpeedButtonClick(entry); });
    return row;
}

void TForm12::SpeedButtonClick(const Entry& entry)
{
    if (!isCompleteIku(ikuCode())) {
        errors_.report(entry.refusal);
        return;
    }
    if (entry.page != nullptr) {
        entry.page->showModally();
    }
}

} // namespace velmora
