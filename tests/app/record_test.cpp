#include "app/record.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(findDraw(draws, 100.0), 3);
    appendDraw(draws, 5.0, 5);
    EXPECT_FALSE(findDraw(draws, 200.0));
}

TEST(PredictionHistory, RepeatOfTheNewestIsNotRecordedWhateverTheWeek)
{
    PredictionHistory history{};
    EXPECT_TRUE(recordPrediction(history, 5, 2, 1, 50));
    EXPECT_FALSE(recordPrediction(history, 5, 2, 1, 51));
    EXPECT_EQ(history.back(), (PredictionRecord{5, 2, 1, 50}));
    EXPECT_TRUE(recordPrediction(history, 5, 2, 2, 51));
    EXPECT_TRUE(recordPrediction(history, 5, 2, 1, 51));  // only the newest counts
    EXPECT_EQ(history[kHistorySize - 3], (PredictionRecord{5, 2, 1, 50}));
}

TEST(PredictionHistory, ThirteenthPredictionPushesOutTheFirst)
{
    PredictionHistory history{};
    for (int i = 1; i <= 13; ++i)
        ASSERT_TRUE(recordPrediction(history, 1, 1, i % 10 + 1, i));
    EXPECT_EQ(history.front().week, 2);
    EXPECT_EQ(history.back().week, 13);
}

}  // namespace
