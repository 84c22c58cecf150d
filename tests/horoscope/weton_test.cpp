// The weton of known days, the sunset rule, neptu and the match of two
// wetons, as one table of days and sums.

#include "horoscope/weton.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace temparoka;

namespace {

std::string named(Weton weton)
{
    return std::string(nameOf(weton.weekday)) + ' ' + std::string(nameOf(weton.pasaran));
}

TEST(Weton, KnownDaysTheSunsetRuleAndNeptu)
{
    struct Case {
        const char* what;
        std::int64_t day;
        std::optional<double> time;
        const char* weton;
        int neptu;
    };
    // clang-format off
    const Case cases[] = {
        {"1 January 1900, the first day the birthday field takes", 2, std::nullopt, "Senin Pahing", 13},
        {"1 January 1900, 18:00: the next day's", 2, 0.75, "Selasa Pon", 10},
        {"31 December 1899, before the first", 1, std::nullopt, "Minggu Legi", 10},
        {"17 August 1945, 10:00", 16666, 10.0 / 24, "Jumat Legi", 11},
        {"20 December 1983", 30670, std::nullopt, "Selasa Kliwon", 11},
        {"20 December 1983, 17:59", 30670, (17 * 60 + 59) / 1440.0, "Selasa Kliwon", 11},
        {"20 December 1983, 19:30: malam Rabu", 30670, 19.5 / 24, "Rabu Legi", 12},
        {"11 January 2013", 41285, std::nullopt, "Jumat Kliwon", 14},
        {"1 January 2024", 45292, std::nullopt, "Senin Pahing", 13},
        {"9 May 1966, 12:00", 24236, 0.5, "Senin Legi", 9},
        {"7 December 2026, today in the tests", 46363, std::nullopt, "Senin Pon", 11},
        {"8 December 2026", 46364, std::nullopt, "Selasa Wage", 7},
        {"26 December 2026, a Sabtu Pahing: the greatest neptu", 46382, std::nullopt, "Sabtu Pahing", 18},
        {"7 January 2027, a Kamis Wage", 46394, std::nullopt, "Kamis Wage", 12},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Weton weton = wetonOfBirth(c.day, c.time);
        EXPECT_EQ(named(weton), c.weton) << c.what;
        EXPECT_EQ(neptu(weton), c.neptu) << c.what;
    }
}

TEST(Weton, TheSumOfTwoNeptuNamesTheMatch)
{
    // 9 May 1966 (Senin Legi, 9) with 17 August 1945 (Jumat Legi, 11): 20, Topo.
    EXPECT_EQ(jodohOf(neptu(wetonOfDay(24236)) + neptu(wetonOfDay(16666))), Jodoh::Topo);
    const char* names[] = {"Pesthi", "Pegat", "Ratu", "Jodoh", "Topo", "Tinari", "Padu", "Sujanan"};
    for (int sum = 14; sum <= 36; ++sum)
        EXPECT_EQ(nameOf(jodohOf(sum)), names[sum % 8]) << sum;
    EXPECT_EQ(jodohOf(16), Jodoh::Pesthi);
    EXPECT_EQ(jodohOf(17), Jodoh::Pegat);
    EXPECT_EQ(jodohOf(23), Jodoh::Sujanan);
}

}  // namespace
