#include "usernamespage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

namespace velmora {
namespace {

// The controls of one user's row; user 10's carry the numbers left over by the rest of the page.
struct NameRow {
    const char* label;
    const char* edit;
    const char* button;
};

constexpr std::array<NameRow, kNamedUsers> kNameRows = {{
    {"Label2", "Edit1", "Button1"},
    {"Label3", "Edit2", "Button2"},
    {"Label4", "Edit3", "Button3"},
    {"Label5", "Edit4", "Button4"},
    {"Label6", "Edit5", "Button5"},
    {"Label7", "Edit6", "Button6"},
    {"Label8", "Edit7", "Button7"},
    {"Label9", "Edit8", "Button8"},
    {"Label10", "Edit9", "Button9"},
    {"Label23", "Edit11", "Button11"},
}};

QString nameButtonCaption(std::size_t row)
{
    // The first caption lacks its "r": installers know the page by it.
    return row == 0 ? QStringLiteral("Teść SMS") : QString();
}

} // namespace

TForm7::TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm7", QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU"),
                    {"Label21", "Label22", "Edit10"}, std::move(iku), errors, parent)
{}

void TForm7::buildControls()
{
    auto [upper, upperLayout] = makeFramed<QHBoxLayout>(this, "Bevel3");
    upperLayout->addWidget(makeNameGroup());
    upperLayout->addWidget(makeRemovalGroup(), 0, Qt::AlignTop);

    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band(), new BackButton(this, {"SpeedButton1", "Label25"}), makeLine(this, "Bevel4"),
                  makeLine(this, "Bevel5")});
}

QWidget* TForm7::makeNameGroup()
{
    QLabel* heading = makeHeading(this, "Label1", QStringLiteral("Definiowanie nazw użytkowników"));
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t row = 0; row < kNamedUsers; ++row) {
        const NameRow& names = kNameRows[row];
        QLineEdit* edit = makeEdit(rows, names.edit);
        new FieldGuard(edit, userNameRule(), errors(), [this] { NameEditChange(); });
        nameEdits_[row] = edit;
        addRow(grid, static_cast<int>(row),
               makeLabel(rows, names.label, QStringLiteral("Użytkownik nr %1").arg(row + 1)), edit,
               operation({names.button, QStringLiteral("punkt 6.3.1 Nadawanie nazw użytkowników"),
                          handler(&TForm7::NameButtonClick, row), Presentation::Fresh, nameButtonCaption(row)}),
               heading->text());
    }
    return makeGroup(this, "Bevel1", {heading, rows});
}

QWidget* TForm7::makeRemovalGroup()
{
    removalRow_ = CheckBoxRow::numberedRow(QStringLiteral("U"), 1,
                                           CheckBoxRow::numbered(QStringLiteral("Label"), 11, kNamedUsers),
                                           CheckBoxRow::Choice::AnyNumber, this);
    connect(removalRow_, &CheckBoxRow::boxToggled, this, &TForm7::CheckBoxClick);
    // Unlike the name buttons, Button10 keeps the band: a refusal leaves the last message in view.
    Button10 = operation({"Button10", QStringLiteral("punkt 6.3.2. Usuwanie nazw użytkowników."),
                          handler(&TForm7::Button10Click), Presentation::OverBand});
    return makeGroup(
        this, "Bevel2",
        {makeLabel(this, "Label26", QStringLiteral("Kasowanie nazw użytkowników systemu")), removalRow_, Button10});
}

void TForm7::NameEditChange()
{
    band()->clear();
}

void TForm7::CheckBoxClick()
{
    band()->clear();
}

} // namespace velmora
