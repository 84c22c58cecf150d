#include "common/calendar.h"

#include <cmath>

namespace temparoka {

using namespace std::chrono;

year_month_day dateFromDayNumber(std::int64_t day)
{
    return year_month_day{sys_days{days{day - kUnixEpochDay}}};
}

std::int64_t dayNumberFromDate(year_month_day date)
{
    return sys_days{date}.time_since_epoch().count() + kUnixEpochDay;
}

std::int64_t dayNumberOf(double dateValue)
{
    return static_cast<std::int64_t>(std::floor(dateValue));
}

namespace {

// The Thursday of the Monday-based week holding the day: it decides the
// week's number and its year.
sys_days thursdayOfWeek(double dateValue)
{
    const sys_days day{days{dayNumberOf(dateValue) - kUnixEpochDay}};
    const unsigned isoWeekday = weekday{day}.iso_encoding();  // Monday 1 .. Sunday 7
    return day - days{isoWeekday - 1} + days{3};
}

}  // namespace

int isoWeek(double dateValue)
{
    const sys_days thursday = thursdayOfWeek(dateValue);
    const sys_days firstOfYear{year_month_day{thursday}.year() / January / 1};
    return static_cast<int>((thursday - firstOfYear).count() / 7) + 1;
}

int isoWeekYear(double dateValue)
{
    return static_cast<int>(year_month_day{thursdayOfWeek(dateValue)}.year());
}

int calendarYear(double dateValue)
{
    return static_cast<int>(dateFromDayNumber(dayNumberOf(dateValue)).year());
}

}  // namespace temparoka
