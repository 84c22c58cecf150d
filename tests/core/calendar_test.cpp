#include "core/calendar.h"

#include <gtest/gtest.h>

using namespace temparoka;
using namespace std::chrono;

namespace {

struct DayCase {
    year_month_day date;
    std::int64_t day;
};

TEST(Calendar, DayNumbersAgreeWithDatesBothWays)
{
    // clang-format off
    const DayCase cases[] = {
        {1899y / December / 30, 0},      {1900y / January / 1, 2},
        {1966y / May / 9, 24236},        {2003y / October / 11, 37905},
        {1970y / January / 1, 25569},    {2026y / December / 7, 46363},
        {2000y / February / 29, 36585},
    };
    // clang-format on
    for (const DayCase& c : cases) {
        EXPECT_EQ(dayNumberFromDate(c.date), c.day) << c.day;
        EXPECT_EQ(dateFromDayNumber(c.day), c.date) << c.day;
    }
}

struct WeekCase {
    year_month_day date;
    int week;
    int year;
};

TEST(Calendar, IsoWeekAndCalendarYearAroundNewYear)
{
    // clang-format off
    const WeekCase cases[] = {
        {2026y / December / 7, 50, 2026},   // a Monday, the worked example's day
        {2021y / January / 1, 53, 2021},    // Friday: still the last week of 2020
        {2021y / January / 3, 53, 2021},    // Sunday ends that week
        {2021y / January / 4, 1, 2021},     // Monday starts week 1
        {2020y / December / 31, 53, 2020},  // Thursday in a 53-week year
        {2019y / December / 30, 1, 2019},   // Monday already in week 1 of 2020
        {2024y / December / 31, 1, 2024},   // Tuesday in week 1 of 2025
        {2016y / January / 1, 53, 2016},
        {2018y / January / 1, 1, 2018},
        {2022y / January / 2, 52, 2022},    // Sunday in the last week of a 52-week year
    };
    // clang-format on
    for (const WeekCase& c : cases) {
        const double value = static_cast<double>(dayNumberFromDate(c.date));
        EXPECT_EQ(isoWeek(value), c.week)
            << static_cast<int>(c.date.year()) << "-" << static_cast<unsigned>(c.date.month()) << "-"
            << static_cast<unsigned>(c.date.day());
        EXPECT_EQ(calendarYear(value), c.year);
        // The time of day does not move the day.
        EXPECT_EQ(isoWeek(value + 0.999), c.week);
        EXPECT_EQ(calendarYear(value + 0.999), c.year);
    }
}

}  // namespace
