#include "core/record.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <sstream>
#include <vector>

using namespace temparoka;

namespace {

Record sampleRecord()
{
    Record record;
    record.birthday = 30000;
    record.timeOfBirth = 0.25;
    record.children = -7;  // stored as a signed number
    for (std::size_t i = 0; i < kHistorySize; ++i)
        record.verlauf[i] = {int(i % 5) + 1, int(i % 4) + 1, int(i % 10) + 1, int(i) + 40};
    for (std::size_t i = 0; i < kDrawsSize; ++i)
        record.wuerfe[i] = {24286.5 + double(i) * 1.25, int(i % 5) + 1};
    return record;
}

TEST(RecordBytes, InitialBirthDataStartsTheFileAsDocumented)
{
    const auto bytes = serialise(Record{});
    const std::vector<std::uint8_t> expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0xAB, 0xD7, 0x40, 0xCE, 0xA0,
                                                0xC8, 0x45, 0x18, 0x00, 0xE0, 0x3F, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 20), expected);
    EXPECT_EQ(bytes.size(), 452u);
}

TEST(RecordBytes, FieldsSitAtTheirOffsetsLittleEndian)
{
    Record record;
    record.verlauf[0] = {1, 2, 3, 4};
    record.verlauf[11] = {5, 4, 10, 53};
    record.wuerfe[0] = {1.0, 2};
    record.wuerfe[19] = {-2.0, -1};
    const auto bytes = serialise(record);
    EXPECT_EQ(bytes[20], 1);  // oldest prediction, band
    EXPECT_EQ(bytes[24], 2);  // quality
    EXPECT_EQ(bytes[28], 3);  // variant
    EXPECT_EQ(bytes[32], 4);  // week
    EXPECT_EQ(bytes[20 + 11 * 16 + 8], 10);  // newest prediction, variant
    EXPECT_EQ(bytes[212 + 7], 0x3F);  // 1.0 = 3F F0 00 .. (high byte last)
    EXPECT_EQ(bytes[212 + 8], 2);  // its card, right after the key
    EXPECT_EQ(bytes[212 + 19 * 12 + 7], 0xC0);  // -2.0
    for (std::size_t i = 212 + 19 * 12 + 8; i < 452; ++i)
        EXPECT_EQ(bytes[i], 0xFF) << i;  // card -1
}

TEST(RecordBytes, EveryFieldComesBackShorterIsNoRecordAndLongerReadsTheFirst452)
{
    const auto bytes = serialise(sampleRecord());
    EXPECT_EQ(deserialise(bytes), sampleRecord());
    for (std::size_t length : {0u, 8u, 20u, 212u, 451u})
        EXPECT_FALSE(deserialise(std::span(bytes.data(), length))) << length;

    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.resize(600, 0xAA);
    const std::optional<Record> back = deserialise(longer);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, sampleRecord());
}

TEST(DrawHistory, NewestMatchWinsAndTheOldestDropsOut)
{
    DrawHistory draws{};
    EXPECT_FALSE(findDraw(draws, 0.5));
    EXPECT_FALSE(findDraw(draws, 24286.5));

    appendDraw(draws, 100.0, 1);
    appendDraw(draws, 200.0, 2);
    appendDraw(draws, 100.0, 3);
    EXPECT_EQ(findDraw(draws, 100.0), 3);
    EXPECT_EQ(findDraw(draws, 200.0), 2);
    EXPECT_EQ(draws.back(), (DrawRecord{100.0, 3}));

    for (int i = 0; i < 18; ++i)
        appendDraw(draws, 1000.0 + i, 4);
    // 21 draws made: the very first (100, 1) is gone, the later (100, 3) is not.
    EXPECT_EQ(draws.front(), (DrawRecord{200.0, 2}));
    EXPECT_EQ(findDraw(draws, 200.0), 2);  // the oldest entry is searched too
    EXPECT_EQ(findDraw(draws, 100.0), 3);
    appendDraw(draws, 5.0, 5);
    EXPECT_FALSE(findDraw(draws, 200.0));
}

TEST(DrawHistory, ADrawWhoseCardIsNotOneOfTheFiveIsDamagedAndNeverMatches)
{
    for (const std::int32_t card : {0, -1, 6, 1000}) {
        DrawHistory draws{};
        appendDraw(draws, 100.0, 2);
        appendDraw(draws, 100.0, card);
        EXPECT_EQ(findDraw(draws, 100.0), 2) << card;  // the older, sound draw
        draws[kDrawsSize - 2] = {};
        EXPECT_FALSE(findDraw(draws, 100.0)) << card;  // none: deal anew
    }
    DrawHistory edges{};
    appendDraw(edges, 1.0, 1);
    appendDraw(edges, 5.0, 5);
    EXPECT_EQ(findDraw(edges, 1.0), 1);
    EXPECT_EQ(findDraw(edges, 5.0), 5);
}

// Entries named by numbers, 0 for an empty one: distinct numbers give
// distinct entries, all shown in week 50.
PredictionRecord prediction(int n)
{
    return n == 0 ? PredictionRecord{} : PredictionRecord{n % 5 + 1, n / 5 % 5 + 1, n / 25 % 10 + 1, 50};
}

DrawRecord draw(int n)
{
    return n == 0 ? DrawRecord{} : DrawRecord{24286.5 + n, n % 5 + 1};
}

// A list from its numbers, oldest first; a short list is the newest part.
template <class Entry, std::size_t N>
std::array<Entry, N> listOf(const std::vector<int>& numbers, Entry (*entry)(int))
{
    std::array<Entry, N> list{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        list[N - numbers.size() + i] = entry(numbers[i]);
    return list;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Copies of the program sharing one file, as the main window uses it: a
// copy loads the file (its base), records predictions and draws in memory,
// and saves. The script's words: "A<" A loads, "A+7" A records prediction
// 7, "A*7" A draws 7, "A!" A saves; "R" another record replaces the file,
// "P" a sync tool puts back the file as it was at the start, "X" the file
// is deleted. A save merges with what is there, a missing file counting as
// an empty record.
struct Scenario {
    const char* what;
    std::vector<int> predictions, draws;  // the file at the start
    const char* script;
    std::vector<int> savedPredictions, savedDraws;  // the file at the end
    std::vector<int> replacement = {};  // the predictions of the record that "R" puts there
};

TEST(RecordMerge, CopiesSavingInTurnAppendWhatEachAddedAndNothingElse)
{
    const std::vector<int> twelve = range(1, 12), twenty = range(101, 120);
    // clang-format off
    const Scenario scenarios[] = {
        {"one copy, a pick equal to the entry that just rolled off", range(1, 12), {}, "A< A+1 A!",
         range(2, 12) + std::vector{1}, {}},
        {"one copy, a draw made again after it rolled off", twelve, twenty, "A< A*101 A+13 A!",
         range(2, 13), range(102, 120) + std::vector{101}},
        {"two copies, one of them drew twice", twelve, twenty, "A< B< A*121 A*122 A+13 A! B+14 B!", range(3, 14),
         range(103, 122)},
        {"two copies in turn", twelve, {}, "A< B< A+13 A*201 A! B+14 B*202 B!", range(3, 14), {201, 202}},
        {"two copies, the first saving twice", twelve, {}, "A< B< A+13 A! A+14 A! B+15 B! A+16 A!",
         range(5, 16), {}},
        {"three copies in turn at weeks 50, 51 and 52", twelve, {}, "A< B< C< A+13 A! B+14 B! C+15 C!",
         range(4, 15), {}},
        {"a copy whose saves failed adds all it kept", twelve, {}, "A< B< A+13 A+14 B+15 B! A!",
         range(4, 12) + std::vector{15, 13, 14}, {}},
        {"a file replaced by a newer one", twelve, {}, "A< R A+13 A!", range(31, 41) + std::vector{13}, {},
         range(30, 41)},
        {"a file that another copy made first", {}, {}, "X A< B< A+13 A*201 A! B+14 B*202 B!", {13, 14}, {201, 202}},
        {"a file deleted meanwhile", twelve, twenty, "A< X A+13 A!", range(2, 13), twenty},
        {"a sync tool puts back the file from before our save", twelve, {}, "A< A+13 A! R A+14 A!", range(3, 14), {},
         twelve},
        {"a sync tool keeps another machine's pick instead of ours", twelve, {}, "A< A+13 A! R A+14 A!",
         range(4, 12) + std::vector{20, 13, 14}, {}, range(2, 12) + std::vector{20}},
        {"a sync tool puts back the file from before our first reading", {}, range(101, 110),
         "A< A*121 A+1 A! P A*122 A+2 A!", {1, 2}, range(101, 110) + std::vector{121, 122}},
        {"a sync tool puts back an empty file after two of our saves", {}, {}, "A< A+1 A*121 A! A+2 A! P A+3 A!",
         {1, 2, 3}, {121}},
        {"a sync tool puts back the file from before our save, full lists", twelve, twenty,
         "A< A*121 A+13 A! P A+14 A!", range(3, 14), range(102, 121)},
        {"a copy that added nothing keeps the other's reading", twelve, {}, "A< B< B+13 B! A!", range(2, 13), {}},
        {"another copy filled the list while we read once", {}, {}, "A< B< A+1 A! B+2 B+3 B+4 B+5 B+6 B+7 B+8 B+9 B+10 "
         "B+11 B+12 B+13 B! A+14 A!", range(3, 13) + std::vector{14}, {}},
    };
    // clang-format on
    for (const Scenario& s : scenarios) {
        std::optional<Record> file = Record{};
        file->verlauf = listOf<PredictionRecord, kHistorySize>(s.predictions, prediction);
        file->wuerfe = listOf<DrawRecord, kDrawsSize>(s.draws, draw);
        const std::optional<Record> start = file;
        struct Copy {
            Record mine;
            std::optional<Record> base;
        };
        std::map<char, Copy> copies;
        std::istringstream words(s.script);
        for (std::string word; words >> word;) {
            Copy& copy = copies[word[0]];
            const int n = word.size() > 2 ? std::stoi(word.substr(2)) : 0;
            switch (word.size() == 1 ? word[0] : word[1]) {
            case '<':
                copy.mine = file.value_or(Record{});
                copy.base = file;
                break;
            case '+':
                recordPrediction(copy.mine.verlauf, prediction(n).band, prediction(n).quality, prediction(n).variant,
                                 50);
                break;
            case '*':
                appendDraw(copy.mine.wuerfe, draw(n).key, draw(n).card);
                break;
            case '!':
                file = mergedWithDisk(copy.mine, copy.base, file.value_or(Record{}));
                copy.mine = *file;
                copy.base = file;
                break;
            case 'R':
                file->verlauf = listOf<PredictionRecord, kHistorySize>(s.replacement, prediction);
                break;
            case 'P':
                file = start;
                break;
            case 'X':
                file.reset();
                break;
            default:
                FAIL() << "unknown step " << word;
            }
        }
        ASSERT_TRUE(file) << s.what;
        EXPECT_EQ(file->verlauf, (listOf<PredictionRecord, kHistorySize>(s.savedPredictions, prediction))) << s.what;
        EXPECT_EQ(file->wuerfe, (listOf<DrawRecord, kDrawsSize>(s.savedDraws, draw))) << s.what;
    }
}

TEST(RecordMerge, DamagedEntriesStayPutAndTheBirthDataAreTheSavingCopys)
{
    // A key that is not a number still equals itself, so an unchanged file
    // is recognised as the base instead of growing at every save.
    Record base;
    base.wuerfe.back() = {std::numeric_limits<double>::quiet_NaN(), 3};
    Record mine = base;
    mine.birthday = 30000;
    mine.children = 2;
    appendDraw(mine.wuerfe, 24300.5, 2);
    Record disk = base;
    disk.birthday = 31000;
    const Record merged = mergedWithDisk(mine, base, disk);
    EXPECT_EQ(serialise(merged), serialise(mine));
}

TEST(PredictionHistory, OnlyARepeatOfTheNewestInAllThreeNumbersIsLeftOut)
{
    struct Case {
        PredictionRecord pick;
        bool recorded;
    };
    // clang-format off
    const Case cases[] = {
        {{5, 2, 1, 50}, false}, {{5, 2, 1, 51}, false},  // the week is not compared
        {{4, 2, 1, 50}, true},  {{5, 3, 1, 50}, true},  {{5, 2, 2, 50}, true},
        {{3, 3, 3, 50}, true},  // equal to an older entry only
    };
    // clang-format on
    for (const Case& c : cases) {
        PredictionHistory history{};
        history[kHistorySize - 2] = {3, 3, 3, 48};
        history.back() = {5, 2, 1, 49};
        PredictionHistory expected = history;
        if (c.recorded) {  // both move one place toward the oldest
            expected[kHistorySize - 3] = {3, 3, 3, 48};
            expected[kHistorySize - 2] = {5, 2, 1, 49};
            expected.back() = c.pick;
        }
        EXPECT_EQ(recordPrediction(history, c.pick.band, c.pick.quality, c.pick.variant, c.pick.week), c.recorded)
            << c.pick.band << c.pick.quality << c.pick.variant << " in week " << c.pick.week;
        EXPECT_EQ(history, expected) << c.pick.band << c.pick.quality << c.pick.variant;
    }
}

TEST(PredictionHistory, ThirteenthPredictionPushesOutTheFirst)
{
    PredictionHistory history{};
    for (int i = 1; i <= 13; ++i)
        ASSERT_TRUE(recordPrediction(history, 1, 1, i % 10 + 1, i));
    for (std::size_t i = 0; i < kHistorySize; ++i)
        EXPECT_EQ(history[i].week, static_cast<int>(i) + 2) << i;  // predictions 2 to 13, oldest first
}

}  // namespace
