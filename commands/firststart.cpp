#include "firststart.h"

#include "ikucode.h"
#include "remotecontrols.h"
#include "smscentre.h"

#include <algorithm>
#include <span>

namespace velmora {
namespace {

constexpr std::string_view kIkuMissingMessage = "Wpisz kod IKU  zawierający cztery cyfry";
constexpr std::string_view kCentrePrefixMessage = "Numer Centrum SMS musi rozpoczynać się od przedrostka \"48\". ";
constexpr std::string_view kNoUserMessage =
    "Podaj numer telefonu dla co najmniej jednego użytkownika. Numer musi zaczynać się od cyfr: 48";

bool anyNumberGiven(const UserNumbers& numbers)
{
    return std::any_of(numbers.begin(), numbers.end(), [](const std::string& number) { return number.size() >= 2; });
}

} // namespace

Outcome composeFirstStartCentre(std::string_view iku, std::string_view number)
{
    if (!isCompleteIku(iku)) {
        return Outcome::refused(std::string(kIkuMissingMessage));
    }
    // An empty number passes the prefix rule and is refused by the SMS centre command itself.
    const std::array<std::string, 1> centre = {std::string(number)};
    if (!prefixFailures(centre).empty()) {
        return Outcome::refused(std::string(kCentrePrefixMessage));
    }
    return composeSmsCentre(iku, number);
}

Outcome composeFirstStartUsers(std::string_view iku, const UserNumbers& numbers)
{
    if (!isCompleteIku(iku)) {
        return Outcome::refused(std::string(kIkuMissingMessage));
    }
    Outcome outcome;
    // Once no number is given, user 1 has been judged: only users 2 to 5 still get their prefix boxes.
    std::span<const std::string> checked(numbers);
    if (!anyNumberGiven(numbers)) {
        outcome.refusals.emplace_back(kNoUserMessage);
        checked = checked.subspan(1);
    }
    outcome.refusals.insert(outcome.refusals.end(), prefixFailures(checked).size(), std::string(kPrefixMessage));
    if (!outcome.refusals.empty()) {
        return outcome;
    }
    return Outcome::composed(
        {userNumbersMessage(iku, numbers), "Definiowanie numerów użytkowników", std::string(kSendToUnitPrompt)});
}

Outcome composeFirstStartKeypadCode(std::string_view iku, const Ticks& ticks)
{
    if (!isCompleteIku(iku)) {
        return Outcome::refused(std::string(kIkuMissingMessage));
    }
    if (noneTicked(ticks)) {
        return Outcome::nothing();
    }
    return Outcome::composed({Message(iku, kKeypadCodeCommand).selection(ticks).text(),
                              "Wprogramowywanie kodu klawiatury do systemu", std::string(kSendToUnitPrompt)});
}

} // namespace velmora
