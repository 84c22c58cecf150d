#include "core/weton.h"

#include <array>

namespace temparoka {

namespace {

// 1 January 1900, day 2, was Senin Pahing.
constexpr std::int64_t kSeninPahing = 2;

constexpr std::array<std::string_view, 7> kWeekdays = {"Senin", "Selasa", "Rabu", "Kamis", "Jumat", "Sabtu", "Minggu"};
constexpr std::array<std::string_view, 5> kPasaran = {"Legi", "Pahing", "Pon", "Wage", "Kliwon"};
constexpr std::array<std::string_view, 8> kJodoh = {"Pesthi", "Pegat",  "Ratu", "Jodoh",
                                                    "Topo",   "Tinari", "Padu", "Sujanan"};
// In the order of the enums above.
constexpr std::array<int, 7> kWeekdayNeptu = {4, 3, 7, 8, 6, 9, 5};
constexpr std::array<int, 5> kPasaranNeptu = {5, 9, 7, 4, 8};

// A remainder that is never negative, for days before the reference too.
constexpr std::int64_t stepsFrom(std::int64_t day, std::int64_t cycle)
{
    return ((day - kSeninPahing) % cycle + cycle) % cycle;
}

}  // namespace

Weton wetonOfDay(std::int64_t day)
{
    const auto weekday = static_cast<Weekday>(stepsFrom(day, 7));
    // Pahing is the second of the five.
    const auto pasaran = static_cast<Pasaran>((stepsFrom(day, 5) + 1) % 5);
    return {weekday, pasaran};
}

Weton wetonOfBirth(std::int64_t birthday, std::optional<double> timeOfBirth)
{
    return wetonOfDay(timeOfBirth && *timeOfBirth >= kSunset ? birthday + 1 : birthday);
}

int neptu(Weekday weekday)
{
    return kWeekdayNeptu[static_cast<std::size_t>(weekday)];
}

int neptu(Pasaran pasaran)
{
    return kPasaranNeptu[static_cast<std::size_t>(pasaran)];
}

int neptu(Weton weton)
{
    return neptu(weton.weekday) + neptu(weton.pasaran);
}

Jodoh jodohOf(int neptuSum)
{
    return static_cast<Jodoh>(((neptuSum % 8) + 8) % 8);
}

std::string_view nameOf(Weekday weekday)
{
    return kWeekdays[static_cast<std::size_t>(weekday)];
}

std::string_view nameOf(Pasaran pasaran)
{
    return kPasaran[static_cast<std::size_t>(pasaran)];
}

std::string_view nameOf(Jodoh jodoh)
{
    return kJodoh[static_cast<std::size_t>(jodoh)];
}

}  // namespace temparoka
