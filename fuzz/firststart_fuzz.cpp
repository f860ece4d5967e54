// The first start-up page: its own IKU field, the SMS centre, the five user numbers and a keypad user.
#include "field.h"
#include "firststart.h"
#include "ikucode.h"
#include "input.h"
#include "smscentre.h"
#include "ticks.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::fuzz;

namespace {

struct Page {
    GuardedField<DigitsAndLength> iku{ikuCodeRule()};
    GuardedField<DigitsAndLength> centre{smsCentreNumberRule()};
    std::array<GuardedField<DigitsAndLength>, kPhoneUserCount> users = {
        GuardedField(userNumberRule()), GuardedField(userNumberRule()), GuardedField(userNumberRule()),
        GuardedField(userNumberRule()), GuardedField(userNumberRule())};

    void type(UserInput& input)
    {
        const std::size_t field = input.number<std::size_t>(0, kPhoneUserCount + 1);
        std::string text = input.text();
        if (field == 0) {
            iku.change(std::move(text));
        } else if (field == 1) {
            centre.change(std::move(text));
        } else {
            users[field - 2].change(std::move(text));
        }
    }

    UserNumbers numbers() const
    {
        UserNumbers numbers;
        std::transform(users.begin(), users.end(), numbers.begin(), [](const auto& field) { return field.text(); });
        return numbers;
    }
};

// Without a whole IKU code every step is refused; with one, whatever composes starts with it.
void checkStep(const Outcome& outcome, std::string_view iku, std::size_t hashes)
{
    checkOutcome(outcome, iku, hashes);
    require(isCompleteIku(iku) || (!outcome.command && !outcome.refusals.empty()),
            "a step without a whole IKU code is refused", iku);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    Page page;
    while (input.more() && input.choice()) {
        page.type(input);
    }
    const std::string& iku = page.iku.text();

    const Outcome centre = composeFirstStartCentre(iku, page.centre.text());
    checkStep(centre, iku, 3);
    require(!centre.command || page.centre.text().starts_with("48"), "an SMS centre sent begins with 48",
            page.centre.text());
    checkCarries(centre, page.centre.text());

    const UserNumbers numbers = page.numbers();
    const Outcome users = composeFirstStartUsers(iku, numbers);
    checkStep(users, iku, 2 + kPhoneUserCount);
    if (users.command) {
        require(std::any_of(numbers.begin(), numbers.end(), [](const auto& n) { return n.size() >= 2; }),
                "users compose only with a number given");
        for (const std::string& number : numbers) {
            require(number.empty() || number.starts_with("48"), "every number sent begins with 48", number);
            checkCarries(users.command->message, number);
        }
    }

    const Ticks keypad = input.ticks(kKeypadUsers);
    const Outcome code = composeFirstStartKeypadCode(iku, keypad);
    checkStep(code, iku, listHashes(keypad));
    require(!isCompleteIku(iku) || code.command.has_value() == (tickedCount(keypad) > 0),
            "a keypad code composes exactly when a user is ticked");
    return 0;
}
