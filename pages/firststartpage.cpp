#include "firststartpage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"
#include "ikufield.h"
#include "radiogroup.h"
#include "smscentre.h"
#include "smsoperator.h"
#include "text.h"
#include "unitsbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {
namespace {

const QColor kNavy(0, 0, 128);
constexpr int kStepPixels = 19;
constexpr int kAreaTitlePixels = 16;

QLabel* makeNavyLabel(QWidget* parent, const QString& text, int pixels)
{
    QLabel* label = makeLabel(parent, nullptr, text);
    setPixelSize(label, pixels);
    setTextColour(label, kNavy);
    return label;
}

// The "Krok N" heading and the area's title, first in every step's area.
void addStepHeading(QVBoxLayout* layout, QWidget* area, const QString& step, const QString& title)
{
    layout->addWidget(makeNavyLabel(area, step, kStepPixels));
    layout->addWidget(makeNavyLabel(area, title, kAreaTitlePixels));
}

// A framed area whose content stands one under another from its top.
std::pair<QFrame*, QVBoxLayout*> makeArea(QWidget* parent)
{
    auto area = makeFramed<QVBoxLayout>(parent, nullptr);
    area.second->setAlignment(Qt::AlignTop);
    return area;
}

// Wide enough for the longest number a field takes.
QLineEdit* makeNumberEdit(QWidget* parent, const char* name)
{
    QLineEdit* edit = makeEdit(parent, name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(kPhoneNumberLimit + 2, QLatin1Char('0'))));
    return edit;
}

// The band shows the refusals and the command, and only then is the result field enabled.
constexpr Presentation kPresentation = Presentation::FreshEnablingLast;

} // namespace

TForm13::TForm13(ErrorBox& errors, CommandHandoff* handoff, UnitsHandoff* units, QWidget* parent)
    : ComposingPage("TForm13", QStringLiteral("NIEZBĘDNE KROKI PPRZY PIERWSZYM URUCHOMIENIU SYSTEMU"),
                    {"Label15", "Label21", "Edit2"}, [this] { return toUtf8(Edit3->text()); }, errors, parent,
                    {871, 755}),
      handoff_(handoff), units_(units)
{
    applyPageLook(this, Qt::black);
}

void TForm13::buildControls()
{
    setPixelSize(band()->result(), kStepPixels);

    auto* left = new QVBoxLayout;
    left->addWidget(makeIkuArea());
    left->addLayout(makeUnitsRow(this, handoff_, units_, Edit3));
    left->addWidget(makeCentreArea(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(makeUsersArea());
    right->addWidget(makePointerArea(QStringLiteral("Krok 12")));
    right->addWidget(makePointerArea(QStringLiteral("Krok 13")));
    right->addWidget(makeKeypadArea(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    layOut(columns, {band(), new BackButton(this, {"SpeedButton1", nullptr}, QStringLiteral("WSTECZ"))});

    wire();
}

QWidget* TForm13::makeIkuArea()
{
    auto [area, layout] = makeArea(this);
    QLabel* opening = makeLabel(area, nullptr, QStringLiteral("Wykonaj pierwsze 9 kroków z"));
    setPixelSize(opening, kStepPixels);
    layout->addWidget(opening);
    QLabel* manual = makeLabel(area, nullptr, QStringLiteral("INSTRUKCJI MONTAŻU PODSTAWOWEGO ZESTAWU"));
    QFont bold = manual->font();
    bold.setBold(true);
    manual->setFont(bold);
    layout->addWidget(manual);
    layout->addWidget(makeLabel(area, nullptr, QStringLiteral("Następnie")));
    // Changing the code does not invalidate a shown command: the code is checked again at every composition.
    auto* iku =
        new IkuField({"Edit3", nullptr, nullptr}, {kStepPixels, 0}, IkuField::Request::TwoLines, errors(), area);
    Edit3 = iku->field();
    layout->addWidget(iku);
    return area;
}

QWidget* TForm13::makeCentreArea()
{
    auto [area, layout] = makeArea(this);
    const QString title = QStringLiteral("Programowanie Centrum SMS");
    addStepHeading(layout, area, QStringLiteral("Krok 10"), title);
    RadioGroup1 = new RadioGroup(QStringLiteral("Wybierz Centrum SMS"), smsOperatorNames(), area);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    Edit1 = makeNumberEdit(area, "Edit1");
    Button1 = operation({"Button1",
                         QStringLiteral("punkt 7.  Programowanie systemu za pomocą telefonu komórkowego - krok "
                                        "10. Instrukcja skrócona"),
                         handler(&TForm13::Button1Click), kPresentation});
    // The number field has no label of its own: the step's title names it.
    Edit1->setAccessibleName(title);
    nameOperation(Button1, title);
    layout->addWidget(RadioGroup1, 0, Qt::AlignLeft);
    layout->addWidget(Edit1, 0, Qt::AlignLeft);
    layout->addWidget(Button1, 0, Qt::AlignLeft);
    return area;
}

QWidget* TForm13::makeUsersArea()
{
    auto [area, layout] = makeArea(this);
    const QString title = QStringLiteral("Programowanie użytkowników systemu");
    addStepHeading(layout, area, QStringLiteral("Krok 11"), title);
    for (const QString& line :
         {QStringLiteral("Wpisz w odpowiednie pole  numer telefonu dla  odpowiedniego użytkownika"),
          QStringLiteral("Pamiętaj, że numer powinien być poprzedzony przedrostkiem międzynarodowym."),
          QStringLiteral("Dla Polski jest to 48")}) {
        layout->addWidget(makeLabel(area, nullptr, line));
    }

    static constexpr std::array<const char*, kPhoneUserCount> kNames = {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    const std::array<QString, kPhoneUserCount> captions = {
        QStringLiteral("Numer użytkownika 1"), QStringLiteral("Numer uzytkownika 2"),
        QStringLiteral("Numer użytkownika 3"), QStringLiteral("Numer użytkownika 4"),
        QStringLiteral("Numer użytkownika 5")};
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kPhoneUserCount; ++i) {
        const int row = static_cast<int>(i);
        userNumbers_[i] = makeNumberEdit(area, kNames[i]);
        addRow(grid, row, makeLabel(area, nullptr, captions[i]), userNumbers_[i]);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    Button2 = operation({"Button2",
                         QStringLiteral("punkt 7. Programowanie Systemu za pomocą telefonu komórkowego - krok "
                                        "11. Instrukcja podstawowa."),
                         handler(&TForm13::Button2Click), kPresentation});
    nameOperation(Button2, title);
    layout->addWidget(Button2, 0, Qt::AlignLeft);
    return area;
}

QWidget* TForm13::makePointerArea(const QString& step)
{
    auto [area, layout] = makeArea(this);
    addStepHeading(layout, area, step, QStringLiteral("Zapoznaj się z punktem 8 w Instrukcji skróconej"));
    return area;
}

QWidget* TForm13::makeKeypadArea()
{
    auto [area, layout] = makeArea(this);
    const QString title = QStringLiteral("Programowanie kodów klawiatur użytkowników");
    addStepHeading(layout, area, QStringLiteral("Krok 14"), title);
    layout->addWidget(
        makeLabel(area, nullptr, QStringLiteral("Wybierz użytkownika,  któremu chcesz przypisać  kod klawiatury")));
    const auto count = static_cast<int>(kKeypadUsers);
    keypadUsers_ = new CheckBoxRow({CheckBoxRow::numbered(QStringLiteral("CheckBox"), 1, count),
                                    CheckBoxRow::numbered(QStringLiteral("K"), 1, count),
                                    {}},
                                   CheckBoxRow::Choice::OneOfN, CheckBoxRow::Look::NumbersUnder, area);
    keypadUsers_->nameBoxesAfter(title);
    layout->addWidget(keypadUsers_, 0, Qt::AlignLeft);
    Button5 = operation({"Button5", QStringLiteral("punkt 9. Zmiana kodu klawiatury - krok 14. Instrukcja skrócona."),
                         handler(&TForm13::Button5Click), kPresentation});
    nameOperation(Button5, title);
    layout->addWidget(Button5, 0, Qt::AlignLeft);
    static constexpr std::array<const char*, 3> kNames = {"Label3", "Label10", "Label11"};
    for (std::size_t i = 0; i < instructions_.size(); ++i) {
        instructions_[i] = makeLabel(area, kNames[i], QString());
        // The columns keep their widths when the instructions appear.
        reserveRoom(instructions_[i], {toQString(kKeypadCodeInstructions[i])});
        layout->addWidget(instructions_[i]);
    }
    return area;
}

void TForm13::wire()
{
    new FieldGuard(Edit1, smsCentreNumberRule(), errors(), [this] { Edit1Change(); });
    for (QLineEdit* field : userNumbers_) {
        new FieldGuard(field, userNumberRule(), errors(), [this] { UserNumberChange(); });
    }
    connect(RadioGroup1, &RadioGroup::itemSelected, this, &TForm13::RadioGroup1Click);
    connect(keypadUsers_, &CheckBoxRow::boxToggled, this, &TForm13::CheckBoxClick);
}

void TForm13::FormActivate()
{
    RadioGroup1->setItemIndex(0);
    applySmsOperator(Edit1, 0);
    band()->setResultEnabled(false);
    band()->clear();
    clearInstructions();
}

void TForm13::Edit1Change()
{
    band()->clearResult();
}

void TForm13::UserNumberChange()
{
    band()->clear();
}

void TForm13::RadioGroup1Click(int index)
{
    band()->clear();
    clearInstructions();
    applySmsOperator(Edit1, index);
}

void TForm13::CheckBoxClick()
{
    band()->clear();
    clearInstructions();
}

void TForm13::clearInstructions()
{
    for (QLabel* line : instructions_) {
        line->clear();
    }
}

void TForm13::showInstructions()
{
    for (std::size_t i = 0; i < instructions_.size(); ++i) {
        instructions_[i]->setText(toQString(kKeypadCodeInstructions[i]));
    }
}

} // namespace velmora
