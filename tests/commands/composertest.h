#pragma once

// What the composer tests share: check-box rows, readable outcomes, the check that every composed command is
// one the grammar declares, and the proof that a value field is wired to its own messages, range and repair
// (the rule families themselves are tested in rules_test).

#include "message.h"
#include "planfile.h"
#include "rules.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A row of `count` boxes with the given numbers (box 1 first) ticked.
inline Ticks ticksOf(std::size_t count, std::initializer_list<std::size_t> numbers)
{
    Ticks ticks(count, false);
    for (const std::size_t number : numbers) {
        ticks[number - 1] = true;
    }
    return ticks;
}

inline Ticks allBut(std::size_t count, std::size_t number)
{
    Ticks ticks(count, true);
    ticks[number - 1] = false;
    return ticks;
}

// The send prompts, letter for letter.
inline constexpr std::string_view kPromptToUnit = "Wyślij do urządzenia SMS o treści:";
inline constexpr std::string_view kPromptSms = "Wyślij SMS o treści:";
inline constexpr std::string_view kPromptSmsPlain = "Wyslij SMS o treści:";

// The outcome of a press that composes `message`. Every command a page composes must be one of the commands
// declared beside the composers, with its fields in their declared forms, so that a plan holding it opens
// again: a composer whose command the plan check does not know fails its own test here.
inline Outcome sent(std::string message, std::string title, std::string_view prompt = kPromptToUnit)
{
    const std::string_view command = std::string_view(message).substr(std::min(message.find('#'), message.size()));
    EXPECT_EQ(planCommandFault(command), std::nullopt) << message;
    return Outcome::composed({std::move(message), std::move(title), std::string(prompt)});
}

inline void PrintTo(const Outcome& outcome, std::ostream* os)
{
    for (const std::string& refusal : outcome.refusals) {
        *os << "[box: " << refusal << "] ";
    }
    if (outcome.command) {
        *os << "[" << outcome.command->message << " | " << outcome.command->title << " | " << outcome.command->prompt
            << "]";
    }
}

// The message of a refusal, or a mark that the text was accepted.
inline std::string messageOf(const Verdict& verdict)
{
    return verdict ? verdict->message : "(accepted)";
}

struct ValueField {
    DigitsAndValue rule;
    std::string digitsMessage;
    unsigned long minimum;
    unsigned long maximum;
    std::string rangeMessage;
    std::string repaired; // the field's text after a value out of range
};

// Both edges pass, a step past either is refused and repaired, a non-digit empties the field.
inline void expectWiring(const ValueField& field)
{
    SCOPED_TRACE(field.rangeMessage);
    EXPECT_FALSE(field.rule(std::to_string(field.minimum)));
    EXPECT_FALSE(field.rule(std::to_string(field.maximum)));
    std::vector<std::string> outside = {std::to_string(field.maximum + 1)};
    if (field.minimum > 0) {
        outside.push_back(std::to_string(field.minimum - 1));
    }
    for (const std::string& text : outside) {
        const Verdict verdict = field.rule(text);
        ASSERT_TRUE(verdict) << text;
        EXPECT_EQ(verdict->message, field.rangeMessage) << text;
        EXPECT_EQ(verdict->repairedText("12"), field.repaired) << text;
    }
    EXPECT_EQ(field.rule("1a"),
              (Refusal{field.digitsMessage, Refusal::Repair::Empty, Refusal::Order::BoxThenRepair, ""}));
}

} // namespace velmora
