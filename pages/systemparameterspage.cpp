#include "systemparameterspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "displayband.h"
#include "fieldguard.h"
#include "text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <string_view>

namespace velmora {
namespace {

struct RowLook {
    const char* labelName;
    std::string_view caption;
    const char* editName;
    const char* buttonName;
    std::string_view hint;
};

constexpr std::string_view kArmingHint = "punkt 16. USTAWIANIE CZASÓW UZBROJENIA I ROZBROJENIA SYSTEMU.";

constexpr std::array<RowLook, 6> kValueRows = {{
    {"Label1", "Dobowy limit SMS", "Edit1", "Button1",
     "punkt 14. USTALANIE DOBOWYCH LIMITÓW WYSYŁANYCH SMS-ÓW ALARMOWYCH"},
    {"Label2", "Czas Uzbrajania systemu", "Edit2", "Button2", kArmingHint},
    {"Label3", "Czas Rozbrajania systemu", "Edit3", "Button3", kArmingHint},
    {"Label4", "Numer badania stanu konta", "Edit4", "Button4",
     "punkt 23. INFORMOWANIE O STANIE KONTA KART BEZABONENTOWYCH"},
    {"Label5", "Ilościowe badanie stanu konta", "Edit5", "Button5",
     "punkt 23.2. Opcja ilościowej informacji o stanie konta"},
    {"Label6", "Czasowe badanie stanu konta", "Edit6", "Button6",
     "punkt 23.1. Opcja czasowej informacji o stanie konta"},
}};

constexpr int kMaskUsers = 10;

QPushButton* addOptionRow(QWidget* parent, QGridLayout* grid, int row, const char* labelName, std::string_view caption,
                          QWidget* option, const char* buttonName, std::string_view hint)
{
    QPushButton* button = makeComposeButton(parent, buttonName, toQString(hint));
    addRow(grid, row, makeLabel(parent, labelName, toQString(caption)), option, button);
    return button;
}

} // namespace

TForm6::TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm6", QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU"), parent), iku_(std::move(iku)), errors_(errors)
{}

void TForm6::buildControls()
{
    band_ = new DisplayBand({"Label12", "Label14", "Edit7"}, this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeValueGroup(), 0, Qt::AlignTop);
    top->addWidget(makeOptionRows(), 0, Qt::AlignTop);
    top->addStretch();

    auto* body = new QVBoxLayout;
    body->addLayout(top);
    body->addWidget(makeMaskGroup(), 0, Qt::AlignLeft);
    layOut(body, {band_, new BackButton(this, {"SpeedButton1", "Label13"}), makeLine(this, "Bevel3")});

    FormCreate();
}

QWidget* TForm6::makeValueGroup()
{
    QFrame* group = makeBevel(this, "Bevel1");
    auto* grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(1, 110);
    std::array<ValueRow, kValueRows.size()> rows{};
    for (std::size_t i = 0; i < kValueRows.size(); ++i) {
        const RowLook& look = kValueRows[i];
        const int line = static_cast<int>(i);
        rows[i] = {makeEdit(group, look.editName), makeComposeButton(group, look.buttonName, toQString(look.hint))};
        addRow(grid, line, makeLabel(group, look.labelName, toQString(look.caption)), rows[i].edit, rows[i].button);
    }
    wireValueRow(rows[0], ValueSetting::DailySmsLimit);
    wireValueRow(rows[1], ValueSetting::ArmingTime);
    wireValueRow(rows[2], ValueSetting::DisarmingTime);
    wireBalanceCheckNumber(rows[3]);
    wireValueRow(rows[4], ValueSetting::BalanceCheckByQuantity);
    wireValueRow(rows[5], ValueSetting::BalanceCheckByTime);
    return group;
}

QWidget* TForm6::makeOptionRows()
{
    auto* options = new QWidget(this);
    auto* grid = new QGridLayout(options);
    CheckBox11 = new QCheckBox(options);
    CheckBox11->setObjectName(QStringLiteral("CheckBox11"));
    QPushButton* echo = addOptionRow(options, grid, 0, "Label8", "Opcja ECHO", CheckBox11, "Button10",
                                     "punkt 18.2. OPCJA ECHO - odsyłanie wszystkich komunikatów SMS dochodzących do "
                                     "systemu do pierwszego użytkownika.");
    QPushButton* service =
        addOptionRow(options, grid, 1, "Label15", "Tryb serwisowy", nullptr, "Button11",
                     "punkt 33. KONIECZNOŚĆ PRZEPROGRAMOWANIA SYSTEMU - UDOSTĘPNIENIE KODU SERWISOWEGO");
    QPushButton* factory = addOptionRow(options, grid, 2, "Label36", "Ustawienia fabryczne", nullptr, "Button14",
                                        "punkt 20.2. Przywrócenie ustawień fabrycznych");

    connect(CheckBox11, &QCheckBox::toggled, this, &TForm6::InputChange);
    connect(echo, &QPushButton::clicked, this, &TForm6::Button10Click);
    connect(service, &QPushButton::clicked, this, &TForm6::Button11Click);
    connect(factory, &QPushButton::clicked, this, &TForm6::Button14Click);
    return options;
}

QWidget* TForm6::makeMaskGroup()
{
    mask_ =
        CheckBoxRow::numberedRow(QStringLiteral("U"), 1, CheckBoxRow::numbered(QStringLiteral("Label"), 26, kMaskUsers),
                                 CheckBoxRow::Choice::AnyNumber, this);
    QPushButton* compose = makeComposeButton(this, "Button9",
                                             QStringLiteral("punkt 18.1. Definiowanie \"maski zawiadomienie\" - "
                                                            "informowanie o włączaniu i wyłączaniu systemu."));
    connect(mask_, &CheckBoxRow::boxToggled, this, &TForm6::InputChange);
    connect(compose, &QPushButton::clicked, this, &TForm6::Button9Click);
    return makeGroup(this, "Bevel2",
                     {makeLabel(this, "Label7", QStringLiteral("Maska zawiadamiania o uzbrojeniu rozbrojeniu systemu")),
                      mask_, compose});
}

void TForm6::wireValueRow(const ValueRow& row, ValueSetting setting)
{
    new FieldGuard(row.edit, valueRule(setting), errors_, [this] { InputChange(); });
    connect(row.button, &QPushButton::clicked, this,
            [this, setting, field = row.edit] { ValueButtonClick(setting, field); });
}

void TForm6::wireBalanceCheckNumber(const ValueRow& row)
{
    Edit4 = row.edit;
    new FieldGuard(Edit4, balanceCheckNumberRule(), errors_, [this] { InputChange(); });
    connect(row.button, &QPushButton::clicked, this, &TForm6::Button4Click);
}

void TForm6::FormCreate()
{
    mask_->setAllTicked(true);
    CheckBox11->setChecked(true);
}

void TForm6::FormActivate()
{
    band_->clear();
}

void TForm6::InputChange()
{
    band_->clear();
}

void TForm6::ValueButtonClick(ValueSetting setting, const QLineEdit* field)
{
    band_->presentFresh(composeValue(setting, iku_(), toUtf8(field->text())), errors_);
}

void TForm6::Button4Click()
{
    band_->presentFresh(composeBalanceCheckNumber(iku_(), toUtf8(Edit4->text())), errors_);
}

void TForm6::Button9Click()
{
    band_->presentFresh(composeNotificationMask(iku_(), mask_->ticks()), errors_);
}

void TForm6::Button10Click()
{
    band_->presentFresh(composeEcho(iku_(), CheckBox11->isChecked()), errors_);
}

void TForm6::Button11Click()
{
    band_->presentFresh(composeServiceMode(iku_()), errors_);
}

void TForm6::Button14Click()
{
    band_->presentFresh(composeFactorySettings(iku_()), errors_);
}

} // namespace velmora
