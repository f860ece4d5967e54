#include "composertest.h"
#include "usernumbers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;

namespace {

const std::string kWithoutSie =
    "Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu "
    "ma postać: 601123456 to należy wpisać: 48601123456";
const std::string kWithSie = "Numer telefonu musi rozpoczynać się od przedrostka \"48\". Na przykład jeśli numer "
                             "telefonu ma postać: 601123456 to należy wpisać: 48601123456";

} // namespace

TEST(UserNumbers, EachNumberStandsAtItsUsersPosition)
{
    const std::string title = "Definiowanie numerów użytkowników";
    EXPECT_EQ(composeUserNumbers("1234", {"", "48601123456", "", "", ""}), sent("1234#G##48601123456####", title));
    EXPECT_EQ(composeUserNumbers("1234", {"48", "", "482", "", "48601000005"}),
              sent("1234#G#48##482##48601000005#", title));
    EXPECT_EQ(composeUserNumbers("1234", {"481", "482", "483", "484", "4800000000000000"}),
              sent("1234#G#481#482#483#484#4800000000000000#", title));
}

TEST(UserNumbers, RefusalsInTheirOrderAndOnlyUser1WrongPrefixSaysSie)
{
    struct Row {
        UserNumbers numbers;
        std::vector<std::string> refusals;
    };
    const Row rows[] = {
        {{"", "", "", "", ""}, {"Podaj numer telefonu dla co najmniej jednego użytkownika"}},
        {{"4", "", "", "", ""}, {kWithoutSie}},
        {{"601123456", "", "", "", ""}, {kWithSie}},
        {{"601", "4", "", "", ""}, {kWithSie, kWithoutSie}},
        {{"48601", "601", "48602", "49", ""}, {kWithoutSie, kWithoutSie}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(composeUserNumbers("1234", row.numbers), (Outcome{row.refusals, std::nullopt}));
    }
}

TEST(UserNumbers, RemovalListsTheTickedUsersOrRemovesAll)
{
    const std::string title = "Usuwanie wybranych numerów z systemu";
    EXPECT_EQ(composeUserNumbersRemoval("0042", Ticks(kPhoneUserCount, true)), sent("0042#GN#W#", title));
    EXPECT_EQ(composeUserNumbersRemoval("0042", allBut(kPhoneUserCount, 5)), sent("0042#GN#1#2#3#4#", title));
    EXPECT_EQ(composeUserNumbersRemoval("0042", ticksOf(kPhoneUserCount, {4, 2})), sent("0042#GN#2#4#", title));
    EXPECT_EQ(composeUserNumbersRemoval("0042", ticksOf(kPhoneUserCount, {})),
              Outcome::refused("Podaj co najmniej jednego użytkownika do usunięcia z systemu"));
}

TEST(UserNumbers, MasksHaveOneDigitPerUser)
{
    EXPECT_EQ(Outcome::composed(composeSmsMask("1234", ticksOf(kPhoneUserCount, {1, 3}))),
              sent("1234#SM#10100#", "Definiowanie maski SMS"));
    EXPECT_EQ(Outcome::composed(composeRingMask("1234", ticksOf(kPhoneUserCount, {5}))),
              sent("1234#RM#00001#", "Definiowanie maski RING"));
}

TEST(UserNumbers, NumberFieldTakesSeventeenDigits)
{
    const DigitsAndLength rule = userNumberRule();
    EXPECT_FALSE(rule(std::string(17, '9')));
    EXPECT_EQ(messageOf(rule(std::string(18, '9'))), "Za duża ilość cyfr w definicji numeru użytkownika");
    EXPECT_EQ(messageOf(rule("48 601")), "Numer Użytkownika powinien zawierać tylko cyfry");
}
