#pragma once
// Calendar arithmetic on date values: a date value counts days since
// 30 December 1899, its fraction being the time of day (0.5 = noon).
// This is the form the record file stores, so every part of the program
// speaks it; std::chrono does the actual calendar work.

#include <chrono>
#include <cstdint>
#include <string>

namespace temparoka {

// Day number of 1 January 1970, the epoch of std::chrono::sys_days.
inline constexpr std::int64_t kUnixEpochDay = 25569;

std::chrono::year_month_day dateFromDayNumber(std::int64_t day);
std::int64_t dayNumberFromDate(std::chrono::year_month_day date);

// Day number of a date value: the whole days, rounded down.
std::int64_t dayNumberOf(double dateValue);

// ISO 8601 week number (1 to 53) of the day holding dateValue: weeks start
// on Monday and week 1 holds the year's first Thursday.
int isoWeek(double dateValue);

// The year an ISO week belongs to: that of its Thursday, so 1 January may
// still count to the old year's week 53 and 31 December to week 1.
int isoWeekYear(double dateValue);

// Ordinary Gregorian calendar year of the day (not the ISO week-year).
int calendarYear(double dateValue);

// A day as a reader writes it: "8 Desember 2026" and "8 December 2026".
struct DayInWords {
    std::string indonesian;
    std::string english;
};
DayInWords dayInWords(std::int64_t day);

}  // namespace temparoka
