#pragma once

#include "plan.h"
#include "unithistorymodel.h"

#include <chrono>
#include <memory>

namespace velmora {

class Outbox;
class RegisterAccess;
class UnitBook;
class UnitsRun;

// The register's units and the plan's run to them, for the plan window: the run is made when first asked for, so
// that the register is not looked at before the user opens the plan, and it outlives the window.
class UnitsRunAccess {
public:
    UnitsRunAccess(RegisterAccess& access, Outbox& outbox,
                   std::chrono::milliseconds confirmationTimeout = Plan::kConfirmationTimeout);
    ~UnitsRunAccess();
    UnitsRunAccess(const UnitsRunAccess&) = delete;
    UnitsRunAccess& operator=(const UnitsRunAccess&) = delete;

    // Why the register cannot be used in this run, naming the file; empty while it can.
    QString problem();
    UnitBook& book();
    Followed followed() const;
    UnitsRun& run();
    // A run is being sent; false before there is one.
    bool isSending() const;
    // Lets the messages on their way finish and starts no others.
    void stop();

private:
    RegisterAccess& access_;
    Outbox& outbox_;
    std::chrono::milliseconds confirmationTimeout_;
    std::unique_ptr<UnitsRun> run_;
};

} // namespace velmora
