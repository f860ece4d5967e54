#include "systemparameters.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

constexpr std::string_view kPrompt = "Wyślij do urządzenia SMS o treści:";

Command command(std::string message, std::string title)
{
    return {std::move(message), std::move(title), std::string(kPrompt)};
}

struct ValueCase {
    ValueSetting setting;
    std::string message;
    std::string title;
    std::string emptyMessage;
};

class ValueCommands : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueCommands, ComposesTheValueAsTyped)
{
    const ValueCase& c = GetParam();
    EXPECT_EQ(composeValue(c.setting, "0123", "0007"), Outcome::composed(command(c.message, c.title)));
}

TEST_P(ValueCommands, AnEmptyFieldIsRefused)
{
    const ValueCase& c = GetParam();
    EXPECT_EQ(composeValue(c.setting, "0123", ""), Outcome::refused(c.emptyMessage));
}

INSTANTIATE_TEST_SUITE_P(
    EveryValueRow, ValueCommands,
    testing::Values(ValueCase{ValueSetting::DailySmsLimit, "0123#L#0007#", "Definiowanie limitu SMS",
                              "Podaj wartość Dobowego limitu SMS"},
                    ValueCase{ValueSetting::ArmingTime, "0123#TU#0007#", "Definiowanie czasu uzbrajania systemu",
                              "Podaj wartość Czasu uzbrajania systemu"},
                    ValueCase{ValueSetting::DisarmingTime, "0123#TR#0007#", "Definiowanie czasu rozbrajania systemu",
                              "Podaj wartość czasu rozbrajania systemu"},
                    ValueCase{ValueSetting::BalanceCheckByQuantity, "0123#NK#0007#",
                              "Definiowanie ilościowego badania konta",
                              "Podaj wartość ilościowego badania stanu konta"},
                    ValueCase{ValueSetting::BalanceCheckByTime, "0123#TK#0007#", "Definiowanie okresu badania konta",
                              "Podaj wartość czasowego badania stanu konta"}));

struct RuleCase {
    ValueSetting setting;
    std::string digitsMessage;
    std::string maximumMessage;
    std::string maximum;
};

struct LimitCase {
    std::string text;
    enum { Accepted, NotDigits, AboveMaximum } verdict;
};

class ValueRules : public testing::TestWithParam<std::tuple<RuleCase, LimitCase>> {};

TEST_P(ValueRules, DigitsUpToTheMaximum)
{
    const auto& [rule, limit] = GetParam();
    const Verdict verdict = valueRule(rule.setting)(limit.text);
    switch (limit.verdict) {
    case LimitCase::Accepted:
        EXPECT_EQ(verdict, std::nullopt);
        break;
    case LimitCase::NotDigits:
        EXPECT_EQ(verdict, (Refusal{rule.digitsMessage, Refusal::Repair::Empty, Refusal::Order::BoxThenRepair, ""}));
        ASSERT_TRUE(verdict);
        EXPECT_EQ(verdict->repairedText("12"), "");
        break;
    case LimitCase::AboveMaximum:
        EXPECT_EQ(verdict,
                  (Refusal{rule.maximumMessage, Refusal::Repair::SetTo, Refusal::Order::BoxThenRepair, rule.maximum}));
        ASSERT_TRUE(verdict);
        EXPECT_EQ(verdict->repairedText("12"), rule.maximum);
        break;
    }
}

const RuleCase kRulesUpTo9999[] = {
    {ValueSetting::DailySmsLimit, "Dobowy limit wysyłanych SMS powinien zawierać tylko cyfry ",
     "Maxymalna wartość limitu SMS to 9999", "9999"},
    {ValueSetting::ArmingTime, "Czas uzbrajania systemu powinien zawierać tylko cyfry ",
     "Maxymalna wartość czasu uzbrajania systemu to 9999", "9999"},
    {ValueSetting::DisarmingTime, "Czas rozbrajania systemu powinien zawierać tylko cyfry ",
     "Maxymalna wartość czasu rozbrajania systemu to 9999", "9999"},
    {ValueSetting::BalanceCheckByQuantity, "Ilościowe badanie stanu konta powinno zawierać tylko cyfry ",
     "Maxymalna wartość ilościowego badania stanu konta to 9999", "9999"},
};

const RuleCase kDaysRule = {ValueSetting::BalanceCheckByTime,
                            "Czasowe badanie stanu konta powinno zawierać tylko cyfry ",
                            "Maxymalna wartość czasowego badania stanu konta to 999 dni", "999"};

const LimitCase kCommonLimits[] = {
    {"", LimitCase::Accepted},
    {"0", LimitCase::Accepted},
    {"0007", LimitCase::Accepted},
    {"999", LimitCase::Accepted},
    {"000000000000000000000000000999", LimitCase::Accepted},
    {"123456789012", LimitCase::AboveMaximum},
    {"123456789012345678901234567890", LimitCase::AboveMaximum},
    {"-5", LimitCase::NotDigits},
    {"5a", LimitCase::NotDigits},
    {"5 ", LimitCase::NotDigits},
    {"+5", LimitCase::NotDigits},
    {"1.5", LimitCase::NotDigits},
    {"1e3", LimitCase::NotDigits},
    {"５", LimitCase::NotDigits}, // a full-width digit is not a digit the unit reads
};

INSTANTIATE_TEST_SUITE_P(Common9999, ValueRules,
                         testing::Combine(testing::ValuesIn(kRulesUpTo9999), testing::ValuesIn(kCommonLimits)));
INSTANTIATE_TEST_SUITE_P(Edges9999, ValueRules,
                         testing::Combine(testing::ValuesIn(kRulesUpTo9999),
                                          testing::Values(LimitCase{"1000", LimitCase::Accepted},
                                                          LimitCase{"9999", LimitCase::Accepted},
                                                          LimitCase{"09999", LimitCase::Accepted},
                                                          LimitCase{"10000", LimitCase::AboveMaximum})));
INSTANTIATE_TEST_SUITE_P(CommonDays, ValueRules,
                         testing::Combine(testing::Values(kDaysRule), testing::ValuesIn(kCommonLimits)));
INSTANTIATE_TEST_SUITE_P(EdgesDays, ValueRules,
                         testing::Combine(testing::Values(kDaysRule),
                                          testing::Values(LimitCase{"0999", LimitCase::Accepted},
                                                          LimitCase{"1000", LimitCase::AboveMaximum},
                                                          LimitCase{"9999", LimitCase::AboveMaximum})));

TEST(BalanceCheckNumber, FollowsTheCodeDirectlyWithNothingAdded)
{
    EXPECT_EQ(composeBalanceCheckNumber("0123", "*100#"),
              Outcome::composed(command("0123#K*100#", "Definiowanie numeru badania stanu konta")));
    EXPECT_EQ(composeBalanceCheckNumber("0123", "101").command->message, "0123#K101");
}

TEST(BalanceCheckNumber, AnEmptyNumberIsRefused)
{
    EXPECT_EQ(composeBalanceCheckNumber("0123", ""), Outcome::refused("Podaj numer Badania stanu konta"));
}

TEST(BalanceCheckNumber, TakesAnyTextTheUnitCanReceive)
{
    const TextAndLength rule = balanceCheckNumberRule();
    for (const char* accepted : {"*100#", "#*#", "ą", "~{|}", "Żółć 123", "é€"}) {
        EXPECT_EQ(rule(accepted), std::nullopt) << accepted;
    }
    const Refusal refused{"Numer badania stanu konta zawiera niedozwolony znak", Refusal::Repair::Restore,
                          Refusal::Order::BoxThenRepair, ""};
    for (const char* outside : {"*100中#", "😀", "ø", "\xff"}) {
        EXPECT_EQ(rule(outside), refused) << outside;
    }
}

TEST(NotificationMask, TenDigitsInUserOrder)
{
    const Ticks all(10, true);
    EXPECT_EQ(
        composeNotificationMask("0123", all),
        Outcome::composed(command("0123#Z#1111111111#", "Definiowanie maski zawiadomienia o uzbrojeniu rozbrojeniu")));
    Ticks someOff = all;
    someOff[2] = someOff[9] = false;
    EXPECT_EQ(composeNotificationMask("0123", someOff).command->message, "0123#Z#1101111110#");
    EXPECT_EQ(composeNotificationMask("0123", Ticks(10, false)).command->message, "0123#Z#0000000000#");
}

TEST(Options, EchoServiceModeAndFactorySettings)
{
    EXPECT_EQ(composeEcho("0123", true), Outcome::composed(command("0123#E#1#", "Definiowanie opcji echo")));
    EXPECT_EQ(composeEcho("0123", false), Outcome::composed(command("0123#E#0#", "Definiowanie opcji echo")));
    EXPECT_EQ(composeServiceMode("0123"), Outcome::composed(command("0123#S#", "Definiowanie trybu serwisowego")));
    EXPECT_EQ(composeFactorySettings("0123"),
              Outcome::composed(command("0123#F#", "Przywracanie ustawień fabrycznych")));
}

} // namespace
