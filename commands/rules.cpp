#include "rules.h"

#include "encoding.h"

namespace velmora {
namespace {

Refusal refusal(std::string_view message, Refusal::Repair repair = Refusal::Repair::Empty,
                Refusal::Order order = Refusal::Order::BoxThenRepair, std::string_view bound = {})
{
    return Refusal{std::string(message), repair, order, std::string(bound)};
}

// Control codes would break the one line of text the unit reads, whatever the field's highest code.
bool isPlainCharacter(char32_t character, int highestCode)
{
    const int code = windows1250Code(character);
    return code >= 32 && code != 127 && code <= highestCode;
}

} // namespace

std::string Refusal::repairedText(std::string_view lastAccepted) const
{
    switch (repair) {
    case Repair::Empty:
        return {};
    case Repair::Restore:
        return std::string(lastAccepted);
    case Repair::SetTo:
        return bound;
    }
    return {};
}

Verdict DigitsAndLength::operator()(std::string_view text) const
{
    if (!isDigitsOnly(text)) {
        return refusal(digitsMessage);
    }
    if (text.size() > limit) {
        return refusal(lengthMessage);
    }
    return std::nullopt;
}

int compareDecimal(std::string_view digits, unsigned long number)
{
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    const std::string bound = std::to_string(number);
    if (digits.size() != bound.size()) {
        return digits.size() < bound.size() ? -1 : 1;
    }
    return digits.compare(bound);
}

Verdict DigitsAndValue::operator()(std::string_view text) const
{
    if (!isDigitsOnly(text)) {
        return refusal(digitsMessage);
    }
    if (!text.empty() && (compareDecimal(text, minimum) < 0 || compareDecimal(text, maximum) > 0)) {
        return refusal(rangeMessage, outOfRange, Refusal::Order::BoxThenRepair, bound);
    }
    return std::nullopt;
}

Verdict TextAndLength::operator()(std::string_view text) const
{
    if (limit != kNoLimit && characterCount(text) > limit) {
        // The field is restored before the box, so the user reads the message over the accepted text.
        return refusal(lengthMessage, Refusal::Repair::Restore, Refusal::Order::RepairThenBox);
    }
    for (Utf8Reader reader(text); !reader.atEnd();) {
        const char32_t c = reader.next();
        if (!isPlainCharacter(c, highestCode) || (forbidHash && c == U'#')) {
            return refusal(plainTextMessage, Refusal::Repair::Restore);
        }
    }
    return std::nullopt;
}

std::vector<PrefixFailure> prefixFailures(std::span<const std::string> numbers)
{
    std::vector<PrefixFailure> failures;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string& number = numbers[i];
        if (number.empty()) {
            continue;
        }
        if (number.size() < 2) {
            failures.push_back({i, PrefixFailure::Kind::TooShort});
        } else if (number[0] != '4' || number[1] != '8') {
            failures.push_back({i, PrefixFailure::Kind::WrongPrefix});
        }
    }
    return failures;
}

} // namespace velmora
