// The other parameters page: the five value fields, the balance check number, the notification mask and
// the option commands.
#include "field.h"
#include "input.h"
#include "systemparameters.h"

using namespace velmora;
using namespace velmora::fuzz;

namespace {

constexpr ValueSetting kSettings[] = {ValueSetting::DailySmsLimit, ValueSetting::ArmingTime,
                                      ValueSetting::DisarmingTime, ValueSetting::BalanceCheckByQuantity,
                                      ValueSetting::BalanceCheckByTime};
constexpr std::size_t kMaskUsers = 10;

void checkValue(UserInput& input, std::string_view iku)
{
    const ValueSetting setting = kSettings[input.number<std::size_t>(0, std::size(kSettings) - 1)];
    GuardedField value(valueRule(setting));
    value.typeFrom(input);

    const Outcome outcome = composeValue(setting, iku, value.text());
    checkOutcome(outcome, iku, 3);
    require(outcome.command.has_value() != value.text().empty(), "a value composes, no value is refused", value.text());
    checkCarries(outcome, value.text());
}

// The one command without a closing "#": the number is sent as typed, right after "#K".
void checkBalanceCheckNumber(UserInput& input, std::string_view iku)
{
    GuardedField number(balanceCheckNumberRule());
    number.typeFrom(input);

    const Outcome outcome = composeBalanceCheckNumber(iku, number.text());
    for (const std::string& refusal : outcome.refusals) {
        require(!refusal.empty(), "a refusal names a message");
    }
    require(outcome.command.has_value() != number.text().empty(), "a number composes, no number is refused",
            number.text());
    if (outcome.command) {
        const std::string& message = outcome.command->message;
        require(message.starts_with(std::string(iku) + "#K") && message.ends_with(number.text()) &&
                    message.size() == iku.size() + 2 + number.text().size(),
                "a balance check number follows the IKU code and \"#K\" whole", message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    if (input.choice()) {
        checkValue(input, iku);
    } else {
        checkBalanceCheckNumber(input, iku);
    }
    checkOutcome(composeNotificationMask(iku, input.ticks(kMaskUsers)), iku, 3);
    checkOutcome(composeEcho(iku, input.choice()), iku, 3);
    checkOutcome(composeServiceMode(iku), iku, 2);
    checkOutcome(composeFactorySettings(iku), iku, 2);
    return 0;
}
