// The user numbers page: five number fields, their command, the removal and the two masks.
#include "field.h"
#include "input.h"
#include "ticks.h"
#include "usernumbers.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::fuzz;

namespace {

UserNumbers typeNumbers(UserInput& input)
{
    std::array<GuardedField<DigitsAndLength>, kPhoneUserCount> fields = {
        GuardedField(userNumberRule()), GuardedField(userNumberRule()), GuardedField(userNumberRule()),
        GuardedField(userNumberRule()), GuardedField(userNumberRule())};
    while (input.more() && input.choice()) {
        fields[input.number<std::size_t>(0, kPhoneUserCount - 1)].change(input.text());
    }
    UserNumbers numbers;
    std::transform(fields.begin(), fields.end(), numbers.begin(), [](const auto& field) { return field.text(); });
    return numbers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    const UserNumbers numbers = typeNumbers(input);

    const Outcome outcome = composeUserNumbers(iku, numbers);
    checkOutcome(outcome, iku, 2 + kPhoneUserCount);
    const bool anyGiven = std::any_of(numbers.begin(), numbers.end(), [](const auto& n) { return !n.empty(); });
    const bool allPrefixed =
        std::all_of(numbers.begin(), numbers.end(), [](const auto& n) { return n.empty() || n.starts_with("48"); });
    require(outcome.command.has_value() == (anyGiven && allPrefixed),
            "numbers compose exactly when one is given and all begin with 48");
    if (outcome.command) {
        for (const std::string& number : numbers) {
            checkCarries(outcome.command->message, number);
        }
    }

    const Ticks ticks = input.ticks(kPhoneUserCount);
    const std::size_t ticked = tickedCount(ticks);
    const Outcome removal = composeUserNumbersRemoval(iku, ticks);
    checkOutcome(removal, iku, 2 + (ticked == kPhoneUserCount ? 1 : ticked));
    require(removal.command.has_value() == (ticked > 0), "a removal composes exactly when a user is ticked");
    checkCommand(composeSmsMask(iku, ticks), iku, 3);
    checkCommand(composeRingMask(iku, ticks), iku, 3);
    return 0;
}
