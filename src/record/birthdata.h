#pragma once
// Rules of the birth-data entry that do not depend on any window: the
// age-dependent children limit, noon for a time of exactly midnight, and
// which stored values the entry controls can take back from the record file.

#include <cstdint>

namespace temparoka {

// Range of the birthday picker: 1 January 1900 to 11 October 2003.
inline constexpr std::int64_t kEarliestBirthday = 2;
inline constexpr std::int64_t kLatestBirthday = 37905;

// Range of the children field as the window defines it; the first change of
// the birthday replaces the maximum with the age-dependent limit.
inline constexpr int kChildrenMinimum = 0;
inline constexpr int kChildrenInitialMaximum = 10;

// Whole part of (today - birthday) / 365 - 13, kept within 1 to 20.
int childrenLimit(double today, double birthday);

// A time of birth of exactly midnight becomes noon; any other stays.
double noonForMidnight(double timeOfBirth);

// The birth data the entry controls take from a stored record. A value the
// control cannot hold keeps the control's initial value; the children count
// is brought into the control's initial range.
struct BirthData {
    double birthday;
    double timeOfBirth;
    int children;
};
BirthData restoredBirthData(double storedBirthday, double storedTime, std::int32_t storedChildren);

}  // namespace temparoka
