#include "detectornames.h"

#include <gtest/gtest.h>

TEST(Detectornames, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
