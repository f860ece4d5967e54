#pragma once

#include "unitbook.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class ErrorBox;

// "Centrala": a unit's name, its SIM card's number, its IKU code (shown as dots unless asked, kept only in the
// keyring, may stay empty) and notes. A bad field, or a number another unit has, is refused with the error box and
// nothing is saved. Without a keyring the unit is saved without its code, and the dialog stays open to say so.
class UnitDialog final : public QDialog {
    Q_OBJECT

public:
    UnitDialog(UnitBook& book, ErrorBox& errors, QWidget* parent = nullptr);

    // Shows the dialog modally for a new unit, or for changing `unit`, its code read from the keyring; returns the
    // unit as saved, none when nothing was.
    std::optional<Unit> edit(const std::optional<Unit>& unit);

    // Not while the unit is being saved: the keyring may still be answering.
    void reject() override;

private:
    UnitFields fields() const;
    void readCode(const Unit& unit);
    void save();
    void saved(const UnitSaved& outcome);
    void setSaving(bool saving);

    UnitBook& book_;
    ErrorBox& errors_;
    QLineEdit* name_;
    QLineEdit* number_;
    QLineEdit* iku_;
    QCheckBox* showIku_;
    QPlainTextEdit* notes_;
    QLabel* status_;
    QPushButton* save_;
    QPushButton* cancel_;
    qint64 id_ = 0;
    // The code is handed to the keyring only when the user changed it: an untouched field, empty because the
    // keyring did not answer, must not remove the code.
    bool ikuTyped_ = false;
    bool filling_ = false;
    bool saving_ = false;
    std::optional<Unit> saved_;
};

} // namespace velmora
