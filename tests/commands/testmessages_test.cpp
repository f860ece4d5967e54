#include "testmessages.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace velmora;
using Repair = Refusal::Repair;

namespace {

const std::string kSmsEmpty = "Wypełnij wszystkie pola danych definicji SMS testowego ";
const std::string kClipEmpty = "Wypełnij wszystkie pola danych definicji CLIP testowego ";

} // namespace

TEST(TestMessages, TestSmsActivation)
{
    EXPECT_EQ(composeTestSmsOn("0123", "2", "30", "Test"),
              Outcome::composed({"0123#TS#2#30#Test#", "Definiowanie SMS testowego", "Wyslij SMS o treści:"}));
}

TEST(TestMessages, TestSmsArgumentsAreCopiedAsTyped)
{
    EXPECT_EQ(composeTestSmsOn("1234", "05", "0030", "Alarm #1 {ok}").command->message,
              "1234#TS#05#0030#Alarm #1 {ok}#");
    EXPECT_EQ(composeTestSmsOn("1234", "5", "9999", std::string(100, 'x')).command->message,
              "1234#TS#5#9999#" + std::string(100, 'x') + "#");
}

TEST(TestMessages, TestSmsNeedsEveryField)
{
    struct Row {
        std::string index, period, text;
    };
    const std::vector<Row> rows = {
        {"", "30", "Test"},
        {"2", "", "Test"},
        {"2", "30", ""},
        {"", "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(composeTestSmsOn("1234", row.index, row.period, row.text), Outcome::refused(kSmsEmpty))
            << row.index << "/" << row.period << "/" << row.text;
    }
}

TEST(TestMessages, TestClipActivation)
{
    EXPECT_EQ(composeTestClipOn("0123", "1", "9999"),
              Outcome::composed({"0123#TC#1#9999#", "Definiowanie CLIP testowego", "Wyslij SMS o treści:"}));
}

TEST(TestMessages, TestClipNeedsBothFields)
{
    EXPECT_EQ(composeTestClipOn("1234", "3", ""), Outcome::refused(kClipEmpty));
    EXPECT_EQ(composeTestClipOn("1234", "", "60"), Outcome::refused(kClipEmpty));
    EXPECT_EQ(composeTestClipOn("1234", "", ""), Outcome::refused(kClipEmpty));
}

TEST(TestMessages, Deactivations)
{
    EXPECT_EQ(composeTestSmsOff("0123"),
              Outcome::composed({"0123#TS#0#0##", "Dezaktywacja opcji SMS testowego", "Wyslij SMS o treści:"}));
    EXPECT_EQ(composeTestClipOff("0123"),
              Outcome::composed({"0123#TC#0#0#", "Dezaktywacja opcji CLIP testowego", "Wyslij SMS o treści:"}));
}

namespace {

struct RuleRow {
    std::string text;
    std::optional<std::string> message; // none: accepted
    std::string repaired;
};

void expectRule(const DigitsAndValue& rule, const std::vector<RuleRow>& rows)
{
    for (const RuleRow& row : rows) {
        const Verdict verdict = rule(row.text);
        ASSERT_EQ(verdict.has_value(), row.message.has_value()) << row.text;
        if (verdict) {
            EXPECT_EQ(verdict->message, *row.message) << row.text;
            EXPECT_EQ(verdict->repairedText("ignored"), row.repaired) << row.text;
            EXPECT_EQ(verdict->order, Refusal::Order::BoxThenRepair) << row.text;
        }
    }
}

} // namespace

TEST(TestMessages, UserIndexIsOneToFiveAndEmptiedOutside)
{
    const std::string digits = "Index użytkownika  powinien zawierać tylko cyfry ";
    const std::string range = "Index uzytkownika powinien zawiera się w przedziale od 1 do 5";
    expectRule(testUserIndexRule(), {
                                        {"", std::nullopt, ""},
                                        {"0", range, ""},
                                        {"1", std::nullopt, ""},
                                        {"5", std::nullopt, ""},
                                        {"6", range, ""},
                                        {std::string(30, '1'), range, ""},
                                        {"-1", digits, ""},
                                        {"2 ", digits, ""},
                                        {"a", digits, ""},
                                    });
}

TEST(TestMessages, PeriodsAreOneTo9999AndSetToOneOutside)
{
    struct Period {
        DigitsAndValue rule;
        std::string digits;
        std::string range;
    };
    const std::vector<Period> periods = {
        {testSmsPeriodRule(), "Okres wysyłanych SMS powinien zawierać tylko cyfry ",
         "Maxymalna wartość okresu wysylanych SMS to 9999 a minimalna 1"},
        {testClipPeriodRule(), "Okres wysyłanych CLIP powinien zawierać tylko cyfry ",
         "Maxymalna wartość okresu wysylanych CLIP to 9999 a minimalna 1"},
    };
    for (const Period& period : periods) {
        SCOPED_TRACE(period.range);
        expectRule(period.rule, {
                                    {"", std::nullopt, ""},
                                    {"0", period.range, "1"},
                                    {"0000", period.range, "1"},
                                    {"1", std::nullopt, ""},
                                    {"0001", std::nullopt, ""},
                                    {"9999", std::nullopt, ""},
                                    {"10000", period.range, "1"},
                                    {std::string(30, '9'), period.range, "1"},
                                    {"1.5", period.digits, ""},
                                    {"+5", period.digits, ""},
                                });
    }
}

TEST(TestMessages, TestTextRule)
{
    const TextAndLength rule = testTextRule();
    const std::string tooLong = "Treść wiadomości testowej nie może przekraczać 100 znaków";
    const std::string polish = "Treść SMS testowego nie może zawierać polskich znaków";
    EXPECT_FALSE(rule("Test #1 {|}"));
    EXPECT_FALSE(rule(std::string(100, 'a')));

    const Verdict longer = rule(std::string(101, 'a'));
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->message, tooLong);
    EXPECT_EQ(longer->order, Refusal::Order::RepairThenBox);
    EXPECT_EQ(longer->repairedText("before"), "before");

    for (const std::string text : {"Test ł", "~", "Zażółć"}) {
        const Verdict verdict = rule(text);
        ASSERT_TRUE(verdict) << text;
        EXPECT_EQ(verdict->message, polish) << text;
        EXPECT_EQ(verdict->order, Refusal::Order::BoxThenRepair) << text;
        EXPECT_EQ(verdict->repairedText("before"), "before") << text;
    }
}
