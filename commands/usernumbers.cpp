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

Command sendToUnit(const Message& message, std::string_view title)
{
    return {message.text(), std::string(title), std::string(kSendToUnitPrompt)};
}

} // namespace

DigitsAndLength userNumberRule()
{
    return {std::string(kUserNumberDigitsMessage), kPhoneNumberLimit, std::string(kUserNumberLengthMessage)};
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
    Message message(iku, "G");
    for (const std::string& number : numbers) {
        message.arg(number);
    }
    return Outcome::composed(sendToUnit(message, "Definiowanie numerów użytkowników"));
}

Outcome composeUserNumbersRemoval(std::string_view iku, const Ticks& ticks)
{
    if (noneTicked(ticks)) {
        return Outcome::refused(std::string(kNoUserToRemoveMessage));
    }
    return Outcome::composed(
        sendToUnit(Message(iku, "GN").selectionOrAll(ticks), "Usuwanie wybranych numerów z systemu"));
}

Command composeSmsMask(std::string_view iku, const Ticks& ticks)
{
    return sendToUnit(Message(iku, "SM").arg(maskDigits(ticks)), "Definiowanie maski SMS");
}

Command composeRingMask(std::string_view iku, const Ticks& ticks)
{
    return sendToUnit(Message(iku, "RM").arg(maskDigits(ticks)), "Definiowanie maski RING");
}

} // namespace velmora
