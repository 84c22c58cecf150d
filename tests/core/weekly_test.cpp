#include "core/weekly.h"

#include "core/calendar.h"
#include "core/random.h"
#include "core/record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

using namespace temparoka;

namespace temparoka {
void PrintTo(const TextKey& key, std::ostream* out)
{
    *out << "(" << key.band << ", " << key.quality << ", " << key.variant << ")";
}
}  // namespace temparoka

namespace {

const PredictionTable& shippedTable()
{
    static const PredictionTable table = [] {
        std::ifstream in(TEMPAROKA_DATA_DIR "/predictions.txt", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return PredictionTable::fromLines(PredictionTable::splitLines(text.str()));
    }();
    return table;
}

// Monday 7 December 2026 (day 46363, ISO week 50) at 15:00, initial birth data.
WeeklyRequest workedExample(int card)
{
    return {kInitialBirthday, kInitialTimeOfBirth, 0, card, 46363.625};
}

// The generator's state once a choice seeded with seed has made its three draws.
std::uint32_t afterThreeDraws(std::uint32_t seed)
{
    Random random;
    random.setSeed(seed);
    random.real();
    random.real();
    random.real();
    return random.seed();
}

double dayOf(std::chrono::year_month_day date)
{
    return static_cast<double>(dayNumberFromDate(date));
}

TEST(Weekly, WorkedExample)
{
    EXPECT_EQ(lunarMonths(workedExample(3)), 749);
    Random random;
    EXPECT_EQ(auswahl(workedExample(3), 0, shippedTable(), random), (TextKey{5, 2, 1}));
    EXPECT_EQ(auswahl(workedExample(1), 0, shippedTable(), random), (TextKey{4, 2, 2}));
    EXPECT_EQ(random.seed(), afterThreeDraws(105406));
    // A key without entries still takes its third draw and names variant 1,
    // which holds nothing to write.
    EXPECT_EQ(auswahl(workedExample(3), 0, PredictionTable::fromLines({}), random), (TextKey{5, 2, 1}));
    EXPECT_EQ(random.seed(), afterThreeDraws(105408));
}

TEST(Weekly, LunarMonthsAroundTheFirstMonth)
{
    const double now = 46363.625;
    const auto months = [&](double birth) {
        const double day = std::floor(birth);
        return lunarMonths({day, birth - day, 0, 1, now});
    };
    EXPECT_EQ(months(now - 30), 1);
    EXPECT_EQ(months(now - 29.5), 0);
    EXPECT_EQ(months(now - 29.530588 * 2 - 0.001), 2);
    EXPECT_EQ(months(now + 45), -1);  // born "after" today: negative, not an error
    // 749 months of 29.530588 days are 22118.410412 days; about nine seconds
    // either side of that tells the month's length to seven digits.
    EXPECT_EQ(months(now - 22118.410412 + 0.0001), 748);
    EXPECT_EQ(months(now - 22118.410412 - 0.0001), 749);
}

TEST(Weekly, CycleRunsOverNineWeeks)
{
    const int expected[] = {1, 2, 3, 4, 5, 4, 3, 2, 1};
    for (int a = 0; a < 27; ++a)
        EXPECT_EQ(zyklus(100000 + a - 100000 % 9), expected[a % 9]) << a;
    EXPECT_EQ(zyklus(101940), 3);  // the worked example's argument
}

TEST(Weekly, LifeStageBandBoundaries)
{
    const std::pair<long long, int> cases[] = {{-5, 1}, {0, 1},  {10, 1}, {11, 2}, {18, 2},   {19, 3},
                                               {26, 3}, {27, 4}, {37, 4}, {38, 5}, {9999, 5}, {20000, 5}};
    for (const auto& [value, band] : cases)
        EXPECT_EQ(lifeStageBand(value), band) << value;
}

// Worked by hand from the rules: seed = seventh of the birth's day + week
// number + 52 x calendar year + card; R1 > 0.5 makes the week one better than
// the cycle value (never better than 1); R2 up to 0.1875 moves the band one
// down, from 0.8125 one up (kept within 1 to 5); n variants share R3 equally.
// The draws R1 and R2 quoted are those of the seed. The reader A is born on
// 9 May 2003 at 06:00 (the seventh 1), without children, so that both shifts
// show; every reading is asked at 15:00 on a Monday unless said otherwise.
TEST(Weekly, ChoiceOnBothSidesOfTheLimitsOfItsRules)
{
    using namespace std::chrono;
    struct Case {
        const char* what;
        year_month_day today, born;
        double timeOfBirth;
        int children, card;
        std::uint32_t seed;  // week + 52 x year + seventh + card
        TextKey key;
    };
    const year_month_day a = 2003y / May / 9;
    // clang-format off
    const Case cases[] = {
        {"week 20: R2 0.18216 moves the initial reader's band 5 down", 2026y / May / 11, 1966y / May / 9,
         kInitialTimeOfBirth, 0, 1, 20 + 52 * 2026 + 3 + 1, {4, 3, 1}},
        {"week 20: R2 0.18216 moves band 3 down; cycle value 1 stays 1 though R1 is 0.69",
         2026y / May / 11, a, 0.25, 0, 3, 20 + 52 * 2026 + 1 + 3, {2, 1, 1}},
        {"R2 0.18741 moves band 3 (26 years) down", 2029y / January / 1, a, 0.25, 0, 1,
         1 + 52 * 2029 + 1 + 1, {2, 1, 1}},
        {"R2 0.18773 keeps band 3", 2025y / June / 30, a, 0.25, 0, 1, 27 + 52 * 2025 + 1 + 1, {3, 1, 1}},
        {"R2 0.18806 keeps band 3 (19 years)", 2022y / January / 3, a, 0.25, 0, 1, 1 + 52 * 2022 + 1 + 1, {3, 2, 5}},
        {"R2 0.80835 keeps band 3; cycle value 5 and R1 0.89 give 4", 2028y / May / 15, a, 0.25, 0, 1,
         20 + 52 * 2028 + 1 + 1, {3, 4, 1}},
        {"R2 0.80867 keeps band 3", 2024y / November / 11, a, 0.25, 0, 1, 46 + 52 * 2024 + 1 + 1, {3, 3, 5}},
        {"R2 0.81392 moves band 3 up", 2027y / June / 21, a, 0.25, 0, 1, 25 + 52 * 2027 + 1 + 1, {4, 3, 4}},
        {"R2 0.81425 moves band 3 up", 2023y / December / 18, a, 0.25, 0, 1, 51 + 52 * 2023 + 1 + 1, {4, 1, 3}},
        {"band 1 (10 years) moved down stays 1", 2013y / February / 4, a, 0.25, 0, 1, 6 + 52 * 2013 + 1 + 1, {1, 2, 1}},
        {"band 5 moved up stays 5", 2026y / July / 6, 1966y / May / 9, kInitialTimeOfBirth, 0, 1,
         28 + 52 * 2026 + 3 + 1, {5, 2, 2}},
        {"R1 0.49816 keeps the cycle value 3", 2020y / September / 14, a, 0.25, 0, 4,
         38 + 52 * 2020 + 1 + 4, {1, 3, 1}},
        {"R1 0.50004 makes the cycle value 4 one better", 2025y / August / 11, a, 0.25, 0, 4,
         33 + 52 * 2025 + 1 + 4, {3, 3, 2}},
        {"cycle value 5 and R1 0.22 give 5", 2026y / February / 9, a, 0.25, 0, 1, 7 + 52 * 2026 + 1 + 1, {3, 5, 1}},
        {"a child counts 8 years: 29 + 8 = 37 is band 4", 2026y / March / 2, 1997y / May / 9, 0.25, 1, 1,
         10 + 52 * 2026 + 1 + 1, {4, 4, 1}},
        {"a child counts 8 years: 30 + 8 = 38 is band 5", 2026y / March / 2, 1996y / May / 9, 0.25, 1, 1,
         10 + 52 * 2026 + 1 + 1, {5, 4, 1}},
        {"a child of 2015: 11 calendar years in 2026 is band 2, which R2 0.41287 keeps", 2026y / December / 7,
         2015y / May / 9, 0.25, 0, 1, 50 + 52 * 2026 + 1 + 1, {2, 3, 3}},
        {"a child of 2015: R2 0.07221 moves band 2 down to 1", 2026y / December / 7, 2015y / May / 9, 0.25, 0, 3,
         50 + 52 * 2026 + 1 + 3, {1, 3, 1}},
        {"calendar years, not age: born 31 December 2002, on 1 January 2013 it is 11, band 2",
         2013y / January / 1, 2002y / December / 31, 0.25, 0, 3, 1 + 52 * 2013 + 1 + 3, {2, 2, 3}},
        {"1 January 2027 lies in week 53 of 2026 but counts the year 2027", 2027y / January / 1, a, 0.25, 0, 1,
         53 + 52 * 2027 + 1 + 1, {2, 4, 2}},
        {"31 December 2024 lies in week 1 of 2025 but counts the year 2024", 2024y / December / 31, a, 0.25, 0, 1,
         1 + 52 * 2024 + 1 + 1, {3, 2, 3}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const WeeklyRequest request{dayOf(c.born), c.timeOfBirth, c.children, c.card, dayOf(c.today) + 0.625};
        Random random;
        random.setSeed(12345);  // whatever the generator held before
        EXPECT_EQ(auswahl(request, 0, shippedTable(), random), c.key) << c.what;
        EXPECT_EQ(random.seed(), afterThreeDraws(c.seed)) << c.what;
    }
}

TEST(Weekly, SeventhOfTheDayOfBirthEntersTheSeed)
{
    // 23:59 is the seventh 6 and 00:00 the seventh 0: six apart in the seed,
    // like six cards apart, so card 1 at 23:59 draws as card 7 would at 00:00.
    Random a, b;
    const WeeklyRequest late{24236, (23 * 60 + 59) / 1440.0, 0, 1, 46363.625};
    const WeeklyRequest early{24236, 0.0, 0, 7, 46363.625};
    EXPECT_EQ(auswahl(late, 0, shippedTable(), a), auswahl(early, 0, shippedTable(), b));
    EXPECT_EQ(a.seed(), b.seed());
}

// The worked example with card 3 (week 50) picks (5, 2, 1) at attempt 0 and
// again at attempt 1 (seed 105409), (5, 2, 2) at attempt 2 (R2 0.39, R3 0.80),
// (5, 2, 1) at attempt 3 and (4, 2, 2) at attempt 4 (R2 0.050).
TEST(Weekly, RefusesTextsOfOtherWeeksButNotOfThisWeek)
{
    struct Case {
        const char* what;
        std::vector<std::pair<std::size_t, PredictionRecord>> shown;  // history index (11 the newest), entry
        TextKey key;
    };
    // clang-format off
    const Case cases[] = {
        {"nothing shown yet", {}, {5, 2, 1}},
        {"shown this week, or in week 50 of an earlier year: allowed", {{11, {5, 2, 1, 50}}}, {5, 2, 1}},
        {"shown last week: refused until attempt 2", {{11, {5, 2, 1, 49}}}, {5, 2, 2}},
        {"shown in week 51, late last year: refused too", {{11, {5, 2, 1, 51}}}, {5, 2, 2}},
        {"the oldest entry refuses as well", {{0, {5, 2, 1, 49}}}, {5, 2, 2}},
        {"the second pick shown this week is allowed", {{10, {5, 2, 1, 49}}, {11, {5, 2, 2, 50}}}, {5, 2, 2}},
        {"both variants of another week: band 4 at attempt 4", {{10, {5, 2, 1, 49}}, {11, {5, 2, 2, 1}}}, {4, 2, 2}},
        {"an entry differing in one number refuses nothing",
         {{9, {4, 2, 1, 49}}, {10, {5, 1, 1, 49}}, {11, {5, 2, 2, 49}}},
         {5, 2, 1}},
    };
    // clang-format on
    for (const Case& c : cases) {
        PredictionHistory history{};
        for (const auto& [index, entry] : c.shown)
            history[index] = entry;
        Random random;
        EXPECT_EQ(chooseKey(workedExample(3), history, shippedTable(), random), c.key) << c.what;
    }
}

TEST(Weekly, ChoiceEndsWhenEveryReachableTextIsRefused)
{
    // A table with a single text: every pick is (b, q, 1) for the five bands
    // and qualities, all refused.
    std::vector<std::string> lines;
    for (int b = 1; b <= 5; ++b)
        for (int q = 1; q <= 5; ++q)
            lines.insert(lines.end(), {std::to_string(b), std::to_string(q), "x", "---"});
    const PredictionTable table = PredictionTable::fromLines(lines);
    PredictionHistory history{};
    int i = 0;
    for (int b = 1; b <= 5 && i < 12; ++b)
        for (int q = 1; q <= 5 && i < 12; ++q)
            history[static_cast<std::size_t>(i++)] = {b, q, 1, 1};
    // Band 1 reader in a week whose cycle reaches only keys held above.
    Random random;
    const WeeklyRequest request{37900, 0.3, 0, 2, 40000.5};
    const TextKey key = chooseKey(request, history, table, random);
    EXPECT_LE(key.band, 2);  // one of the refused keys, taken at last
    EXPECT_EQ(key, auswahl(request, kMaxAttempts - 1, table, random));
}

TEST(WeeklyReading, StartsWithThePenTheLastReadingLeft)
{
    const WeeklyRequest request{24236, 0.5, 0, 3, 46363.625};
    const Reading unclosed = weeklyReading(request, {"id", "[", "en"}, {});
    EXPECT_EQ(unclosed.pen, (Pen{Language::English, false}));  // no "]": English stays in force
    EXPECT_EQ(unclosed.card.indonesian, "Ratu Keriting");
    EXPECT_EQ(unclosed.week, 50);
    const Reading next = weeklyReading(request, {"id", "[", "en", "]"}, unclosed.pen);
    EXPECT_EQ(next.lines.front(), (ReadingLine{"Temparoka melihat:", Language::English, true}));
    EXPECT_EQ(next.lines[1], (ReadingLine{"749 bulan sudah lewat sejak Anda lahir", Language::English, false}));
    EXPECT_EQ(next.pen, Pen{});
}

}  // namespace
