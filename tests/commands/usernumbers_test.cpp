#include "usernumbers.h"

#include <gtest/gtest.h>

TEST(Usernumbers, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
