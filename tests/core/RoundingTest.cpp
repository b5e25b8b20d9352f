#include "core/Rounding.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(Rounding, RoundsHalvesToEven)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(2.5001), 3);
}

TEST(Rounding, DivAndTruncGoTowardZero)
{
    EXPECT_EQ(Div(7, 2), 3);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2.9), 2);
}

TEST(Rounding, MulDivRoundsHalfAwayFromZeroAndRejectsZeroDivisor)
{
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}
