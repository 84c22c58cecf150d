#include "core/birthdata.h"
#include "core/record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace temparoka;

namespace {

constexpr double kToday = 46363;  // 7 December 2026

TEST(ChildrenLimit, GrowsOneChildPer365DaysFromFourteenUpToTwenty)
{
    struct Case {
        double birthday;
        int limit;
        const char* what;
    };
    // clang-format off
    const Case cases[] = {
        {kToday, 1, "born today"},
        {kToday + 400, 1, "born in the future"},
        {41250, 1, "14 calendar years before (7 Dec 2012)"},
        {40884, 2, "15 calendar years before (7 Dec 2011)"},
        {35406, 17, "30 calendar years before (7 Dec 1996)"},
        {24448, 20, "60 calendar years before (7 Dec 1966)"},
        {2, 20, "the earliest birthday"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(childrenLimit(kToday, c.birthday), c.limit) << c.what;
}

TEST(NoonForMidnight, OnlyExactMidnightBecomesNoon)
{
    EXPECT_EQ(noonForMidnight(0.0), 0.5);
    EXPECT_EQ(noonForMidnight(1.0 / 86400.0), 1.0 / 86400.0);
    EXPECT_EQ(noonForMidnight(kInitialTimeOfBirth), kInitialTimeOfBirth);
}

TEST(RestoredBirthData, ValuesTheControlsCannotHoldKeepTheirInitialValuesWhateverTheClock)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double birthday, time;
        std::int32_t children;
        double wantBirthday, wantTime;
        int wantChildren;
    };
    // clang-format off
    const Case cases[] = {
        {30000, 0.25, 3, 30000, 0.25, 3},
        {2, 0.0, 0, 2, 0.0, 0},                        // both range ends are fine
        {46363, 0.999, 10, 46363, 0.999, 10},          // today, 7 December 2026
        {30000.75, 0.25, 3, 30000, 0.25, 3},           // the picker takes the calendar day
        {1, 0.25, 3, kInitialBirthday, 0.25, 3},       // before 1 January 1900
        {46364, 0.25, 3, 46364, 0.25, 3},              // tomorrow: saved before the clock was set back
        {2958465, 0.25, 3, 2958465, 0.25, 3},          // 31 December 9999, the last day the picker shows
        {2958466, 0.25, 3, kInitialBirthday, 0.25, 3}, // 1 January 10000
        {42125, 0.25, 3, 42125, 0.25, 3},              // 2015: after the old limit of 11 October 2003
        {nan, nan, 3, kInitialBirthday, kInitialTimeOfBirth, 3},
        {inf, -inf, 3, kInitialBirthday, kInitialTimeOfBirth, 3},
        {30000, -0.1, 3, 30000, kInitialTimeOfBirth, 3},
        {30000, 1.0, 3, 30000, kInitialTimeOfBirth, 3},
        {30000, 0.25, 15, 30000, 0.25, 10},            // entered while 20 were allowed
        {30000, 0.25, -4, 30000, 0.25, 0},
        {30000, 0.25, std::numeric_limits<std::int32_t>::min(), 30000, 0.25, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        const BirthData data = restoredBirthData(c.birthday, c.time, c.children);
        EXPECT_EQ(data.birthday, c.wantBirthday) << c.birthday;
        EXPECT_EQ(data.timeOfBirth, c.wantTime) << c.time;
        EXPECT_EQ(data.children, c.wantChildren) << c.children;
    }
}

}  // namespace
