// The numeric rule families and the comparison of digit strings of any length, against a number parser.
#include "check.h"
#include "input.h"
#include "reference.h"
#include "rules.h"

using namespace velmora;
using namespace velmora::fuzz;

namespace {

int sign(int comparison)
{
    return (comparison > 0) - (comparison < 0);
}

unsigned long someNumber(UserInput& input)
{
    return input.choice() ? input.any<unsigned long>() : input.number<unsigned long>(0, 10000);
}

void requireRefusal(const Verdict& verdict, const std::string& message, Refusal::Repair repair, std::string_view text)
{
    require(verdict.has_value(), "a broken rule is refused", text);
    checkRefusal(*verdict);
    require(verdict->message == message && verdict->repair == repair && verdict->order == Refusal::Order::BoxThenRepair,
            "a numeric refusal names its message and repair, box first", text);
}

void checkLength(UserInput& input, std::string_view text)
{
    const DigitsAndLength rule{"cyfry", input.number<std::size_t>(0, 40), "za długi"};
    const Verdict verdict = rule(text);
    if (!isDigits(text)) {
        requireRefusal(verdict, rule.digitsMessage, Refusal::Repair::Empty, text);
    } else if (text.size() > rule.limit) {
        requireRefusal(verdict, rule.lengthMessage, Refusal::Repair::Empty, text);
    } else {
        require(!verdict, "digits within the limit are accepted", text);
    }
}

void checkValue(UserInput& input, std::string_view text)
{
    const unsigned long minimum = someNumber(input);
    const unsigned long maximum = someNumber(input);
    const DigitsAndValue rule{"cyfry",
                              minimum,
                              maximum,
                              "poza zakresem",
                              input.choice() ? Refusal::Repair::SetTo : Refusal::Repair::Empty,
                              std::to_string(maximum)};
    const Verdict verdict = rule(text);
    if (!isDigits(text)) {
        requireRefusal(verdict, rule.digitsMessage, Refusal::Repair::Empty, text);
    } else if (!text.empty() && (compareNumber(text, minimum) < 0 || compareNumber(text, maximum) > 0)) {
        requireRefusal(verdict, rule.rangeMessage, rule.outOfRange, text);
        require(verdict->repairedText("") == (rule.outOfRange == Refusal::Repair::SetTo ? rule.bound : ""),
                "an out of range value is repaired as its rule says", text);
    } else {
        require(!verdict, "a value within its limits is accepted", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    UserInput input(data, size);
    const std::string text = input.text();
    if (isDigits(text) && !text.empty()) {
        const unsigned long number = someNumber(input);
        require(sign(compareDecimal(text, number)) == compareNumber(text, number),
                "digit strings compare with numbers by value", text);
    }
    checkLength(input, text);
    checkValue(input, text);
    return 0;
}
