#include "remotecontrols.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

using namespace velmora;

namespace {

// Ten slots with the given numbers (1 to 10) ticked.
Ticks ticked(std::initializer_list<int> numbers)
{
    Ticks ticks(10, false);
    for (const int number : numbers) {
        ticks[static_cast<std::size_t>(number - 1)] = true;
    }
    return ticks;
}

Ticks allBut(int number)
{
    Ticks ticks(10, true);
    ticks[static_cast<std::size_t>(number - 1)] = false;
    return ticks;
}

using SlotComposer = std::function<Outcome(std::string_view, const Ticks&)>;

struct SlotCase {
    const char* name;
    SlotComposer compose;
    Ticks ticks;
    Outcome expected;
};

void PrintTo(const SlotCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::string kPrompt = "Wyślij SMS o treści:";

Outcome composed(std::string message, std::string title)
{
    return Outcome::composed({std::move(message), std::move(title), kPrompt});
}

class SlotOperations : public testing::TestWithParam<SlotCase> {};

TEST_P(SlotOperations, ComposeOrRefuse)
{
    const SlotCase& c = GetParam();
    EXPECT_EQ(c.compose("0123", c.ticks), c.expected);
}

const std::string kRemote = "Wprogramowywanie pilota do systemu";
const std::string kKeypadCode = "Wprogramowywanie kodu klawiatury do systemu";
const std::string kRemoteRemoval = "Usuwanie wybranych pilotów z systemu";
const std::string kKeypadCodeRemoval = "Usuwanie wybranych kodów klawiatur  z systemu";

INSTANTIATE_TEST_SUITE_P(
    Remotes, SlotOperations,
    testing::Values(
        SlotCase{"RemoteNone", composeRemote, ticked({}), Outcome::refused("Wybierz jednego uzytkownika")},
        SlotCase{"RemoteFirst", composeRemote, ticked({1}), composed("0123#P#1#", kRemote)},
        SlotCase{"RemoteThird", composeRemote, ticked({3}), composed("0123#P#3#", kRemote)},
        SlotCase{"RemoteTenth", composeRemote, ticked({10}), composed("0123#P#10#", kRemote)},
        SlotCase{"RemovalNone", composeRemoteRemoval, ticked({}),
                 Outcome::refused("Wybierz co najmniej jednego pilota do usunięcia z systemu")},
        SlotCase{"RemovalOne", composeRemoteRemoval, ticked({7}), composed("0123#PN#7#", kRemoteRemoval)},
        SlotCase{"RemovalList", composeRemoteRemoval, ticked({1, 3, 10}), composed("0123#PN#1#3#10#", kRemoteRemoval)},
        SlotCase{"RemovalTenAndTwo", composeRemoteRemoval, ticked({10, 2}), composed("0123#PN#2#10#", kRemoteRemoval)},
        SlotCase{"RemovalAllButFirst", composeRemoteRemoval, allBut(1),
                 composed("0123#PN#2#3#4#5#6#7#8#9#10#", kRemoteRemoval)},
        SlotCase{"RemovalAllButTenth", composeRemoteRemoval, allBut(10),
                 composed("0123#PN#1#2#3#4#5#6#7#8#9#", kRemoteRemoval)},
        SlotCase{"RemovalAll", composeRemoteRemoval, Ticks(10, true), composed("0123#PN#W#", kRemoteRemoval)}),
    [](const testing::TestParamInfo<SlotCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    KeypadCodes, SlotOperations,
    testing::Values(
        SlotCase{"CodeNone", composeKeypadCode, ticked({}), Outcome::refused("Wybierz jednego użytkownika ")},
        SlotCase{"CodeFirst", composeKeypadCode, ticked({1}), composed("0123#A#1#", kKeypadCode)},
        SlotCase{"CodeTenth", composeKeypadCode, ticked({10}), composed("0123#A#10#", kKeypadCode)},
        SlotCase{"RemovalNone", composeKeypadCodeRemoval, ticked({}),
                 Outcome::refused("Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu")},
        SlotCase{"RemovalOne", composeKeypadCodeRemoval, ticked({10}), composed("0123#AN#10#", kKeypadCodeRemoval)},
        SlotCase{"RemovalList", composeKeypadCodeRemoval, ticked({2, 5, 10}),
                 composed("0123#AN#2#5#10#", kKeypadCodeRemoval)},
        SlotCase{"RemovalAllButFifth", composeKeypadCodeRemoval, allBut(5),
                 composed("0123#AN#1#2#3#4#6#7#8#9#10#", kKeypadCodeRemoval)},
        SlotCase{"RemovalAll", composeKeypadCodeRemoval, Ticks(10, true), composed("0123#AN#W#", kKeypadCodeRemoval)}),
    [](const testing::TestParamInfo<SlotCase>& info) { return std::string(info.param.name); });

struct FixedCase {
    const char* name;
    std::function<Outcome(std::string_view)> compose;
    Command expected;
};

void PrintTo(const FixedCase& c, std::ostream* os)
{
    *os << c.name;
}

class FixedOperations : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedOperations, AlwaysCompose)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(c.compose("9876"), Outcome::composed(c.expected));
}

// Group remote and group keypad programming share the command; only the remote one's prompt reads "tresći".
INSTANTIATE_TEST_SUITE_P(
    GroupAndDoor, FixedOperations,
    testing::Values(FixedCase{"GroupRemotes",
                              composeGroupRemotes,
                              {"9876#P#", "Wprogramowywanie grupowe pilotów do systemu", "Wyślij SMS o tresći:"}},
                    FixedCase{"GroupKeypadCodes",
                              composeGroupKeypadCodes,
                              {"9876#P#", "Wprogramowywanie grupowe klawiatur  do systemu", "Wyślij SMS o treści:"}},
                    FixedCase{"DoorModuleAdd",
                              composeDoorModuleAdd,
                              {"9876#D#", "Wprogramowywanie modułu drzwi do systemu", "Wyślij SMS o treści:"}},
                    FixedCase{"DoorModuleRemoval",
                              composeDoorModuleRemoval,
                              {"9876#DN#", "Usunięcie modułu drzwi z systemu", "Wyślij SMS o treści:"}}),
    [](const testing::TestParamInfo<FixedCase>& info) { return std::string(info.param.name); });

} // namespace
