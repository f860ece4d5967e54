#include "usernames.h"

#include <gtest/gtest.h>

TEST(Usernames, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
