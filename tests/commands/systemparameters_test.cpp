#include "systemparameters.h"

#include <gtest/gtest.h>

TEST(Systemparameters, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
