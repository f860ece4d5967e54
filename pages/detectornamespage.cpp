#include "detectornamespage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

namespace velmora {
namespace {

struct NameRow {
    const char* label;
    const char* field;
    const char* button;
};

// The controls were numbered as they were added, so the rows do not follow one sequence.
constexpr std::array<NameRow, kDetectorNameCount> kNameRows = {{
    {"Label2", "Edit1", "Button1"},
    {"Label3", "Edit2", "Button4"},
    {"Label4", "Edit3", "Button5"},
    {"Label5", "Edit4", "Button6"},
    {"Label6", "Edit5", "Button7"},
    {"Label7", "Edit6", "Button8"},
    {"Label9", "Edit7", "Button9"},
    {"Label8", "Edit8", "Button10"},
}};

constexpr int kNameFieldWidth = 640;

} // namespace

TForm5::TForm5(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm5", QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU"),
                    {"Label13", "Label14", "Edit12"}, std::move(iku), errors, parent, {890, 620})
{}

void TForm5::buildControls()
{
    auto* body = new QVBoxLayout;
    body->addWidget(makeNamesBand());
    body->addWidget(makeRemovalBand());
    body->addWidget(makeHeaderBand());
    layOut(body, {band(), makeLine(this, "Bevel2"), new BackButton(this, {"SpeedButton1", "Label15"}),
                  makeLine(this, "Bevel6")});
}

QFrame* TForm5::makeNamesBand()
{
    const HeadedGroup group =
        makeHeadedGroup(this, "Bevel3", makeHeading(this, "Label1", QStringLiteral("Definiowanie nazw czujek"), 16));
    const QStringList numbers = CheckBoxRow::numbered(QStringLiteral("C"), 1, kDetectorNameCount);
    for (int i = 0; i < kDetectorNameCount; ++i) {
        const NameRow& row = kNameRows[static_cast<std::size_t>(i)];
        QLineEdit* field = makeEdit(this, row.field);
        field->setMinimumWidth(kNameFieldWidth);
        guard(field, detectorNameRule());
        names_[static_cast<std::size_t>(i)] = field;
        addRow(group.rows, i, makeLabel(this, row.label, numbers[i]), field,
               operation({row.button, QStringLiteral("punkt 8.4.1. Nadawanie opisów czujek"),
                          handler(&TForm5::DetectorNameClick, i + 1)}),
               group.heading);
    }
    return group.frame;
}

QFrame* TForm5::makeRemovalBand()
{
    removal_ = CheckBoxRow::numberedRow(
        QStringLiteral("C"), 1,
        QStringList{QStringLiteral("Label10"), QStringLiteral("Label11"), QStringLiteral("Label16")} +
            CheckBoxRow::numbered(QStringLiteral("Label"), 18, 5),
        CheckBoxRow::Choice::AnyNumber, this);
    connect(removal_, &CheckBoxRow::boxToggled, this, &TForm5::CheckBoxClick);
    return makeGroup(this, "Bevel4",
                     {makeLabel(this, "Label17", QStringLiteral("Usuwanie nazw czujek z systemu")), removal_,
                      operation({"Button13", QStringLiteral("punkt 8.4.2 Usuwanie opisów czujek"),
                                 handler(&TForm5::Button13Click)})});
}

QFrame* TForm5::makeHeaderBand()
{
    Edit11 = makeEdit(this, "Edit11");
    Edit11->setMinimumWidth(kNameFieldWidth);
    guard(Edit11, headerRule());
    // The header always composes, so its press overwrites the whole band without emptying it first.
    return makeGroup(this, "Bevel1",
                     {makeLabel(this, "Label12", QStringLiteral("Definiowanie nagłówka komunikatów")), Edit11,
                      operation({"Button3", QStringLiteral("punkt 15.1. Definiowanie nagłówka komunikatów SMS"),
                                 handler(&TForm5::Button3Click), Presentation::OverBand})});
}

void TForm5::guard(QLineEdit* field, InputRule rule)
{
    new FieldGuard(field, std::move(rule), errors(), [this] { band()->clear(); });
}

void TForm5::FormActivate()
{
    band()->clear();
}

void TForm5::CheckBoxClick()
{
    band()->clear();
}

} // namespace velmora
