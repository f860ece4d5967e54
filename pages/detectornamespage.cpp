#include "detectornamespage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "displayband.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "text.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    : Page("TForm5", QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU"), parent, {890, 620}),
      iku_(std::move(iku)), errors_(errors)
{}

void TForm5::buildControls()
{
    band_ = new DisplayBand({"Label13", "Label14", "Edit12"}, this);
    auto* body = new QVBoxLayout;
    body->addWidget(makeNamesBand());
    body->addWidget(makeRemovalBand());
    body->addWidget(makeHeaderBand());
    layOut(body, {band_, makeLine(this, "Bevel2"), new BackButton(this, {"SpeedButton1", "Label15"}),
                  makeLine(this, "Bevel6")});
}

QFrame* TForm5::makeNamesBand()
{
    QFrame* band = makeBevel(this, "Bevel3");
    auto* layout = new QVBoxLayout(band);
    QLabel* heading = makeHeading(band, "Label1", QStringLiteral("Definiowanie nazw czujek"), 16);
    layout->addWidget(heading);
    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    const QStringList numbers = CheckBoxRow::numbered(QStringLiteral("C"), 1, kDetectorNameCount);
    for (int i = 0; i < kDetectorNameCount; ++i) {
        const NameRow& row = kNameRows[static_cast<std::size_t>(i)];
        QLineEdit* field = makeEdit(band, row.field);
        field->setMinimumWidth(kNameFieldWidth);
        QPushButton* button =
            makeComposeButton(band, row.button, QStringLiteral("punkt 8.4.1. Nadawanie opisów czujek"));
        addRow(rows, i, makeLabel(band, row.label, numbers[i]), field, button, heading->text());
        names_[static_cast<std::size_t>(i)] = field;
        guard(field, detectorNameRule());
        connect(button, &QPushButton::clicked, this, [this, i] { DetectorNameClick(i + 1); });
    }
    return band;
}

QFrame* TForm5::makeRemovalBand()
{
    removal_ = CheckBoxRow::numberedRow(
        QStringLiteral("C"), 1,
        QStringList{QStringLiteral("Label10"), QStringLiteral("Label11"), QStringLiteral("Label16")} +
            CheckBoxRow::numbered(QStringLiteral("Label"), 18, 5),
        CheckBoxRow::Choice::AnyNumber, this);
    QPushButton* button = makeComposeButton(this, "Button13", QStringLiteral("punkt 8.4.2 Usuwanie opisów czujek"));
    connect(removal_, &CheckBoxRow::boxToggled, this, &TForm5::CheckBoxClick);
    connect(button, &QPushButton::clicked, this, &TForm5::Button13Click);
    return makeGroup(this, "Bevel4",
                     {makeLabel(this, "Label17", QStringLiteral("Usuwanie nazw czujek z systemu")), removal_, button});
}

QFrame* TForm5::makeHeaderBand()
{
    Edit11 = makeEdit(this, "Edit11");
    Edit11->setMinimumWidth(kNameFieldWidth);
    QPushButton* button =
        makeComposeButton(this, "Button3", QStringLiteral("punkt 15.1. Definiowanie nagłówka komunikatów SMS"));
    guard(Edit11, headerRule());
    connect(button, &QPushButton::clicked, this, &TForm5::Button3Click);
    return makeGroup(this, "Bevel1",
                     {makeLabel(this, "Label12", QStringLiteral("Definiowanie nagłówka komunikatów")), Edit11, button});
}

void TForm5::guard(QLineEdit* field, InputRule rule)
{
    new FieldGuard(field, std::move(rule), errors_, [this] { band_->clear(); });
}

void TForm5::FormActivate()
{
    band_->clear();
}

void TForm5::DetectorNameClick(int detector)
{
    const QLineEdit* field = names_[static_cast<std::size_t>(detector - 1)];
    band_->presentFresh(composeDetectorName(iku_(), detector, toUtf8(field->text())), errors_);
}

void TForm5::Button13Click()
{
    band_->presentFresh(composeNameRemoval(iku_(), removal_->ticks()), errors_);
}

void TForm5::Button3Click()
{
    // The header always composes, so its press overwrites the whole band without emptying it first.
    band_->setResultEnabled(true);
    band_->present(composeHeader(iku_(), toUtf8(Edit11->text())), errors_);
}

void TForm5::CheckBoxClick()
{
    band_->clear();
}

} // namespace velmora
