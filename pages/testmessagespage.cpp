#include "testmessagespage.h"

#include "backbutton.h"
#include "controls.h"
#include "displayband.h"
#include "fieldguard.h"
#include "testmessages.h"
#include "text.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// A bevel with a heading over a grid that the caller fills with the group's rows; the button that composes
// from them stands at the end of the last row, named after the heading.
struct HeadedGroup {
    QFrame* frame;
    QGridLayout* rows;
    QString heading;

    void addButton(QPushButton* button, int row) const
    {
        rows->addWidget(button, row, 2, Qt::AlignRight);
        nameOperation(button, heading);
    }
};

HeadedGroup makeHeadedGroup(QWidget* parent, const char* bevelName, const char* headingName, const QString& heading)
{
    QFrame* frame = makeBevel(parent, bevelName);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(makeLabel(frame, headingName, heading));
    auto* rows = new QGridLayout;
    layout->addLayout(rows);
    return {frame, rows, heading};
}

} // namespace

Tform11::Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("Tform11", QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO"), parent), iku_(std::move(iku)),
      errors_(errors)
{}

void Tform11::buildControls()
{
    Edit1 = makeNarrowEdit(this, "Edit1");
    Edit2 = makeEdit(this, "Edit2");
    Edit3 = makeEdit(this, "Edit3");
    Edit4 = makeNarrowEdit(this, "Edit4");
    Edit5 = makeNarrowEdit(this, "Edit5");
    Button1 = makeComposeButton(this, "Button1", smsHint());
    Button2 = makeComposeButton(this, "Button2", clipHint());
    Button3 = makeComposeButton(this, "Button3", smsHint());
    Button4 = makeComposeButton(this, "Button4", clipHint());
    band_ = new DisplayBand({"Label7", "Label8", "Edit6"}, this);
    setTextColour(Button3, kRed, QPalette::ButtonText);

    QFrame* upper = makeBevel(this, "Bevel1");
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->addWidget(testSmsGroup(upper));
    upperLayout->addWidget(testClipGroup(upper));
    upperLayout->addWidget(deactivationRows(upper));

    auto* body = new QVBoxLayout;
    body->addWidget(upper);
    layOut(body, {band_, new BackButton(this, {"SpeedButton1", "Label12"})});

    guardFields();
    connect(Button1, &QPushButton::clicked, this, &Tform11::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tform11::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tform11::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Tform11::Button4Click);
}

QWidget* Tform11::testSmsGroup(QWidget* parent)
{
    const HeadedGroup group =
        makeHeadedGroup(parent, "Bevel2", "Label1", QStringLiteral("Aktywacja wysylania SMS testowego"));
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
    const HeadedGroup group =
        makeHeadedGroup(parent, "Bevel3", "Label11", QStringLiteral("Aktywacja wysyłania CLIP testowego"));
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
    const auto clearBand = [this] { band_->clear(); };
    new FieldGuard(Edit1, testUserIndexRule(), errors_, clearBand);
    new FieldGuard(Edit2, testSmsPeriodRule(), errors_, clearBand);
    new FieldGuard(Edit3, testTextRule(), errors_, clearBand);
    new FieldGuard(Edit4, testUserIndexRule(), errors_, clearBand);
    new FieldGuard(Edit5, testClipPeriodRule(), errors_, clearBand);
}

void Tform11::Button1Click()
{
    band_->presentFresh(composeTestSmsOn(iku_(), toUtf8(Edit1->text()), toUtf8(Edit2->text()), toUtf8(Edit3->text())),
                        errors_);
}

void Tform11::Button2Click()
{
    band_->presentFresh(composeTestClipOn(iku_(), toUtf8(Edit4->text()), toUtf8(Edit5->text())), errors_);
}

void Tform11::Button3Click()
{
    band_->presentFresh(composeTestSmsOff(iku_()), errors_);
}

void Tform11::Button4Click()
{
    band_->presentFresh(composeTestClipOff(iku_()), errors_);
}

} // namespace velmora
