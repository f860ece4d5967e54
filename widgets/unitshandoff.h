#pragma once

#include <QString>
#include <functional>
#include <optional>

class QObject;

namespace velmora {

// The unit the user chose with "Użyj" in the units window: its name and its IKU code, empty when the keyring holds
// none for it or could not be read.
struct UsedUnit {
    QString name;
    QString code;
};

// Where the pages that hold the IKU code reach the installer's units: the units window, and the unit chosen in it.
// Start-up gives those pages the same one.
class UnitsHandoff {
public:
    virtual ~UnitsHandoff() = default;

    // Opens the units window; returns when it is closed.
    virtual void showUnits() = 0;
    // Calls `used` each time a unit is chosen, for as long as `context` lives.
    virtual void watchUsedUnit(QObject* context, std::function<void(const UsedUnit&)> used) = 0;
    // The unit chosen last, if one was: pages make their controls when first shown, which may be after the choice.
    virtual std::optional<UsedUnit> usedUnit() const = 0;

protected:
    UnitsHandoff() = default;
    UnitsHandoff(const UnitsHandoff&) = default;
    UnitsHandoff& operator=(const UnitsHandoff&) = default;
};

} // namespace velmora
