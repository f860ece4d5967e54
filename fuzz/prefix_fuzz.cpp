// The 48 prefix rule over any list of numbers.
#include "check.h"
#include "input.h"
#include "rules.h"

#include <vector>

using namespace velmora;
using namespace velmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    std::vector<std::string> numbers;
    while (input.more()) {
        numbers.push_back(input.text());
    }
    const std::vector<PrefixFailure> failures = prefixFailures(numbers);

    std::size_t next = 0;
    for (std::size_t field = 0; field < numbers.size(); ++field) {
        const std::string& number = numbers[field];
        if (number.empty() || (number.size() >= 2 && number.starts_with("48"))) {
            continue;
        }
        const PrefixFailure expected{field, number.size() < 2 ? PrefixFailure::Kind::TooShort
                                                              : PrefixFailure::Kind::WrongPrefix};
        require(next < failures.size() && failures[next] == expected,
                "every short or foreign number fails, in field order", number);
        ++next;
    }
    require(next == failures.size(), "no number that begins with 48 fails");
    return 0;
}
