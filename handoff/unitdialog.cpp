#include "unitdialog.h"

#include "controls.h"
#include "errorbox.h"
#include "fieldguard.h"
#include "ikucode.h"
#include "keyboard.h"
#include "screenfit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

UnitDialog::UnitDialog(UnitBook& book, ErrorBox& errors, QWidget* parent)
    : QDialog(parent), book_(book), errors_(errors), name_(makeEdit(this, "UnitName")),
      number_(makeNumberField(this, "UnitNumber",
                              QStringLiteral("Numer karty SIM centrali w postaci międzynarodowej: kod kraju i numer, "
                                             "same cyfry."))),
      iku_(makeEdit(this, "UnitIku")), showIku_(new QCheckBox(QStringLiteral("Pokaż kod"), this)),
      notes_(new QPlainTextEdit(this)), status_(makeLabel(this, "UnitStatus", QString())),
      save_(makeButton(this, "UnitSave", QStringLiteral("Zapisz"))),
      cancel_(makeButton(this, "UnitCancel", QStringLiteral("Anuluj")))
{
    setUpWindow(this, "UnitDialog", QStringLiteral("Centrala"));

    name_->setToolTip(QStringLiteral("Nazwa, po której centralę łatwo znaleźć: do 60 znaków"));
    iku_->setEchoMode(QLineEdit::Password);
    iku_->setToolTip(QStringLiteral("Cztery cyfry z koperty centrali; zapisywane tylko w magazynie haseł systemu. "
                                    "Można zostawić puste."));
    new FieldGuard(iku_, ikuCodeRule(), errors_);
    showIku_->setObjectName(QStringLiteral("UnitIkuShow"));
    showIku_->setAccessibleName(QStringLiteral("Pokaż kod IKU"));
    notes_->setObjectName(QStringLiteral("UnitNotes"));
    notes_->setAccessibleName(QStringLiteral("Uwagi"));
    notes_->setToolTip(QStringLiteral("Adres, klient, cokolwiek pomaga przy następnej wizycie: do 1000 znaków"));
    // Tab moves on, as in every other field of the program.
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
    status_->setWordWrap(true);

    auto* iku = new QHBoxLayout;
    iku->addWidget(iku_);
    iku->addWidget(showIku_);
    auto* form = new QFormLayout;
    form->addRow(makeBuddy(this, QStringLiteral("&Nazwa:"), name_), name_);
    form->addRow(makeBuddy(this, QStringLiteral("N&umer karty SIM centrali:"), number_), number_);
    form->addRow(makeBuddy(this, QStringLiteral("&Kod IKU:"), iku_), iku);
    form->addRow(makeBuddy(this, QStringLiteral("U&wagi:"), notes_), notes_);
    QHBoxLayout* buttons = makeButtonRow({}, {save_, cancel_});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    connect(iku_, &QLineEdit::textChanged, this, [this] { ikuTyped_ = ikuTyped_ || !filling_; });
    connect(showIku_, &QCheckBox::toggled, iku_,
            [this](bool shown) { iku_->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });
    connect(save_, &QPushButton::clicked, this, &UnitDialog::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    setUpKeyboard(this);
    fitToScreen(this, {440, 0});
}

std::optional<Unit> UnitDialog::edit(const std::optional<Unit>& unit)
{
    id_ = unit ? unit->id : 0;
    name_->setText(unit ? unit->name : QString());
    number_->setText(unit ? unit->number : QString());
    notes_->setPlainText(unit ? unit->notes : QString());
    if (unit) {
        readCode(*unit);
    }
    name_->setFocus();
    exec();
    return saved_;
}

UnitFields UnitDialog::fields() const
{
    return {name_->text(), number_->text(), notes_->toPlainText()};
}

void UnitDialog::readCode(const Unit& unit)
{
    book_.readCode(unit, [self = QPointer<UnitDialog>(this)](const KeyringReply& reply) {
        if (self == nullptr || self->ikuTyped_) {
            return;
        }
        if (reply.status == KeyringReply::Status::Done) {
            self->filling_ = true;
            self->iku_->setText(reply.secret);
            self->filling_ = false;
        } else if (reply.status != KeyringReply::Status::NotFound) {
            self->status_->setText(QStringLiteral("Kod IKU nie został odczytany: brak dostępu do magazynu haseł "
                                                  "systemu. Pozostawione puste pole nie zmieni zapisanego kodu."));
        }
    });
}

void UnitDialog::save()
{
    setSaving(true);
    const std::optional<QString> code = ikuTyped_ ? std::optional(iku_->text()) : std::nullopt;
    book_.save(id_, fields(), code, [self = QPointer<UnitDialog>(this)](const UnitSaved& outcome) {
        if (self != nullptr) {
            self->saved(outcome);
        }
    });
}

void UnitDialog::saved(const UnitSaved& outcome)
{
    setSaving(false);
    if (!outcome.refusal.isEmpty()) {
        errors_.report(outcome.refusal);
        return;
    }
    saved_ = outcome.unit;
    id_ = outcome.unit.id;
    if (!outcome.codeWarning.isEmpty()) {
        // Saved without its code: "Zapisz" tries the keyring again, "Anuluj" keeps the unit as it is.
        status_->setText(outcome.codeWarning);
        return;
    }
    accept();
}

void UnitDialog::reject()
{
    if (!saving_) {
        QDialog::reject();
    }
}

void UnitDialog::setSaving(bool saving)
{
    saving_ = saving;
    save_->setEnabled(!saving);
    cancel_->setEnabled(!saving);
}

} // namespace velmora
