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

int isoWeek(double dateValue)
{
    const sys_days day{days{dayNumberOf(dateValue) - kUnixEpochDay}};
    // The Thursday of the same Monday-based week decides the week's year.
    const unsigned isoWeekday = weekday{day}.iso_encoding();  // Monday 1 .. Sunday 7
    const sys_days thursday = day - days{isoWeekday - 1} + days{3};
    const year thursdayYear = year_month_day{thursday}.year();
    const sys_days firstOfYear{thursdayYear / January / 1};
    return static_cast<int>((thursday - firstOfYear).count() / 7) + 1;
}

int calendarYear(double dateValue)
{
    return static_cast<int>(dateFromDayNumber(dayNumberOf(dateValue)).year());
}

}  // namespace temparoka
