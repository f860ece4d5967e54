#include "testmessages.h"

#include <gtest/gtest.h>

TEST(Testmessages, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
