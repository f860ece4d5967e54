#include "unitsrunaccess.h"

#include "registeraccess.h"
#include "unitsrun.h"

namespace velmora {

UnitsRunAccess::UnitsRunAccess(RegisterAccess& access, Outbox& outbox, std::chrono::milliseconds confirmationTimeout)
    : access_(access), outbox_(outbox), confirmationTimeout_(confirmationTimeout)
{}

UnitsRunAccess::~UnitsRunAccess() = default;

QString UnitsRunAccess::problem()
{
    return access_.units().problem();
}

UnitBook& UnitsRunAccess::book()
{
    return access_.book();
}

Followed UnitsRunAccess::followed() const
{
    return [&access = access_](qint64 message) { return access.follows(message); };
}

UnitsRun& UnitsRunAccess::run()
{
    if (!run_) {
        run_ = std::make_unique<UnitsRun>(outbox_, access_.book(), confirmationTimeout_);
    }
    return *run_;
}

bool UnitsRunAccess::isSending() const
{
    return run_ && run_->isSending();
}

void UnitsRunAccess::stop()
{
    if (run_) {
        run_->stop();
    }
}

} // namespace velmora
