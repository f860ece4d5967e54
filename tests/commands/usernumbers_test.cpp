#include "usernumbers.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const std::string kPrompt = "Wyślij do urządzenia SMS o treści:";
const std::string kWithoutSie =
    "Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu "
    "ma postać: 601123456 to należy wpisać: 48601123456";
const std::string kWithSie = "Numer telefonu musi rozpoczynać się od przedrostka \"48\". Na przykład jeśli numer "
                             "telefonu ma postać: 601123456 to należy wpisać: 48601123456";

Ticks ticksOf(std::initializer_list<std::size_t> users)
{
    Ticks ticks(kPhoneUserCount, false);
    for (const std::size_t user : users) {
        ticks[user - 1] = true;
    }
    return ticks;
}

struct NumbersCase {
    const char* name;
    UserNumbers numbers;
    std::vector<std::string> refusals;
    std::string message; // empty when nothing is composed
};

class UserNumbersCommand : public testing::TestWithParam<NumbersCase> {};

TEST_P(UserNumbersCommand, ComposesOrRefuses)
{
    const NumbersCase& row = GetParam();
    const Outcome outcome = composeUserNumbers("1234", row.numbers);
    EXPECT_EQ(outcome.refusals, row.refusals);
    if (row.message.empty()) {
        EXPECT_FALSE(outcome.command);
    } else {
        ASSERT_TRUE(outcome.command);
        EXPECT_EQ(*outcome.command, (Command{row.message, "Definiowanie numerów użytkowników", kPrompt}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserNumbersCommand,
    testing::Values(
        NumbersCase{"OnlyU2KeepsItsPosition", {"", "48601123456", "", "", ""}, {}, "1234#G##48601123456####"},
        NumbersCase{"OnlyU5", {"", "", "", "", "48601123456"}, {}, "1234#G#####48601123456#"},
        NumbersCase{"OnlyU1", {"48601123456", "", "", "", ""}, {}, "1234#G#48601123456#####"},
        NumbersCase{"LeadingZeroIsNoPrefix",
                    {"48601000001", "48601000002", "48601000003", "48601000004", "048"},
                    {kWithoutSie},
                    ""},
        NumbersCase{"AllFiveValid",
                    {"48601000001", "48601000002", "48601000003", "48601000004", "4800000000000000"},
                    {},
                    "1234#G#48601000001#48601000002#48601000003#48601000004#4800000000000000#"},
        NumbersCase{"JustThePrefixPasses", {"", "", "48", "", ""}, {}, "1234#G###48###"},
        NumbersCase{"GapsBetweenNumbers", {"481", "", "482", "", "483"}, {}, "1234#G#481##482##483#"},
        NumbersCase{"AllEmpty", {"", "", "", "", ""}, {"Podaj numer telefonu dla co najmniej jednego użytkownika"}, ""},
        NumbersCase{"U1SingleDigitIsTooShort", {"4", "", "", "", ""}, {kWithoutSie}, ""},
        NumbersCase{"U1WrongPrefixSaysSie", {"601123456", "", "", "", ""}, {kWithSie}, ""},
        NumbersCase{"U1ReversedPrefixSaysSie", {"84601123456", "", "", "", ""}, {kWithSie}, ""},
        NumbersCase{"U3WrongPrefix", {"", "", "601123456", "", ""}, {kWithoutSie}, ""},
        NumbersCase{"U2AndU4OneBoxEach", {"48601", "601", "48602", "49", ""}, {kWithoutSie, kWithoutSie}, ""},
        NumbersCase{"U1FirstThenU2", {"601", "4", "", "", ""}, {kWithSie, kWithoutSie}, ""},
        NumbersCase{"EveryFieldFails", {"1", "2", "3", "4", "5"}, std::vector<std::string>(5, kWithoutSie), ""},
        NumbersCase{"OneFailureSpoilsTheRest", {"48601", "48602", "48603", "48604", "8"}, {kWithoutSie}, ""}),
    [](const testing::TestParamInfo<NumbersCase>& info) { return std::string(info.param.name); });

struct RemovalCase {
    const char* name;
    Ticks ticks;
    std::string message; // empty when refused
};

class UserNumbersRemoval : public testing::TestWithParam<RemovalCase> {};

TEST_P(UserNumbersRemoval, ComposesTheListOrTheShortForm)
{
    const RemovalCase& row = GetParam();
    const Outcome outcome = composeUserNumbersRemoval("0042", row.ticks);
    if (row.message.empty()) {
        EXPECT_EQ(outcome, Outcome::refused("Podaj co najmniej jednego użytkownika do usunięcia z systemu"));
    } else {
        EXPECT_EQ(outcome, Outcome::composed({row.message, "Usuwanie wybranych numerów z systemu", kPrompt}));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, UserNumbersRemoval,
                         testing::Values(RemovalCase{"AllFive", ticksOf({1, 2, 3, 4, 5}), "0042#GN#W#"},
                                         RemovalCase{"FourOfFive", ticksOf({1, 2, 3, 4}), "0042#GN#1#2#3#4#"},
                                         RemovalCase{"TwoAndFour", ticksOf({4, 2}), "0042#GN#2#4#"},
                                         RemovalCase{"OnlyFive", ticksOf({5}), "0042#GN#5#"},
                                         RemovalCase{"None", ticksOf({}), ""}),
                         [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

TEST(UserMasks, OneDigitPerUserWithoutShortForm)
{
    EXPECT_EQ(composeSmsMask("1234", ticksOf({1, 3})), (Command{"1234#SM#10100#", "Definiowanie maski SMS", kPrompt}));
    EXPECT_EQ(composeSmsMask("1234", ticksOf({})).message, "1234#SM#00000#");
    EXPECT_EQ(composeSmsMask("1234", ticksOf({1, 2, 3, 4, 5})).message, "1234#SM#11111#");
    EXPECT_EQ(composeRingMask("1234", ticksOf({1, 2, 3, 4, 5})),
              (Command{"1234#RM#11111#", "Definiowanie maski RING", kPrompt}));
    EXPECT_EQ(composeRingMask("1234", ticksOf({})).message, "1234#RM#00000#");
    EXPECT_EQ(composeRingMask("1234", ticksOf({5})).message, "1234#RM#00001#");
}

struct RuleCase {
    const char* text;
    std::optional<std::string> message;
};

class UserNumberRule : public testing::TestWithParam<RuleCase> {};

TEST_P(UserNumberRule, DigitsThenAtMostSeventeen)
{
    const Verdict verdict = userNumberRule()(GetParam().text);
    ASSERT_EQ(verdict.has_value(), GetParam().message.has_value());
    if (verdict) {
        EXPECT_EQ(*verdict, (Refusal{*GetParam().message, Refusal::Repair::Empty, Refusal::Order::BoxThenRepair, ""}));
    }
}

const std::string kDigits = "Numer Użytkownika powinien zawierać tylko cyfry";
const std::string kLength = "Za duża ilość cyfr w definicji numeru użytkownika";

INSTANTIATE_TEST_SUITE_P(Rows, UserNumberRule,
                         testing::Values(RuleCase{"", std::nullopt}, RuleCase{"0601", std::nullopt},
                                         RuleCase{"12345678901234567", std::nullopt},
                                         RuleCase{"123456789012345678", kLength}, RuleCase{"+48601", kDigits},
                                         RuleCase{"48 601", kDigits}, RuleCase{"48-601", kDigits},
                                         RuleCase{"48.6", kDigits}, RuleCase{"1e5", kDigits},
                                         RuleCase{"12345678901234567x", kDigits}));

} // namespace
