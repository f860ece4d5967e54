#include "detectors.h"

#include <gtest/gtest.h>

TEST(Detectors, Placeholder)
{
    EXPECT_EQ(velmora::Message("1234", "X").text(), "1234#X#");
}
