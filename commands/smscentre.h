#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <string_view>

namespace velmora {

// The operators offered for the SMS centre, with their public SMS centre numbers in international form.
// The last choice, "INNY", has no number: the user types one.
struct SmsOperator {
    std::string_view name;
    std::string_view centreNumber;
};

inline constexpr std::array<SmsOperator, 5> kSmsOperators = {{
    {"ORANGE", "48501200777"},
    {"ERA", "48602951111"},
    {"PLUS", "48601000310"},
    {"PLAY", "48790998250"},
    {"INNY", ""},
}};

inline constexpr std::size_t kOtherOperator = 4;

inline constexpr std::string_view kSmsCentreDigitsMessage = "Numer Centrum powinien zawierać tylko cyfry";
inline constexpr std::string_view kSmsCentreLengthMessage = "Za duża ilość cyfr w definicji Centrum SMS";

// The SMS centre number field: digits only, at most 17 of them.
DigitsAndLength smsCentreNumberRule();

// The SMS centre command: IKU, "#0#", the number, "#".
inline constexpr CommandForm kSmsCentreCommand{"0", {{Field::Number, "numer Centrum SMS"}}};
Outcome composeSmsCentre(std::string_view iku, std::string_view number);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kSmsCentreCommands = {&kSmsCentreCommand};

} // namespace velmora
