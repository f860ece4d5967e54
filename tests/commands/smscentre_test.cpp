#include "composertest.h"
#include "smscentre.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

// Unlike the first start-up page, this page takes a number without the 48 prefix unchanged.
TEST(SmsCentre, ComposesTheNumberAsTyped)
{
    EXPECT_EQ(composeSmsCentre("0123", "48501200777"), sent("0123#0#48501200777#", "Definiowanie Centrum SMS"));
    EXPECT_EQ(composeSmsCentre("1234", "601000310"), sent("1234#0#601000310#", "Definiowanie Centrum SMS"));
    EXPECT_EQ(composeSmsCentre("1234", ""), Outcome::refused("Podaj numer Centrum SMS"));
}

TEST(SmsCentre, NumberFieldTakesSeventeenDigits)
{
    const DigitsAndLength rule = smsCentreNumberRule();
    EXPECT_FALSE(rule(std::string(17, '9')));
    EXPECT_EQ(messageOf(rule(std::string(18, '9'))), "Za duża ilość cyfr w definicji Centrum SMS");
    EXPECT_EQ(messageOf(rule("48 601")), "Numer Centrum powinien zawierać tylko cyfry");
}

TEST(SmsCentre, OperatorTable)
{
    ASSERT_EQ(kSmsOperators.size(), 5U);
    EXPECT_EQ(kSmsOperators[0].name, "ORANGE");
    EXPECT_EQ(kSmsOperators[0].centreNumber, "48501200777");
    EXPECT_EQ(kSmsOperators[1].centreNumber, "48602951111");
    EXPECT_EQ(kSmsOperators[2].centreNumber, "48601000310");
    EXPECT_EQ(kSmsOperators[3].centreNumber, "48790998250");
    EXPECT_EQ(kSmsOperators[kOtherOperator].name, "INNY");
    EXPECT_TRUE(kSmsOperators[kOtherOperator].centreNumber.empty());
}
