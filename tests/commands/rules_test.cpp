#include "composertest.h"
#include "ikucode.h"
#include "rules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;

namespace {

using Repair = Refusal::Repair;
using Order = Refusal::Order;

const DigitsAndLength kPhone{"digits", 17, "length"};

} // namespace

TEST(DigitsAndLength, Table)
{
    struct Row {
        std::string text;
        std::optional<std::string> message;
    };
    const std::vector<Row> rows = {
        {"", std::nullopt},
        {"0", std::nullopt},
        {std::string(17, '9'), std::nullopt},
        {std::string(18, '9'), "length"},
        {"48 601", "digits"},
        {"+48601", "digits"},
        {std::string(18, '9') + "x", "digits"}, // a non-digit edit shows only the digits message
    };
    for (const Row& row : rows) {
        const Verdict verdict = kPhone(row.text);
        ASSERT_EQ(verdict.has_value(), row.message.has_value()) << row.text;
        if (verdict) {
            EXPECT_EQ(verdict->message, *row.message);
            EXPECT_EQ(verdict->repair, Repair::Empty);
            EXPECT_EQ(verdict->order, Order::BoxThenRepair);
        }
    }
}

TEST(IkuCodeRule, EmptiesTheFieldOnANonDigitOrAFifthDigit)
{
    const DigitsAndLength rule = ikuCodeRule();
    EXPECT_FALSE(rule("0123"));
    EXPECT_EQ(messageOf(rule("12a")), "Kod IKU powinien zawierać tylko cyfry");
    EXPECT_EQ(messageOf(rule("12345")), "Kod IKU powinien zawierać cztery cyfry");
    EXPECT_EQ(rule("12345")->repairedText("1234"), "");
    EXPECT_TRUE(isCompleteIku("0000"));
    EXPECT_FALSE(isCompleteIku("123"));
}

TEST(CompareDecimal, HandlesAnyLengthWithoutOverflow)
{
    EXPECT_EQ(compareDecimal("0", 0), 0);
    EXPECT_EQ(compareDecimal("0000", 0), 0);
    EXPECT_EQ(compareDecimal("0007", 7), 0);
    EXPECT_EQ(compareDecimal("9999", 9999), 0);
    EXPECT_GT(compareDecimal("10000", 9999), 0);
    EXPECT_GT(compareDecimal("000000000000000000010000", 9999), 0);
    EXPECT_GT(compareDecimal("18446744073709551616", 18446744073709551615UL), 0);
    EXPECT_LT(compareDecimal("0", 1), 0);
}

TEST(DigitsAndValue, ClampsToTheBoundOrEmpties)
{
    const DigitsAndValue limit{"digits", 0, 9999, "max", Repair::SetTo, "9999"};
    const DigitsAndValue index{"digits", 1, 5, "range", Repair::Empty, ""};
    const DigitsAndValue period{"digits", 1, 9999, "range", Repair::SetTo, "1"};

    struct Row {
        const DigitsAndValue* rule;
        std::string text;
        std::optional<std::string> message;
        std::string repaired;
    };
    const std::vector<Row> rows = {
        {&limit, "", std::nullopt, ""},      {&limit, "0", std::nullopt, ""},
        {&limit, "0007", std::nullopt, ""},  {&limit, "9999", std::nullopt, ""},
        {&limit, "10000", "max", "9999"},    {&limit, std::string(30, '7'), "max", "9999"},
        {&limit, "5a", "digits", ""},        {&index, "0", "range", ""},
        {&index, "1", std::nullopt, ""},     {&index, "5", std::nullopt, ""},
        {&index, "05", std::nullopt, ""},    {&index, "6", "range", ""},
        {&period, "0", "range", "1"},        {&period, "10000", "range", "1"},
        {&period, "9999", std::nullopt, ""},
    };
    for (const Row& row : rows) {
        const Verdict verdict = (*row.rule)(row.text);
        ASSERT_EQ(verdict.has_value(), row.message.has_value()) << row.text;
        if (verdict) {
            EXPECT_EQ(verdict->message, *row.message) << row.text;
            EXPECT_EQ(verdict->repairedText("ignored"), row.repaired) << row.text;
            EXPECT_EQ(verdict->order, Order::BoxThenRepair);
        }
    }
}

TEST(TextAndLength, LengthIsCheckedFirstAndRestoresBeforeTheBox)
{
    const TextAndLength name{20, "too long", "forbidden", true};
    struct Row {
        std::string text;
        std::optional<std::string> message;
        Order order;
    };
    const std::vector<Row> rows = {
        {"", std::nullopt, {}},
        {std::string(20, 'a'), std::nullopt, {}},
        {"Hol {|} !\"$%&'()*+,-./:;<=>?@[\\]^_`", "too long", Order::RepairThenBox},
        {std::string(21, 'a'), "too long", Order::RepairThenBox},
        {"zażółć gęślą jaźń długie", "too long", Order::RepairThenBox}, // only the length box
        {"zażółć gęślą jaźń", "forbidden", Order::BoxThenRepair},       // 17 characters, 26 bytes
        {"ł", "forbidden", Order::BoxThenRepair},
        {"~", "forbidden", Order::BoxThenRepair},
        {"a#b", "forbidden", Order::BoxThenRepair},
        {"}", std::nullopt, {}},
        {"   ", std::nullopt, {}},
        {"\xff", "forbidden", Order::BoxThenRepair},
        // control codes would split the one-line command
        {"A\nB", "forbidden", Order::BoxThenRepair},
        {"A\tB", "forbidden", Order::BoxThenRepair},
        {"A\rB", "forbidden", Order::BoxThenRepair},
        {std::string("A\0B", 3), "forbidden", Order::BoxThenRepair},
        {"\x1f", "forbidden", Order::BoxThenRepair},
        {"\x7f", "forbidden", Order::BoxThenRepair},
        {" ", std::nullopt, {}},
    };
    for (const Row& row : rows) {
        const Verdict verdict = name(row.text);
        ASSERT_EQ(verdict.has_value(), row.message.has_value()) << row.text;
        if (verdict) {
            EXPECT_EQ(verdict->message, *row.message) << row.text;
            EXPECT_EQ(verdict->order, row.order) << row.text;
            EXPECT_EQ(verdict->repair, Repair::Restore);
            EXPECT_EQ(verdict->repairedText("before"), "before");
        }
    }
}

TEST(TextAndLength, HashIsAllowedWhereTheFieldSaysSo)
{
    const TextAndLength testText{100, "too long", "polish", false};
    EXPECT_FALSE(testText("Test #1"));
    EXPECT_TRUE(testText("Test ą"));
    EXPECT_FALSE(testText(std::string(100, '#')));
    EXPECT_EQ(messageOf(testText(std::string(101, '#'))), "too long");
}

TEST(TextAndLength, AnyCodePageCharacterCanBeAllowed)
{
    const TextAndLength anyText{TextAndLength::kNoLimit, "", "not in code page", false, 255};
    EXPECT_FALSE(anyText("*100#ąę~"));
    EXPECT_FALSE(anyText(std::string(40000, '1')));
    EXPECT_EQ(messageOf(anyText("中")), "not in code page");
    for (const std::string& text :
         std::initializer_list<std::string>{"*100#\n", "\t*100#", std::string("*1\0", 3), "*100\x7f#"}) {
        EXPECT_EQ(messageOf(anyText(text)), "not in code page") << text;
    }
}

TEST(PrefixRule, ReportsEveryFailingNonEmptyFieldInOrder)
{
    using Kind = PrefixFailure::Kind;
    struct Row {
        std::vector<std::string> numbers;
        std::vector<PrefixFailure> failures;
    };
    const std::vector<Row> rows = {
        {{"", "", "", "", ""}, {}},
        {{"48", "", "", "", ""}, {}},
        {{"4", "", "", "", ""}, {{0, Kind::TooShort}}},
        {{"601123456", "", "601123456", "", ""}, {{0, Kind::WrongPrefix}, {2, Kind::WrongPrefix}}},
        {{"", "84", "4", "", "48601"}, {{1, Kind::WrongPrefix}, {2, Kind::TooShort}}},
        {{"8", "", "", "", "49"}, {{0, Kind::TooShort}, {4, Kind::WrongPrefix}}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(prefixFailures(row.numbers), row.failures);
    }
}
