#include "firststart.h"

#include <gtest/gtest.h>

TEST(Firststart, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
