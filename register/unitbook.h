#pragma once

#include "keyring.h"
#include "unitregister.h"

#include <QObject>
#include <functional>
#include <optional>

namespace velmora {

// What saving a unit came to.
struct UnitSaved {
    // Not empty when nothing was saved: the refusal for the error box.
    QString refusal;
    // The unit as saved.
    Unit unit;
    // Saved, but its code not stored or not removed: the sentence the dialog says it with.
    QString codeWarning;
};

// What removing a unit came to.
struct UnitRemoved {
    // Not empty when nothing was removed: why, for the error box.
    QString refusal;
    // Removed, but its code left in the keyring: the sentence that says so.
    QString codeWarning;
};

// The units with their IKU codes, for the units window and the unit dialog: the unit in the register, its
// code in the keyring under the unit's key. A unit is saved even when the keyring cannot take its code.
class UnitBook final : public QObject {
    Q_OBJECT

public:
    UnitBook(UnitRegister& units, Keyring& keyring, QObject* parent = nullptr);

    UnitRegister& units() { return units_; }

    // Adds a unit (`id` 0) or changes one, then its code: none leaves the keyring as it is, an empty one
    // removes the unit's code, four digits are stored. A bad field or code saves nothing.
    void save(qint64 id, const UnitFields& fields, const std::optional<QString>& code,
              std::function<void(const UnitSaved&)> done);
    // The unit, its history and its code.
    void remove(qint64 id, std::function<void(const UnitRemoved&)> done);
    // The unit's code as the keyring answers.
    void readCode(const Unit& unit, std::function<void(const KeyringReply&)> done);

private:
    std::variant<Unit, QString> write(qint64 id, const UnitFields& fields);

    UnitRegister& units_;
    Keyring& keyring_;
};

} // namespace velmora
