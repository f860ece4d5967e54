#include "firststart.h"
#include "smscentre.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

const std::string kIkuMissing = "Wpisz kod IKU  zawierający cztery cyfry";
const std::string kCentrePrefix = "Numer Centrum SMS musi rozpoczynać się od przedrostka \"48\". ";
const std::string kNoUser =
    "Podaj numer telefonu dla co najmniej jednego użytkownika. Numer musi zaczynać się od cyfr: 48";
const std::string kUserPrefix =
    "Numer telefonu musi rozpoczynać od przedrostka \"48\". Na przykład jeśli numer telefonu "
    "ma postać: 601123456 to należy wpisać: 48601123456";
const std::string kPrompt = "Wyślij do urządzenia SMS o treści:";

Ticks keypadTicks(std::size_t ticked)
{
    Ticks ticks(kKeypadUsers, false);
    ticks[ticked - 1] = true;
    return ticks;
}

} // namespace

TEST(FirstStartCentre, ComposesTheNumberWithTheTitleAndPrompt)
{
    EXPECT_EQ(composeFirstStartCentre("0123", "48501200777"),
              Outcome::composed({"0123#0#48501200777#", "Definiowanie Centrum SMS", kPrompt}));
}

TEST(FirstStartCentre, RefusalsInTheirOrder)
{
    struct Row {
        std::string iku;
        std::string number;
        std::string refusal;
    };
    const Row rows[] = {
        {"012", "48501200777", kIkuMissing},     {"", "", kIkuMissing},        {"012", "601000310", kIkuMissing},
        {"0123", "", "Podaj numer Centrum SMS"}, {"0123", "4", kCentrePrefix}, {"0123", "84501200777", kCentrePrefix},
        {"0123", "601000310", kCentrePrefix},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.iku + " / " + row.number);
        EXPECT_EQ(composeFirstStartCentre(row.iku, row.number), Outcome::refused(row.refusal));
    }
}

TEST(FirstStartCentre, TheTwoPrefixDigitsAlonePass)
{
    EXPECT_EQ(composeFirstStartCentre("9999", "48").command->message, "9999#0#48#");
}

TEST(FirstStartUsers, EachNumberStandsAtItsUsersPosition)
{
    struct Row {
        UserNumbers numbers;
        std::string message;
    };
    const Row rows[] = {
        {{"48601123456", "", "", "", ""}, "0123#G#48601123456#####"},
        {{"", "", "48601123456", "", ""}, "0123#G###48601123456###"},
        {{"", "", "", "", "48"}, "0123#G#####48#"},
        {{"481", "482", "483", "484", "48123456789012345"}, "0123#G#481#482#483#484#48123456789012345#"},
        {{"48600", "", "48700", "", ""}, "0123#G#48600##48700###"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        EXPECT_EQ(composeFirstStartUsers("0123", row.numbers),
                  Outcome::composed({row.message, "Definiowanie numerów użytkowników", kPrompt}));
    }
}

TEST(FirstStartUsers, RefusalsInTheirOrder)
{
    struct Row {
        std::string name;
        std::string iku;
        UserNumbers numbers;
        std::vector<std::string> refusals;
    };
    const Row rows[] = {
        {"short IKU before every other check", "123", {"", "6", "", "", ""}, {kIkuMissing}},
        {"none given", "0123", {"", "", "", "", ""}, {kNoUser}},
        {"single digit in user 1 only", "0123", {"4", "", "", "", ""}, {kNoUser}},
        {"single digits in users 2 and 3", "0123", {"", "5", "4", "", ""}, {kNoUser, kUserPrefix, kUserPrefix}},
        {"single digits everywhere",
         "0123",
         {"4", "4", "4", "4", "4"},
         {kNoUser, kUserPrefix, kUserPrefix, kUserPrefix, kUserPrefix}},
        {"wrong prefix in user 1", "0123", {"601123456", "", "", "", ""}, {kUserPrefix}},
        {"one box per failing field", "0123", {"48601", "4", "", "84", "48"}, {kUserPrefix, kUserPrefix}},
        {"every field failing",
         "0123",
         {"6", "49", "84", "1", "00"},
         {kUserPrefix, kUserPrefix, kUserPrefix, kUserPrefix, kUserPrefix}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(composeFirstStartUsers(row.iku, row.numbers), (Outcome{row.refusals, std::nullopt}));
    }
}

TEST(FirstStartKeypadCode, ComposesTheOneTickedUser)
{
    for (std::size_t user : {1U, 7U, 10U}) {
        SCOPED_TRACE(user);
        EXPECT_EQ(composeFirstStartKeypadCode("0123", keypadTicks(user)),
                  Outcome::composed({"0123#A#" + std::to_string(user) + "#",
                                     "Wprogramowywanie kodu klawiatury do systemu", kPrompt}));
    }
}

TEST(FirstStartKeypadCode, NoTickShowsNothingAndAShortIkuIsRefusedFirst)
{
    EXPECT_EQ(composeFirstStartKeypadCode("0123", Ticks(kKeypadUsers, false)), Outcome::nothing());
    EXPECT_EQ(composeFirstStartKeypadCode("012", Ticks(kKeypadUsers, false)), Outcome::refused(kIkuMissing));
    EXPECT_EQ(composeFirstStartKeypadCode("01234", keypadTicks(3)), Outcome::refused(kIkuMissing));
}

TEST(FirstStartRules, NumberFieldsTakeSeventeenDigits)
{
    const DigitsAndLength centre = smsCentreNumberRule();
    EXPECT_EQ(centre.digitsMessage, "Numer Centrum powinien zawierać tylko cyfry");
    EXPECT_EQ(centre.lengthMessage, "Za duża ilość cyfr w definicji Centrum SMS");
    EXPECT_EQ(centre.limit, 17U);
    const DigitsAndLength user = userNumberRule();
    EXPECT_EQ(user.digitsMessage, "Numer Użytkownika powinien zawierać tylko cyfry");
    EXPECT_EQ(user.lengthMessage, "Za duża ilość cyfr w definicji numeru użytkownika");
    EXPECT_EQ(user.limit, 17U);
}
