#include "fieldguard.h"

#include "errorbox.h"
#include "text.h"

#include <QLineEdit>

namespace velmora {

FieldGuard::FieldGuard(QLineEdit* field, InputRule rule, ErrorBox& errors, std::function<void()> onChange)
    : QObject(field), field_(field), rule_(std::move(rule)), errors_(errors), onChange_(std::move(onChange)),
      lastAccepted_(field->text())
{
    connect(field_, &QLineEdit::textChanged, this, &FieldGuard::run);
}

void FieldGuard::run()
{
    if (onChange_) {
        onChange_();
    }
    if (const Verdict refusal = rule_(toUtf8(field_->text()))) {
        const QString repaired = toQString(refusal->repairedText(toUtf8(lastAccepted_)));
        const QString message = toQString(refusal->message);
        if (refusal->order == Refusal::Order::RepairThenBox) {
            field_->setText(repaired);
            errors_.report(message);
        } else {
            errors_.report(message);
            field_->setText(repaired);
        }
    }
    lastAccepted_ = field_->text();
}

} // namespace velmora
