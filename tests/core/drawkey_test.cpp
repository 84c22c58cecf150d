#include "core/drawkey.h"
#include "core/record.h"

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

TEST(DrawKey, DifferentDataWithTheSameSumShareAKey)
{
    const double t = kInitialTimeOfBirth;
    const double base = drawKey(24236, t, 2, 50);
    EXPECT_EQ(drawKey(24237, t, 2, 49), base);  // a day later, a week earlier
    EXPECT_EQ(drawKey(24237, t, 1, 50), base);  // a day later, a child fewer
    EXPECT_NE(drawKey(24236, 0.5, 2, 50), base);  // noon differs from 12:00:01
    EXPECT_NE(drawKey(24236, t, 2, 51), base);
}

TEST(DrawKey, IsSummedInExtendedPrecisionAndRoundedOnce)
{
    // Summed step by step in double this would end in ...9fe.
    const double t = 47894356 / 86400000.0;
    EXPECT_EQ(drawKey(972, t, 17, 45), 0x1.02a37a30619fdp+10);
}

TEST(DrawKey, InitialBirthDataInTheWorkedWeek)
{
    EXPECT_EQ(drawKey(kInitialBirthday, kInitialTimeOfBirth, 0, 50), 24286.500011574074);
}

}  // namespace
