#include "composertest.h"
#include "remotecontrols.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;

namespace {

Outcome sms(std::string message, std::string title, std::string_view prompt = kPromptSms)
{
    return sent(std::move(message), std::move(title), prompt);
}

} // namespace

TEST(RemoteControls, SlotOperationsComposeOrRefuse)
{
    struct Row {
        Outcome (*compose)(std::string_view, const Ticks&);
        Ticks ticks;
        Outcome expected;
    };
    const std::string remoteRemoval = "Usuwanie wybranych pilotów z systemu";
    const std::string codeRemoval = "Usuwanie wybranych kodów klawiatur  z systemu";
    const std::vector<Row> rows = {
        {composeRemote, ticksOf(10, {}), Outcome::refused("Wybierz jednego uzytkownika")},
        {composeRemote, ticksOf(10, {10}), sms("0123#P#10#", "Wprogramowywanie pilota do systemu")},
        {composeRemoteRemoval, ticksOf(10, {}),
         Outcome::refused("Wybierz co najmniej jednego pilota do usunięcia z systemu")},
        {composeRemoteRemoval, ticksOf(10, {10, 2}), sms("0123#PN#2#10#", remoteRemoval)},
        {composeRemoteRemoval, allBut(10, 10), sms("0123#PN#1#2#3#4#5#6#7#8#9#", remoteRemoval)},
        {composeRemoteRemoval, Ticks(10, true), sms("0123#PN#W#", remoteRemoval)},
        {composeKeypadCode, ticksOf(10, {}), Outcome::refused("Wybierz jednego użytkownika ")},
        {composeKeypadCode, ticksOf(10, {1}), sms("0123#A#1#", "Wprogramowywanie kodu klawiatury do systemu")},
        {composeKeypadCodeRemoval, ticksOf(10, {}),
         Outcome::refused("Wybierz co najmniej jedn kod klawiatury do usunięcia z systemu")},
        {composeKeypadCodeRemoval, allBut(10, 1), sms("0123#AN#2#3#4#5#6#7#8#9#10#", codeRemoval)},
        {composeKeypadCodeRemoval, Ticks(10, true), sms("0123#AN#W#", codeRemoval)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.compose("0123", row.ticks), row.expected);
    }
}

// Group remote and group keypad programming share the command; only the remote one's prompt reads "tresći".
TEST(RemoteControls, GroupAndDoorOperationsAlwaysCompose)
{
    EXPECT_EQ(composeGroupRemotes("0123"),
              sms("0123#P#", "Wprogramowywanie grupowe pilotów do systemu", "Wyślij SMS o tresći:"));
    EXPECT_EQ(composeGroupKeypadCodes("0123"), sms("0123#P#", "Wprogramowywanie grupowe klawiatur  do systemu"));
    EXPECT_EQ(composeDoorModuleAdd("0123"), sms("0123#D#", "Wprogramowywanie modułu drzwi do systemu"));
    EXPECT_EQ(composeDoorModuleRemoval("0123"), sms("0123#DN#", "Usunięcie modułu drzwi z systemu"));
}
