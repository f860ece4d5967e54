// The user names page: a name field of users 1 to 10 and the name removal.
#include "field.h"
#include "input.h"
#include "ticks.h"
#include "usernames.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    GuardedField name(userNameRule());
    name.typeFrom(input);

    const Outcome named = composeUserName(iku, input.number<std::size_t>(1, kNamedUsers), name.text());
    checkOutcome(named, iku, 4);
    require(named.command.has_value() != name.text().empty() && named.refusals.empty(),
            "a name composes, an empty name shows nothing", name.text());
    checkCarries(named, name.text());

    const Ticks ticks = input.ticks(kNamedUsers);
    const std::size_t ticked = tickedCount(ticks);
    const Outcome removal = composeUserNameRemoval(iku, ticks);
    // All ten ticked take the short form without a list.
    checkOutcome(removal, iku, ticked == kNamedUsers ? 2 : 2 + ticked);
    require(removal.command.has_value() == (ticked > 0), "a removal composes exactly when a name is ticked");
    return 0;
}
