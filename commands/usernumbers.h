#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Users 1 to 5 are the ones with phone numbers.
inline constexpr std::size_t kPhoneUserCount = 5;

// The phone numbers of users 1 to 5, as typed; an empty one is a user without a number.
using UserNumbers = std::array<std::string, kPhoneUserCount>;

inline constexpr std::string_view kUserNumberDigitsMessage = "Numer Użytkownika powinien zawierać tylko cyfry";
inline constexpr std::string_view kUserNumberLengthMessage = "Za duża ilość cyfr w definicji numeru użytkownika";
inline constexpr std::string_view kNoUserNumberMessage = "Podaj numer telefonu dla co najmniej jednego użytkownika";
inline constexpr std::string_view kNoUserToRemoveMessage =
    "Podaj co najmniej jednego użytkownika do usunięcia z systemu";
// Two wordings of the prefix advice: a wrong prefix in user 1 gets the one with "się", every other failure
// the one without.
inline constexpr std::string_view kPrefixMessage =
    "Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu ma postać: 601123456 to "
    "należy wpisać: 48601123456";
inline constexpr std::string_view kPrefixMessageWithSie =
    "Numer telefonu musi rozpoczynać się od przedrostka \"48\". Na przykład jeśli numer telefonu ma postać: 601123456 "
    "to należy wpisać: 48601123456";

// The rule of every user number field: digits only, at most 17 of them.
DigitsAndLength userNumberRule();

// "#G#" with all five numbers in user order, an empty number kept as an empty item.
inline constexpr CommandForm kUserNumbersCommand{"G",
                                                 {{Field::Digits, "numer użytkownika 1"},
                                                  {Field::Digits, "numer użytkownika 2"},
                                                  {Field::Digits, "numer użytkownika 3"},
                                                  {Field::Digits, "numer użytkownika 4"},
                                                  {Field::Digits, "numer użytkownika 5"}}};
std::string userNumbersMessage(std::string_view iku, const UserNumbers& numbers);

// The user numbers command; refused when no number is given, or with one prefix message per number that does not
// begin with "48", user 1 first.
Outcome composeUserNumbers(std::string_view iku, const UserNumbers& numbers);

// "#GN#" with the ticked users, or "#GN#W#" when all five are ticked; refused when none is.
inline constexpr CommandForm kUserNumbersRemovalCommand{
    "GN",
    {{Field::Selection, "numery użytkowników do usunięcia"}},
    {Wipes::WhenAll, "Centrala usunie numery telefonów wszystkich pięciu użytkowników: trzeba je będzie wpisać od "
                     "nowa."}};
Outcome composeUserNumbersRemoval(std::string_view iku, const Ticks& ticks);

// "#SM#" and "#RM#" with one mask digit per user; nothing ticked is a valid mask.
inline constexpr CommandForm kSmsMaskCommand{"SM", {{Field::Mask, "maska SMS"}}};
inline constexpr CommandForm kRingMaskCommand{"RM", {{Field::Mask, "maska RING"}}};
Command composeSmsMask(std::string_view iku, const Ticks& ticks);
Command composeRingMask(std::string_view iku, const Ticks& ticks);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kUserNumbersCommands = {&kUserNumbersCommand, &kUserNumbersRemovalCommand, &kSmsMaskCommand,
                                                    &kRingMaskCommand};

} // namespace velmora
