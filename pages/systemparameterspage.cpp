#include "systemparameterspage.h"

#include "backbutton.h"
#include "checkboxrow.h"
#include "controls.h"
#include "fieldguard.h"
#include "frames.h"
#include "text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <string_view>

namespace velmora {
namespace {

// A value row: its field, guarded by the setting's rule, and the button whose press, ValueButtonClick, composes
// the setting from it. The balance check number has a rule and a handler of its own, Button4Click.
struct ValueRow {
    const char* label;
    std::string_view caption;
    const char* edit;
    const char* button;
    std::string_view hint;
    std::optional<ValueSetting> setting; // none for the balance check number
};

constexpr std::string_view kArmingHint = "punkt 16. USTAWIANIE CZASÓW UZBROJENIA I ROZBROJENIA SYSTEMU.";

constexpr std::array<ValueRow, 6> kValueRows = {{
    {"Label1", "Dobowy limit SMS", "Edit1", "Button1",
     "punkt 14. USTALANIE DOBOWYCH LIMITÓW WYSYŁANYCH SMS-ÓW ALARMOWYCH", ValueSetting::DailySmsLimit},
    {"Label2", "Czas Uzbrajania systemu", "Edit2", "Button2", kArmingHint, ValueSetting::ArmingTime},
    {"Label3", "Czas Rozbrajania systemu", "Edit3", "Button3", kArmingHint, ValueSetting::DisarmingTime},
    {"Label4", "Numer badania stanu konta", "Edit4", "Button4",
     "punkt 23. INFORMOWANIE O STANIE KONTA KART BEZABONENTOWYCH", std::nullopt},
    {"Label5", "Ilościowe badanie stanu konta", "Edit5", "Button5",
     "punkt 23.2. Opcja ilościowej informacji o stanie konta", ValueSetting::BalanceCheckByQuantity},
    {"Label6", "Czasowe badanie stanu konta", "Edit6", "Button6",
     "punkt 23.1. Opcja czasowej informacji o stanie konta", ValueSetting::BalanceCheckByTime},
}};

constexpr int kMaskUsers = 10;

} // namespace

TForm6::TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : ComposingPage("TForm6", QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU"), {"Label12", "Label14", "Edit7"},
                    std::move(iku), errors, parent)
{}

void TForm6::buildControls()
{
    auto* top = new QHBoxLayout;
    top->addWidget(makeValueGroup(), 0, Qt::AlignTop);
    top->addWidget(makeOptionRows(), 0, Qt::AlignTop);
    top->addStretch();

    auto* body = new QVBoxLayout;
    body->addLayout(top);
    body->addWidget(makeMaskGroup(), 0, Qt::AlignLeft);
    layOut(body, {band(), new BackButton(this, {"SpeedButton1", "Label13"}), makeLine(this, "Bevel3")});

    FormCreate();
}

QWidget* TForm6::makeValueGroup()
{
    auto [group, grid] = makeFramed<QGridLayout>(this, "Bevel1");
    grid->setColumnMinimumWidth(1, 110);
    for (std::size_t i = 0; i < kValueRows.size(); ++i) {
        const ValueRow& row = kValueRows[i];
        QLineEdit* field = makeEdit(group, row.edit);
        std::function<Outcome()> click;
        if (row.setting) {
            new FieldGuard(field, valueRule(*row.setting), errors(), [this] { InputChange(); });
            click = handler(&TForm6::ValueButtonClick, *row.setting, field);
        } else {
            Edit4 = field;
            new FieldGuard(Edit4, balanceCheckNumberRule(), errors(), [this] { InputChange(); });
            click = handler(&TForm6::Button4Click);
        }
        addRow(grid, static_cast<int>(i), makeLabel(group, row.label, toQString(row.caption)), field,
               operation({row.button, toQString(row.hint), std::move(click)}));
    }
    return group;
}

QWidget* TForm6::makeOptionRows()
{
    auto* options = new QWidget(this);
    auto* grid = new QGridLayout(options);
    CheckBox11 = new QCheckBox(options);
    CheckBox11->setObjectName(QStringLiteral("CheckBox11"));
    connect(CheckBox11, &QCheckBox::toggled, this, &TForm6::InputChange);
    addRow(grid, 0, makeLabel(options, "Label8", QStringLiteral("Opcja ECHO")), CheckBox11,
           operation({"Button10",
                      QStringLiteral("punkt 18.2. OPCJA ECHO - odsyłanie wszystkich komunikatów SMS dochodzących do "
                                     "systemu do pierwszego użytkownika."),
                      handler(&TForm6::Button10Click)}));
    addRow(
        grid, 1, makeLabel(options, "Label15", QStringLiteral("Tryb serwisowy")), nullptr,
        operation({"Button11",
                   QStringLiteral("punkt 33. KONIECZNOŚĆ PRZEPROGRAMOWANIA SYSTEMU - UDOSTĘPNIENIE KODU SERWISOWEGO"),
                   handler(&TForm6::Button11Click)}));
    addRow(grid, 2, makeLabel(options, "Label36", QStringLiteral("Ustawienia fabryczne")), nullptr,
           operation({"Button14", QStringLiteral("punkt 20.2. Przywrócenie ustawień fabrycznych"),
                      handler(&TForm6::Button14Click)}));
    return options;
}

QWidget* TForm6::makeMaskGroup()
{
    mask_ =
        CheckBoxRow::numberedRow(QStringLiteral("U"), 1, CheckBoxRow::numbered(QStringLiteral("Label"), 26, kMaskUsers),
                                 CheckBoxRow::Choice::AnyNumber, this);
    connect(mask_, &CheckBoxRow::boxToggled, this, &TForm6::InputChange);
    return makeGroup(this, "Bevel2",
                     {makeLabel(this, "Label7", QStringLiteral("Maska zawiadamiania o uzbrojeniu rozbrojeniu systemu")),
                      mask_,
                      operation({"Button9",
                                 QStringLiteral("punkt 18.1. Definiowanie \"maski zawiadomienie\" - informowanie o "
                                                "włączaniu i wyłączaniu systemu."),
                                 handler(&TForm6::Button9Click)})});
}

void TForm6::FormCreate()
{
    mask_->setAllTicked(true);
    CheckBox11->setChecked(true);
}

void TForm6::FormActivate()
{
    band()->clear();
}

void TForm6::InputChange()
{
    band()->clear();
}

} // namespace velmora
