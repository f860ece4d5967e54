#pragma once

#include "rules.h"

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace velmora {

class ErrorBox;

// Runs a field's input rule on every change of its text, typed or set by code. A refused change is
// reported and repaired in the order the rule asks for; the repair is itself a change, so the rule runs
// again, nested, on the repaired text.
class FieldGuard final : public QObject {
    Q_OBJECT

public:
    // `onChange` runs first on every change, before the rule: pages empty their display band there.
    FieldGuard(QLineEdit* field, InputRule rule, ErrorBox& errors, std::function<void()> onChange = {});

    const QString& lastAccepted() const { return lastAccepted_; }

private:
    void run();

    QLineEdit* field_;
    InputRule rule_;
    ErrorBox& errors_;
    std::function<void()> onChange_;
    QString lastAccepted_;
};

} // namespace velmora
