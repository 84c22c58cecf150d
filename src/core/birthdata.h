#pragma once
// Rules of the birth-data entry that do not depend on any window: the
// age-dependent children limit, noon for a time of exactly midnight, and
// which stored values the entry controls can take back from the record file.

#include <cstdint>

namespace temparoka {

// The earliest day the birthday picker takes: 1 January 1900. The latest
// the reader may enter is today, by the program's clock; a stored birthday
// may lie later (saved before the clock was set back) and the picker shows
// any up to 31 December 9999, its last four-digit year.
inline constexpr std::int64_t kEarliestBirthday = 2;
inline constexpr std::int64_t kLatestStoredBirthday = 2958465;

// Range of the children field as the window defines it; the first change of
// the birthday replaces the maximum with the age-dependent limit.
inline constexpr int kChildrenMinimum = 0;
inline constexpr int kChildrenInitialMaximum = 10;

// Whole part of (today - birthday) / 365 - 13, kept within 1 to 20.
int childrenLimit(double today, double birthday);

// A time of birth of exactly midnight becomes noon; any other stays.
double noonForMidnight(double timeOfBirth);

// The birth data the entry controls take from a stored record. A value the
// control cannot hold (a birthday before 1900 or past the year 9999, a time
// outside the day) keeps the control's initial value; the children count
// is brought into the control's initial range. The clock has no say: a
// birthday after today is the reader's all the same.
struct BirthData {
    double birthday = 0;  // day number
    double timeOfBirth = 0;  // day fraction; the initial value when not known
    int children = 0;
    bool timeKnown = true;  // false while the reader says "tidak tahu"
};
BirthData restoredBirthData(double storedBirthday, double storedTime, std::int32_t storedChildren);

}  // namespace temparoka
