#include "usernumbers.h"

#include "smscentre.h"

#include <algorithm>

namespace velmora {
namespace {

std::string prefixMessage(const PrefixFailure& failure)
{
    const bool firstUserWrongPrefix = failure.field == 0 && failure.kind == PrefixFailure::Kind::WrongPrefix;
    return std::string(firstUserWrongPrefix ? kPrefixMessageWithSie : kPrefixMessage);
}

Command sendToUnit(std::string message, std::string_view title)
{
    return {std::move(message), std::string(title), std::string(kSendToUnitPrompt)};
}

} // namespace

DigitsAndLength userNumberRule()
{
    return {std::string(kUserNumberDigitsMessage), kPhoneNumberLimit, std::string(kUserNumberLengthMessage)};
}

std::string userNumbersMessage(std::string_view iku, const UserNumbers& numbers)
{
    Message message(iku, kUserNumbersCommand);
    for (const std::string& number : numbers) {
        message.arg(number);
    }
    return message.text();
}

Outcome composeUserNumbers(std::string_view iku, const UserNumbers& numbers)
{
    if (std::all_of(numbers.begin(), numbers.end(), [](const std::string& number) { return number.empty(); })) {
        return Outcome::refused(std::string(kNoUserNumberMessage));
    }
    Outcome outcome;
    for (const PrefixFailure& failure : prefixFailures(numbers)) {
        outcome.refusals.push_back(prefixMessage(failure));
    }
    if (!outcome.refusals.empty()) {
        return outcome;
    }
    return Outcome::composed(sendToUnit(userNumbersMessage(iku, numbers), "Definiowanie numerów użytkowników"));
}

Outcome composeUserNumbersRemoval(std::string_view iku, const Ticks& ticks)
{
    return composeTickedOrAll(iku, ticks,
                              {kUserNumbersRemovalCommand, "Usuwanie wybranych numerów z systemu", kSendToUnitPrompt,
                               kNoUserToRemoveMessage});
}

Command composeSmsMask(std::string_view iku, const Ticks& ticks)
{
    return sendToUnit(Message(iku, kSmsMaskCommand).arg(maskDigits(ticks)).text(), "Definiowanie maski SMS");
}

Command composeRingMask(std::string_view iku, const Ticks& ticks)
{
    return sendToUnit(Message(iku, kRingMaskCommand).arg(maskDigits(ticks)).text(), "Definiowanie maski RING");
}

} // namespace velmora
