// The detector names page: the eight name fields, the header field, the name removal.
#include "detectornames.h"
#include "field.h"
#include "input.h"
#include "ticks.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    GuardedField name(detectorNameRule());
    GuardedField header(headerRule());
    while (input.more() && input.choice()) {
        (input.choice() ? name : header).change(input.text());
    }

    const int detector = input.number(1, kDetectorNameCount);
    const Outcome named = composeDetectorName(iku, detector, name.text());
    checkOutcome(named, iku, 4);
    require(named.command.has_value() != name.text().empty() && named.refusals.empty(),
            "a name composes, an empty name shows nothing", name.text());
    checkCarries(named, name.text());

    const Outcome headed = composeHeader(iku, header.text());
    checkOutcome(headed, iku, 3);
    require(headed.command.has_value(), "a header composes, empty or not", header.text());
    checkCarries(headed.command->message, header.text());

    const Ticks ticks = input.ticks(kDetectorNameCount);
    const std::size_t ticked = tickedCount(ticks);
    const Outcome removal = composeNameRemoval(iku, ticks);
    checkOutcome(removal, iku, 2 + ticked);
    require(removal.command.has_value() == (ticked > 0), "a removal composes exactly when a name is ticked");
    return 0;
}
