// The SMS centre page: the number field under its rule, then the command.
#include "field.h"
#include "input.h"
#include "smscentre.h"

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string iku = input.ikuCode();
    GuardedField number(smsCentreNumberRule());
    number.typeFrom(input);

    const Outcome outcome = composeSmsCentre(iku, number.text());
    checkOutcome(outcome, iku, 3);
    require(outcome.command.has_value() != number.text().empty(), "a number composes, no number is refused",
            number.text());
    checkCarries(outcome, number.text());
    return 0;
}
