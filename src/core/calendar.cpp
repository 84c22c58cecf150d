#include "core/calendar.h"

#include <array>
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

DayInWords dayInWords(std::int64_t day)
{
    static const std::array<const char*, 12> indonesianMonths = {"Januari",   "Februari", "Maret",    "April",
                                                                 "Mei",       "Juni",     "Juli",     "Agustus",
                                                                 "September", "Oktober",  "November", "Desember"};
    static const std::array<const char*, 12> englishMonths = {"January",   "February", "March",    "April",
                                                              "May",       "June",     "July",     "August",
                                                              "September", "October",  "November", "December"};
    const year_month_day date = dateFromDayNumber(day);
    const auto month = static_cast<unsigned>(date.month()) - 1;
    const std::string dayOfMonth = std::to_string(static_cast<unsigned>(date.day())) + ' ';
    const std::string year = ' ' + std::to_string(static_cast<int>(date.year()));
    return {dayOfMonth + indonesianMonths[month] + year, dayOfMonth + englishMonths[month] + year};
}

}  // namespace temparoka
