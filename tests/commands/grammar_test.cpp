#include "grammar.h"
#include "message.h"
#include "planfile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

std::string described(const CommandForm& command)
{
    return "„" + std::string(command.code()) + "” with " + std::to_string(command.fields().size()) + " fields";
}

// A field of each kind as a page could fill it; a kind without one is a warning of the switch.
std::string_view sampleField(Field kind)
{
    switch (kind) {
    case Field::Number:
        return "12";
    case Field::Digits:
        return "48601";
    case Field::Mask:
        return "10";
    case Field::Name:
        return "Dom";
    case Field::Text:
        return "Alarm #1";
    case Field::Selection:
        return "1#3";
    case Field::Typed:
        return "*101#";
    }
    return {};
}

// The command with each field filled as a page could fill it, from its first "#".
std::string sampleOf(const CommandForm& command)
{
    Message message("", command);
    for (const FieldForm& field : command.fields()) {
        message.arg(sampleField(field.kind));
    }
    return message.text();
}

bool takesTheRest(const FieldForm& field)
{
    return field.kind == Field::Selection || field.kind == Field::Text || field.kind == Field::Typed;
}

} // namespace

TEST(Grammar, EveryDeclaredCommandOpensFromAPlan)
{
    for (const CommandForm* command : composedCommands()) {
        const std::string sample = sampleOf(*command);
        EXPECT_TRUE(command->fits(sample)) << sample;
        EXPECT_EQ(planCommandFault(sample), std::nullopt) << sample;
    }
}

// A stray or missing "#" shows as a field too many or too few; only a test SMS text and a selection take any
// number of "#".
TEST(Grammar, ACommandWithAFieldTooManyOrNoneDoesNotFit)
{
    for (const CommandForm* command : composedCommands()) {
        if (command->isTyped()) {
            continue;
        }
        const std::string sample = sampleOf(*command);
        const std::string bare = "#" + std::string(command->code()) + "#";
        if (!command->fields().empty()) {
            EXPECT_FALSE(command->fits(bare)) << bare;
        }
        if (command->fields().empty() || !takesTheRest(command->fields().back())) {
            EXPECT_FALSE(command->fits(sample + "1#")) << sample;
            EXPECT_FALSE(command->fits(sample + "#")) << sample;
        }
    }
}

// Fitting reads fields in order and gives the rest of the command to a field that takes it: such a field must
// stand last, and a typed one, which has no "#" to follow, alone.
TEST(Grammar, FieldsThatTakeTheRestStandLast)
{
    for (const CommandForm* command : composedCommands()) {
        const auto fields = command->fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const bool alone = fields[i].kind == Field::Selection || fields[i].kind == Field::Typed;
            EXPECT_TRUE(!takesTheRest(fields[i]) || i + 1 == fields.size()) << described(*command);
            EXPECT_TRUE(!alone || fields.size() == 1) << described(*command);
            EXPECT_EQ(fields[i].kind == Field::Typed, fields[i].typedRule != nullptr) << described(*command);
        }
    }
}

// A command stated twice is a grammar written twice: two composers of one command share its declaration.
TEST(Grammar, EachCommandIsDeclaredOnce)
{
    const auto commands = composedCommands();
    for (auto first = commands.begin(); first != commands.end(); ++first) {
        for (auto second = first + 1; second != commands.end(); ++second) {
            const bool sameFields = std::equal((*first)->fields().begin(), (*first)->fields().end(),
                                               (*second)->fields().begin(), (*second)->fields().end(),
                                               [](const FieldForm& a, const FieldForm& b) { return a.kind == b.kind; });
            EXPECT_FALSE((*first)->code() == (*second)->code() && sameFields) << described(**first);
        }
    }
}
