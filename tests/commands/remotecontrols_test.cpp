#include "remotecontrols.h"

#include <gtest/gtest.h>

TEST(Remotecontrols, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
