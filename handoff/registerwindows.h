#pragma once

#include "filechoice.h"
#include "unitshandoff.h"

#include <QObject>

class QWidget;

namespace velmora {

class ErrorBox;
class HandoffWindows;
class QuestionBox;
class RegisterAccess;
struct Unit;
class UnitsWindow;

// The units window for the pages, made when first opened. A register that cannot be used is refused with the error
// box instead, naming the file and why; everything else goes on working. The unit chosen with "Użyj" gives its
// number to the send, QR and plan windows, and its name and code, read from the keyring, to the pages.
class RegisterWindows final : public QObject, public UnitsHandoff {
    Q_OBJECT

public:
    // The window is made as a child of `owner`; its "Do planu" adds to the plan of `handoff`.
    RegisterWindows(QWidget* owner, RegisterAccess& access, ErrorBox& errors, QuestionBox& questions,
                    HandoffWindows& handoff);

    void showUnits() override;
    void watchUsedUnit(QObject* context, std::function<void(const UsedUnit&)> used) override;
    std::optional<UsedUnit> usedUnit() const override { return used_; }

signals:
    void unitUsed(const velmora::UsedUnit& unit);

private:
    void use(const Unit& unit);

    QWidget* owner_;
    RegisterAccess& access_;
    ErrorBox& errors_;
    QuestionBox& questions_;
    HandoffWindows& handoff_;
    FileDialogs files_{unitsFileKind()};
    UnitsWindow* window_ = nullptr;
    std::optional<UsedUnit> used_;
};

} // namespace velmora
