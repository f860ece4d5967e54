#include "smscentre.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(SmsCentre, ComposesTheNumberAsTyped)
{
    const Outcome outcome = composeSmsCentre("0123", "48501200777");
    ASSERT_TRUE(outcome.command);
    EXPECT_TRUE(outcome.refusals.empty());
    EXPECT_EQ(*outcome.command,
              (Command{"0123#0#48501200777#", "Definiowanie Centrum SMS", "Wyślij do urządzenia SMS o treści:"}));
}

TEST(SmsCentre, NumbersWithoutThePrefixAreComposedUnchanged)
{
    EXPECT_EQ(composeSmsCentre("1234", "601000310").command->message, "1234#0#601000310#");
    EXPECT_EQ(composeSmsCentre("1234", "12345678901234567").command->message, "1234#0#12345678901234567#");
}

TEST(SmsCentre, AnEmptyNumberIsRefused)
{
    EXPECT_EQ(composeSmsCentre("1234", ""), Outcome::refused("Podaj numer Centrum SMS"));
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
