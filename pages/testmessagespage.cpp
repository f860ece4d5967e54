#include "testmessagespage.h"

#include "backbutton.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kNarrowEditWidth = 40;

QString smsHint()
{
    return QStringLiteral("punkt 17.1 Test działania systemu za pomocą SMS");
}

QString clipHint()
{
    return QStringLiteral("punkt 17.2 Test działania systemu za pomocą CLIP");
}

QLineEdit* makeNarrowEdit(QWidget* parent, const char* name)
{
    QLineEdit* edit = makeEdit(parent, name);
    edit->setFixedWidth(kNarrowEditWidth);
    return edit;
}

} // namespace

Tform11::Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("Tform11", QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO"),
                    {"Label7", "Label8", "Edit6"}, std::move(iku), errors, parent)
{}

void Tform11::buildControls()
{
    Edit1 = makeNarrowEdit(this, "Edit1");
    Edit2 = makeEdit(this, "Edit2");
    Edit3 = makeEdit(this, "Edit3");
    Edit4 = makeNarrowEdit(this, "Edit4");
    Edit5 = makeNarrowEdit(this, "Edit5");
    Button1 = operation({"Button1", smsHint(), handler(&Tform11::Button1Click)});
    Button2 = operation({"Button2", clipHint(), handler(&Tform11::Button2Click)});
    Button3 = operation({"Button3", smsHint(), handler(&Tform11::Button3Click)});
    Button4 = operation({"Button4", clipHint(), handler(&Tform11::Button4Click)});
    setTextColour(Button3, kRed, QPalette::ButtonText);

    QFrame* upper = makeStack(this, "Bevel1", {testSmsGroup(this), testClipGroup(this), deactivationRows(this)});
    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band(), new BackButton(this, {"SpeedButton1", "Label12"})});

    guardFields();
}

QWidget* Tform11::testSmsGroup(QWidget* parent)
{
    const HeadedGroup group = makeHeadedGroup(
        parent, "Bevel2", makeLabel(parent, "Label1", QStringLiteral("Aktywacja wysylania SMS testowego")));
    addRow(group.rows, 0, makeLabel(group.frame, "Label2", QStringLiteral("Index użytkownika(1..5)")), Edit1);
    addRow(group.rows, 1, makeLabel(group.frame, "Label3", QStringLiteral("Okres wysylania SMS")), Edit2);
    QLabel* textLabel = makeLabel(group.frame, "Label4", QStringLiteral("Treść wiadomości testowej"));
    textLabel->setBuddy(Edit3);
    group.rows->addWidget(textLabel, 2, 0, 1, 3);
    group.rows->addWidget(Edit3, 3, 0, 1, 2);
    group.addButton(Button1, 3);
    return group.frame;
}

QWidget* Tform11::testClipGroup(QWidget* parent)
{
    const HeadedGroup group = makeHeadedGroup(
        parent, "Bevel3", makeLabel(parent, "Label11", QStringLiteral("Aktywacja wysyłania CLIP testowego")));
    addRow(group.rows, 0, makeLabel(group.frame, "Label5", QStringLiteral("Index użytkownika(1..5)")), Edit4);
    addRow(group.rows, 1, makeLabel(group.frame, "Label6", QStringLiteral("Okres wysylania CLIP")), Edit5);
    group.addButton(Button2, 1);
    return group.frame;
}

QWidget* Tform11::deactivationRows(QWidget* parent)
{
    auto* rows = new QWidget(parent);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    addRow(grid, 0, makeLabel(rows, "Label9", QStringLiteral("Dezaktywacja opcji wysylania SMS testowego")), nullptr,
           Button3);
    addRow(grid, 1, makeLabel(rows, "Label10", QStringLiteral("Dezaktywacja opcji wysylania CLIP testowego")), nullptr,
           Button4);
    return rows;
}

// Every change empties the whole band before the field's rule runs, so a shown message matches the fields.
void Tform11::guardFields()
{
    const auto clearBand = [this] { band()->clear(); };
    new FieldGuard(Edit1, testUserIndexRule(), errors(), clearBand);
    new FieldGuard(Edit2, testSmsPeriodRule(), errors(), clearBand);
    new FieldGuard(Edit3, testTextRule(), errors(), clearBand);
    new FieldGuard(Edit4, testUserIndexRule(), errors(), clearBand);
    new FieldGuard(Edit5, testClipPeriodRule(), errors(), clearBand);
}

} // namespace velmora
