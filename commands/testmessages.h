#pragma once

#include "message.h"
#include "rules.h"

#include <array>
#include <string_view>

namespace velmora {

// Every command of the test SMS and test CLIP page asks for its send in these words.

// The user index of either test: 1 to 5, emptied when outside.
DigitsAndValue testUserIndexRule();
// The periods: 1 to 9999, set to the minimum "1" when outside, also when the value was too large.
DigitsAndValue testSmsPeriodRule();
DigitsAndValue testClipPeriodRule();
// The test text: at most 100 characters of plain text; "#" is allowed, unlike in names.
TextAndLength testTextRule();

// IKU, "#TS#", the user index, the period and the text, each closed by "#"; refused if any is empty.
inline constexpr CommandForm kTestSmsCommand{"TS",
                                             {{Field::Number, "numer użytkownika SMS testowego"},
                                              {Field::Number, "okres wysyłania SMS testowego"},
                                              {Field::Text, "treść SMS testowego"}}};
Outcome composeTestSmsOn(std::string_view iku, std::string_view userIndex, std::string_view period,
                         std::string_view text);
// IKU, "#TC#", the user index and the period, each closed by "#"; refused if either is empty.
inline constexpr CommandForm kTestClipCommand{
    "TC", {{Field::Number, "numer użytkownika CLIP testowego"}, {Field::Number, "okres wysyłania CLIP testowego"}}};
Outcome composeTestClipOn(std::string_view iku, std::string_view userIndex, std::string_view period);

// The activation grammar with zero values and an empty text; they need no input.
Outcome composeTestSmsOff(std::string_view iku);
Outcome composeTestClipOff(std::string_view iku);

// This page's commands, as the plan file's check knows them (composedCommands, grammar.h).
inline constexpr std::array kTestMessagesCommands = {&kTestSmsCommand, &kTestClipCommand};

} // namespace velmora
