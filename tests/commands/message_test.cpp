#include "composertest.h"
#include "detectors.h"
#include "message.h"
#include "remotecontrols.h"
#include "smscentre.h"
#include "systemparameters.h"
#include "usernames.h"
#include "usernumbers.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(Message, IkuCodeThenEachPieceClosedByHash)
{
    EXPECT_EQ(Message("1234", kServiceModeCommand).text(), "1234#S#");
    EXPECT_EQ(Message("0012", kSmsCentreCommand).arg("48501200777").text(), "0012#0#48501200777#");
    EXPECT_EQ(Message("1234", kUserNumbersCommand).arg("").arg("48601").arg("").text(), "1234#G##48601##");
    EXPECT_EQ(Message("1234", kUserNameCommand).arg("1").arg("  Jan ").text(), "1234#RI#1#  Jan #");
}

TEST(Message, ATypedCommandClosesAsTyped)
{
    EXPECT_EQ(Message("1234", kBalanceCheckNumberCommand).arg("*101#").text(), "1234#K*101#");
    EXPECT_EQ(Message("1234", kBalanceCheckNumberCommand).arg("*101").text(), "1234#K*101");
}

TEST(SelectionList, AscendingNumbersEachClosedByHash)
{
    EXPECT_EQ(selectionList(ticksOf(10, {})), "");
    EXPECT_EQ(selectionList(ticksOf(10, {10, 2})), "2#10#");
    EXPECT_EQ(selectionList(ticksOf(10, {1, 3, 10})), "1#3#10#");
    EXPECT_EQ(Message("1234", kRemoteRemovalCommand).selection(ticksOf(10, {1, 3, 10})).text(), "1234#PN#1#3#10#");
}

TEST(SelectionList, RemoveAllFormOnlyWhenEveryBoxIsTicked)
{
    EXPECT_EQ(Message("1234", kDetectorRemovalCommand).selectionOrAll(ticksOf(8, {1, 2, 3, 4, 5, 6, 7, 8})).text(),
              "1234#CN#W#");
    EXPECT_EQ(Message("1234", kDetectorRemovalCommand).selectionOrAll(allBut(8, 4)).text(), "1234#CN#1#2#3#5#6#7#8#");
    EXPECT_EQ(Message("1234", kRemoteRemovalCommand).selectionOrAll(allBut(10, 10)).text(),
              "1234#PN#1#2#3#4#5#6#7#8#9#");
}

TEST(MaskDigits, OneDigitPerBoxInOrder)
{
    EXPECT_EQ(maskDigits(ticksOf(5, {1, 3})), "10100");
    EXPECT_EQ(maskDigits(ticksOf(8, {})), "00000000");
    EXPECT_EQ(maskDigits(ticksOf(2, {2})), "01");
    EXPECT_EQ(maskDigits(allBut(10, 3)), "1101111111");
}

TEST(Ticks, AllAndNone)
{
    EXPECT_TRUE(noneTicked(ticksOf(5, {})));
    EXPECT_FALSE(noneTicked(ticksOf(5, {5})));
    EXPECT_TRUE(allTicked(ticksOf(2, {1, 2})));
    EXPECT_FALSE(allTicked(ticksOf(2, {1})));
}
