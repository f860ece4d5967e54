#include "usernamespage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "displayband.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    return row == 0 ? QStringLiteral("Teść SMS") : QStringLiteral("Treść SMS");
}

} // namespace

TForm7::TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm7", QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU"), parent), iku_(std::move(iku)),
      errors_(errors)
{}

void TForm7::buildControls()
{
    band_ = new DisplayBand({"Label21", "Label22", "Edit10"}, this);
    auto* upper = makeBevel(this, "Bevel3");
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->addWidget(makeNameGroup(upper));
    upperLayout->addWidget(makeRemovalGroup(upper), 0, Qt::AlignTop);

    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band_, new BackButton(this, {"SpeedButton1", "Label25"}), makeLine(this, "Bevel4"),
                  makeLine(this, "Bevel5")});
}

QWidget* TForm7::makeNameGroup(QWidget* parent)
{
    QLabel* heading = makeHeading(parent, "Label1", QStringLiteral("Definiowanie nazw użytkowników"));
    auto* rows = new QWidget(parent);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t row = 0; row < kNamedUsers; ++row) {
        const int line = static_cast<int>(row);
        const NameRow& names = kNameRows[row];
        QLineEdit* edit = makeEdit(rows, names.edit);
        QPushButton* button = makeButton(rows, names.button, nameButtonCaption(row),
                                         QStringLiteral("punkt 6.3.1 Nadawanie nazw użytkowników"));
        addRow(grid, line, makeLabel(rows, names.label, QStringLiteral("Użytkownik nr %1").arg(row + 1)), edit, button,
               heading->text());
        new FieldGuard(edit, userNameRule(), errors_, [this] { NameEditChange(); });
        connect(button, &QPushButton::clicked, this, [this, row] { NameButtonClick(row); });
        nameEdits_[row] = edit;
    }
    return makeGroup(parent, "Bevel1", {heading, rows});
}

QWidget* TForm7::makeRemovalGroup(QWidget* parent)
{
    removalRow_ = CheckBoxRow::numberedRow(QStringLiteral("U"), 1,
                                           CheckBoxRow::numbered(QStringLiteral("Label"), 11, kNamedUsers),
                                           CheckBoxRow::Choice::AnyNumber, parent);
    Button10 = makeComposeButton(parent, "Button10", QStringLiteral("punkt 6.3.2. Usuwanie nazw użytkowników."));
    connect(removalRow_, &CheckBoxRow::boxToggled, this, &TForm7::CheckBoxClick);
    connect(Button10, &QPushButton::clicked, this, &TForm7::Button10Click);
    return makeGroup(
        parent, "Bevel2",
        {makeLabel(parent, "Label26", QStringLiteral("Kasowanie nazw użytkowników systemu")), removalRow_, Button10});
}

void TForm7::NameEditChange()
{
    band_->clear();
}

void TForm7::NameButtonClick(std::size_t row)
{
    band_->presentFresh(composeUserName(iku_(), row + 1, toUtf8(nameEdits_[row]->text())), errors_);
}

void TForm7::Button10Click()
{
    // Unlike the name buttons, this one keeps the band: a refusal leaves the last message in view.
    band_->setResultEnabled(true);
    band_->present(composeUserNameRemoval(iku_(), removalRow_->ticks()), errors_);
}

void TForm7::CheckBoxClick()
{
    band_->clear();
}

} // namespace velmora
