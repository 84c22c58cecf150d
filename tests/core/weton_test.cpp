// The weton of known days, the sunset rule, neptu and the match of two
// wetons, as one table of days and sums.

#include "core/reading.h"
#include "core/weton.h"
#include "core/wetonreading.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

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
}

// The reading as written: which facts each birth brings into it, in which
// language's colour, and that every match finds its own meaning.
TEST(Weton, TheReadingNamesWetonsNeptuTheSunsetRuleAndTheMatch)
{
    struct Case {
        const char* what;
        Birth reader;
        std::optional<Birth> partner;
        std::vector<const char*> holds;
        std::vector<const char*> lacks;
    };
    const Birth may1966{24236, 12 * 60}, august1945{16666, 10 * 60};
    const Case cases[] = {
        {"a partner: the sum and its match",
         may1966,
         august1945,
         {"Senin Legi", "Neptu Anda 9", "Jumat Legi", "Neptu pasangan Anda 11", "Jika dibagi 8, sisanya 4: Topo",
          "Hitungan jodoh: Topo", "Legi is a day of the Javanese five-day market week", "Your match: Topo"},
         {"matahari terbenam", "sunset"}},
        {"born after sunset: the next day's weton, the rule named",
         {30670, 19 * 60 + 30},
         std::nullopt,
         {"Rabu Legi", "Selasa, 20 Desember 1983, pukul 19.30, setelah matahari terbenam", "malam Rabu",
          "the day begins at sunset", "Neptu Anda 12"},
         {"Selasa Kliwon", "pasangan", "partner"}},
        {"no time known: the calendar day, and one line on the sunset rule for both",
         {30670, std::nullopt},
         Birth{16666, std::nullopt},
         {"Selasa Kliwon", "kelahiran setelah matahari terbenam terhitung hari berikutnya", "Jumat Legi",
          "11 + 11 = 22", "Padu"},
         {"pukul"}},
    };
    for (const Case& c : cases) {
        const Reading reading = wetonReading(46364, c.reader, c.partner, {Language::English, true});
        const std::vector<ReadingLine>& lines = reading.lines;
        std::string all;
        for (const ReadingLine& line : lines)
            all += line.text + '\n';
        for (const char* words : c.holds)
            EXPECT_NE(all.find(words), std::string::npos) << c.what << ": lacks " << words << " in\n" << all;
        for (const char* words : c.lacks)
            EXPECT_EQ(all.find(words), std::string::npos) << c.what << ": holds " << words << " in\n" << all;
        EXPECT_EQ(all.find("berikutnya"), all.rfind("berikutnya")) << c.what << ": the sunset line twice";
        // Every written line comes as an Indonesian and English pair, and the
        // reading ends on the line that says it is entertainment.
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].text.empty())
                continue;
            EXPECT_EQ(lines[i].language, Language::Indonesian) << c.what << ": " << lines[i].text;
            EXPECT_EQ(lines[i + 1].language, Language::English) << c.what << ": " << lines[i + 1].text;
            EXPECT_EQ(lines[i].bold, lines[i + 1].bold) << c.what << ": " << lines[i].text;
            ++i;
        }
        ASSERT_GE(lines.size(), 2U);
        EXPECT_EQ(lines[lines.size() - 2].text, "Ramalan ini hanya hiburan.") << c.what;
        EXPECT_EQ(lines.back().text, "This reading is for entertainment only.") << c.what;
    }

    // Every remainder 0 to 7, reached by partners born on the days after
    // 9 May 1966: each match is named and explained by its own sentences.
    std::set<std::string> meanings;
    for (std::int64_t day = 24236; meanings.size() < 8 && day < 24236 + 70; ++day) {
        const Jodoh match = jodohOf(9 + neptu(wetonOfDay(day)));
        const std::vector<ReadingLine> lines = wetonReading(46364, may1966, Birth{day, std::nullopt}, {}).lines;
        const std::string& indonesian = lines[lines.size() - 5].text;
        const std::string& english = lines[lines.size() - 4].text;
        EXPECT_EQ(indonesian.rfind(std::string(nameOf(match)) + ' ', 0), 0U) << indonesian;
        EXPECT_EQ(english.rfind(std::string(nameOf(match)) + ' ', 0), 0U) << english;
        meanings.insert(indonesian);
    }
    EXPECT_EQ(meanings.size(), 8U);
}

}  // namespace
