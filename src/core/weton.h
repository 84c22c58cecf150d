#pragma once
// The Javanese weton: the day of a seven-day week paired with the day of the
// five-day market week (pasaran), each with its number (neptu), and the
// match of two wetons (jodoh) from the sum of their numbers. Days are the
// program's day numbers (days since 30 December 1899); 1 January 1900 was
// Senin Pahing, and every day moves one step in both weeks. Pure rules, no
// Qt.

#include <cstdint>
#include <optional>
#include <string_view>

namespace temparoka {

enum class Weekday { Senin, Selasa, Rabu, Kamis, Jumat, Sabtu, Minggu };
enum class Pasaran { Legi, Pahing, Pon, Wage, Kliwon };

struct Weton {
    Weekday weekday;
    Pasaran pasaran;
    bool operator==(const Weton&) const = default;
};

// The weton of a calendar day.
Weton wetonOfDay(std::int64_t day);

// The Javanese day begins at sunset: a birth at or after 18:00 has the next
// day's weton. timeOfBirth is the fraction of the day; none when it is not
// known, which counts as the calendar day.
inline constexpr double kSunset = 18.0 / 24.0;
Weton wetonOfBirth(std::int64_t birthday, std::optional<double> timeOfBirth);

// A weton's number: its weekday's and its pasaran's added (7 to 18).
int neptu(Weekday weekday);
int neptu(Pasaran pasaran);
int neptu(Weton weton);

// The match of two wetons, from the remainder of their neptu's sum divided
// by eight; each match's value is its remainder.
enum class Jodoh { Pesthi, Pegat, Ratu, Jodoh, Topo, Tinari, Padu, Sujanan };
Jodoh jodohOf(int neptuSum);

std::string_view nameOf(Weekday weekday);
std::string_view nameOf(Pasaran pasaran);
std::string_view nameOf(Jodoh jodoh);

}  // namespace temparoka
