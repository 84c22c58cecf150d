#include "core/history.h"

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

// Three predictions: (1,1,1), (1,1,2) and (2,3,1).
const PredictionTable kTable = PredictionTable::fromLines({
    "1", "1", "Pertama.", "[",      "First.", "]",       "---",  //
    "1", "1", "",         "Kedua.", "[",      "Second.", "]",   "---",  // a blank line ahead of the text
    "2", "3", "Ketiga.",  "[",      "Third.", "]",       "---",
});
constexpr double kTuesday8December2026 = 46364.5;  // ISO week 50 of 2026

TEST(History, ListsKnownEntriesNewestFirstAndTellsLastYearsWeeks)
{
    PredictionHistory history{};
    history[6] = {1, 1, 1, 51};  // week 51 cannot be this year's yet
    history[7] = {9, 9, 9, 48};  // not in the table: a damaged record
    history[8] = {2, 3, 1, 49};
    history[9] = {1, 1, 2, 0};  // no week
    history[10] = {1, 1, 2, 50};  // this week
    history[11] = {0, 0, 0, 0};
    const PredictionHistory before = history;
    std::vector<std::string> listed;
    for (const EarlierReading& entry : earlierReadings(history, kTable, kTuesday8December2026))
        listed.push_back(earlierCaption(entry) + " | " + earlierDescription(entry).indonesian + " / " +
                         earlierDescription(entry).english + " | " + readingFileName(entry.reading) + " | " +
                         (entry.reading.lines.empty() ? "-" : entry.reading.lines.back().text));
    EXPECT_EQ(
        listed,
        (std::vector<std::string>{
            "Minggu ke-50 \u2014 Kedua. | Minggu ke-50, 2026 / Week 50, 2026 | Ramalan Temparoka 2026 minggu ke-50 | "
            "Second.",
            "Minggu ke-49 \u2014 Ketiga. | Minggu ke-49, 2026 / Week 49, 2026 | Ramalan Temparoka 2026 minggu ke-49 | "
            "Third.",
            "Minggu ke-51 (tahun lalu) \u2014 Pertama. | Minggu ke-51, tahun lalu, 2025 / Week 51, last year, 2025 | "
            "Ramalan Temparoka 2025 minggu ke-51 | First.",
        }));
    EXPECT_EQ(history, before);
}

TEST(History, TitlesAndFileNamesNameTheWeekOrTheDay)
{
    struct Case {
        Reading reading;
        const char *title, *english, *file;
    };
    const Case cases[] = {
        {Reading::weekly(kTuesday8December2026), "Ramalan Temparoka \u2014 Minggu ke-50, 2026",
         "Temparoka's reading \u2014 week 50, 2026", "Ramalan Temparoka 2026 minggu ke-50"},
        // 1 January 2027 is a Friday of 2026's week 53.
        {Reading::weekly(46388.2), "Ramalan Temparoka \u2014 Minggu ke-53, 2026",
         "Temparoka's reading \u2014 week 53, 2026", "Ramalan Temparoka 2026 minggu ke-53"},
        {Reading::dream(kTuesday8December2026), "Tafsir Mimpi Temparoka \u2014 8 Desember 2026",
         "Temparoka's dream reading \u2014 8 December 2026", "Tafsir Mimpi Temparoka 2026-12-08"},
        {Reading::dream(46388.2), "Tafsir Mimpi Temparoka \u2014 1 Januari 2027",
         "Temparoka's dream reading \u2014 1 January 2027", "Tafsir Mimpi Temparoka 2027-01-01"},
        {Reading::weton(kTuesday8December2026), "Weton Temparoka \u2014 8 Desember 2026",
         "Temparoka's weton reading \u2014 8 December 2026", "Weton Temparoka 2026-12-08"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readingTitle(c.reading).indonesian, c.title);
        EXPECT_EQ(readingTitle(c.reading).english, c.english);
        EXPECT_EQ(readingFileName(c.reading), c.file);
    }
    Reading weekly = Reading::weekly(kTuesday8December2026, {3, "q.jpg", "Ratu Keriting", "Queen of clubs"});
    weekly.lines = {{"Satu", Language::Indonesian, true}, {"One", Language::English, false}};
    EXPECT_EQ(readingPlainText(weekly),
              "Ramalan Temparoka \u2014 Minggu ke-50, 2026\nTemparoka's reading \u2014 week 50, 2026\n"
              "Kartu Anda: Ratu Keriting / Your card: Queen of clubs\n\nSatu\nOne\n");
}

}  // namespace
