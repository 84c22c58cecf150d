#pragma once
// Rules of the birth-data entry that do not depend on any window: the
// age-dependent children limit, noon for a time of exactly midnight, and
// which stored values the entry controls can take back from the record file.

#include <cstdint>

namespace temparoka {

// The earliest day the birthday picker takes: 1 January 1900. The latest
// is today, by the program's clock.
inline constexpr std::int64_t kEarliestBirthday = 2;

// Range of the children field as the window defines it; the first change of
// the birthday replaces the maximum with the age-dependent limit.
inline constexpr int kChildrenMinimum = 0;
inline constexpr int kChildrenInitialMaximum = 10;

// Whole part of (today - birthday) / 365 - 13, kept within 1 to 20.
int childrenLimit(double today, double birthday);

// A time of birth of exactly midnight becomes noon; any other stays.
double noonForMidnight(double timeOfBirth);

// The birth data the entry controls take from a stored record, the latest
// birthday being today's day number. A value the control cannot hold (a
// birthday after today, saved under a clock set wrong) keeps the control's
// initial value; the children count is brought into the control's initial
// range.
struct BirthData {
    double birthday;
    double timeOfBirth;
    int children;
};
BirthData restoredBirthData(double storedBirthday, double storedTime, std::int32_t storedChildren,
                            std::int64_t latestBirthday);

}  // namespace temparoka
