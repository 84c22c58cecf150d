#include "record/record.h"

#include <gtest/gtest.h>

#include <limits>
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
    EXPECT_EQ(bytes[20], 1);    // oldest prediction, band
    EXPECT_EQ(bytes[24], 2);    // quality
    EXPECT_EQ(bytes[28], 3);    // variant
    EXPECT_EQ(bytes[32], 4);    // week
    EXPECT_EQ(bytes[20 + 11 * 16 + 8], 10);  // newest prediction, variant
    EXPECT_EQ(bytes[212 + 7], 0x3F);  // 1.0 = 3F F0 00 .. (high byte last)
    EXPECT_EQ(bytes[212 + 8], 2);     // its card, right after the key
    EXPECT_EQ(bytes[212 + 19 * 12 + 7], 0xC0);  // -2.0
    for (std::size_t i = 212 + 19 * 12 + 8; i < 452; ++i)
        EXPECT_EQ(bytes[i], 0xFF) << i;  // card -1
}

TEST(RecordBytes, RoundTripKeepsEveryField)
{
    const Record record = sampleRecord();
    const auto bytes = serialise(record);
    const std::optional<Record> back = deserialise(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, record);
}

TEST(RecordBytes, ShorterThanARecordIsNoRecordAndLongerReadsTheFirst452)
{
    const auto bytes = serialise(sampleRecord());
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

// Lists given newest last, as they are kept; the rest of the list is empty.
template <class Entry, std::size_t N>
std::array<Entry, N> list(std::initializer_list<Entry> entries)
{
    std::array<Entry, N> result{};
    std::copy(entries.begin(), entries.end(), result.end() - static_cast<std::ptrdiff_t>(entries.size()));
    return result;
}

DrawHistory draws(std::initializer_list<double> keys)
{
    std::vector<DrawRecord> entries;
    for (double key : keys)
        entries.push_back({key, int(key) % 5 + 1});
    DrawHistory result{};
    std::copy(entries.begin(), entries.end(), result.end() - static_cast<std::ptrdiff_t>(entries.size()));
    return result;
}

TEST(RecordMerge, EntriesOfEitherCopyAreKeptTheFilesFirstAndMineAsTheNewest)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        DrawHistory mine, disk, merged;
    };
    const Case cases[] = {
        {"nothing new anywhere", draws({1, 2}), draws({1, 2}), draws({1, 2})},
        {"only I added", draws({1, 2, 3}), draws({1, 2}), draws({1, 2, 3})},
        {"only the file gained", draws({1, 2}), draws({1, 2, 4}), draws({1, 2, 4})},
        {"both added", draws({1, 2, 3}), draws({1, 2, 4}), draws({1, 2, 4, 3})},
        {"first save, file from elsewhere", draws({3}), draws({7, 8}), draws({7, 8, 3})},
        {"a repeat of mine pairs off once", draws({1, 2, 1}), draws({1, 2}), draws({1, 2, 1})},
        {"an empty file", draws({1, 2}), DrawHistory{}, draws({1, 2})},
        {"full lists drop the oldest",
         draws({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}),
         draws({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
         draws({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21})},
        {"full lists, both added",
         draws({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}),
         draws({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30}),
         draws({3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 21})},
    };
    for (const Case& c : cases) {
        Record mine, disk;
        mine.wuerfe = c.mine;
        disk.wuerfe = c.disk;
        EXPECT_EQ(mergedWithDisk(mine, disk).wuerfe, c.merged) << c.what;
    }

    // A damaged key that is not a number pairs off with itself instead of
    // piling up at every save.
    Record damaged;
    damaged.wuerfe = list<DrawRecord, kDrawsSize>({{nan, 3}, {2.0, 3}});
    const Record merged = mergedWithDisk(damaged, damaged);
    EXPECT_EQ(serialise(merged), serialise(damaged));

    // The same key with another card (another copy dealt anew) is another draw.
    Record mine, disk;
    mine.wuerfe = list<DrawRecord, kDrawsSize>({{1.0, 2}, {5.0, 3}});
    disk.wuerfe = list<DrawRecord, kDrawsSize>({{1.0, 2}, {5.0, 4}});
    EXPECT_EQ(mergedWithDisk(mine, disk).wuerfe, (list<DrawRecord, kDrawsSize>({{1.0, 2}, {5.0, 4}, {5.0, 3}})));
}

TEST(RecordMerge, PredictionsMergeLikeDrawsAndTheBirthDataAreMine)
{
    Record mine, disk;
    mine.birthday = 30000;
    mine.children = 2;
    disk.birthday = 31000;
    mine.verlauf = list<PredictionRecord, kHistorySize>({{1, 1, 1, 49}, {5, 2, 1, 50}});
    disk.verlauf = list<PredictionRecord, kHistorySize>({{1, 1, 1, 49}, {4, 2, 2, 50}});
    const Record merged = mergedWithDisk(mine, disk);
    EXPECT_EQ(merged.verlauf,
              (list<PredictionRecord, kHistorySize>({{1, 1, 1, 49}, {4, 2, 2, 50}, {5, 2, 1, 50}})));
    EXPECT_EQ(merged.birthday, 30000);
    EXPECT_EQ(merged.children, 2);
    // The same prediction in another week is another entry.
    disk.verlauf = list<PredictionRecord, kHistorySize>({{1, 1, 1, 49}, {5, 2, 1, 51}});
    EXPECT_EQ(mergedWithDisk(mine, disk).verlauf,
              (list<PredictionRecord, kHistorySize>({{1, 1, 1, 49}, {5, 2, 1, 51}, {5, 2, 1, 50}})));
}

TEST(PredictionHistory, OnlyARepeatOfTheNewestInAllThreeNumbersIsLeftOut)
{
    struct Case {
        PredictionRecord pick;
        bool recorded;
    };
    const Case cases[] = {
        {{5, 2, 1, 50}, false}, {{5, 2, 1, 51}, false},  // the week is not compared
        {{4, 2, 1, 50}, true},  {{5, 3, 1, 50}, true},  {{5, 2, 2, 50}, true},
        {{3, 3, 3, 50}, true},  // equal to an older entry only
    };
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
