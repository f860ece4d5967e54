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

// Factory settings, all user names and every remove-all form lose what the unit holds; a removal of some, and
// every other command, loses nothing worth a question.
TEST(Grammar, KnowsTheCommandsThatWipeAndWhatEachLoses)
{
    struct Case {
        std::string_view command;
        std::optional<std::string_view> loss;
    };
    const Case cases[] = {
        {"1234#F#", "Centrala wróci do ustawień fabrycznych: straci wszystko, co do niej wpisano, w tym numery i nazwy "
                    "użytkowników, czujki, piloty i kody klawiatur."},
        {"#F#", "Centrala wróci do ustawień fabrycznych: straci wszystko, co do niej wpisano, w tym numery i nazwy "
                "użytkowników, czujki, piloty i kody klawiatur."},
        {"1234#GN#W#",
         "Centrala usunie numery telefonów wszystkich pięciu użytkowników: trzeba je będzie wpisać od nowa."},
        {"1234#CN#W#", "Centrala usunie z systemu wszystkie czujki: trzeba je będzie wprogramować od nowa."},
        {"1234#RN#", "Centrala usunie nazwy wszystkich dziesięciu użytkowników: trzeba je będzie wpisać od nowa."},
        {"1234#PN#W#", "Centrala usunie z systemu wszystkie piloty: trzeba je będzie wprogramować od nowa."},
        {"1234#AN#W#", "Centrala usunie z systemu wszystkie kody klawiatur: trzeba je będzie wprogramować od nowa."},
        {"1234#GN#1#2#3#4#5#", std::nullopt},
        {"1234#CN#1#3#", std::nullopt},
        {"1234#PN#10#", std::nullopt},
        {"1234#AN#1#2#3#4#5#6#7#8#9#", std::nullopt},
        {"1234#RIN#1#2#", std::nullopt},
        {"1234#CIN#1#2#3#4#5#6#7#8#", std::nullopt},
        {"1234#ON#1#2#", std::nullopt},
        {"1234#S#", std::nullopt},
        {"1234#DN#", std::nullopt},
        {"1234#F#1#", std::nullopt}, // not a command the pages compose
        {"1234#K*W#", std::nullopt},
        {"1234", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wipeOf(c.command), c.loss) << c.command;
    }
}

// "All" is the remove-all form of a selection: a command without one could never say it.
TEST(Grammar, OnlyASelectionWipesWhenAll)
{
    for (const CommandForm* command : composedCommands()) {
        if (command->wipe().when == Wipes::WhenAll) {
            ASSERT_EQ(command->fields().size(), 1u) << described(*command);
            EXPECT_EQ(command->fields().front().kind, Field::Selection) << described(*command);
        }
        EXPECT_EQ(command->wipe().when == Wipes::Never, command->wipe().loss.empty()) << described(*command);
    }
}
