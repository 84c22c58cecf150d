#include "core/reading.h"
#include "core/writer.h"

#include <gtest/gtest.h>

using namespace temparoka;

namespace temparoka {
void PrintTo(const ReadingLine& line, std::ostream* out)
{
    *out << '"' << line.text << "\" " << (line.language == Language::English ? "English" : "Indonesian")
         << (line.bold ? " bold" : "");
}
}  // namespace temparoka

namespace {

using Line = ReadingLine;
using RecordingWriter = ReadingWriter;

constexpr Language K = Language::Indonesian;
constexpr Language B = Language::English;

TEST(Writer, BlockausgabeEdgeCases)
{
    struct Case {
        const char* what;
        std::vector<std::string> block;
        std::vector<Line> expected;
        Language after;
    };
    // clang-format off
    const Case cases[] = {
        {"no brackets: all in the colour in force, no blank line", {"a", "b"}, {{"a", K, false}, {"b", K, false}}, K},
        {"plain brackets: black, blank, blue, black after",
         {"id", "[", "en", "]"}, {{"id", K, false}, {"", B, false}, {"en", B, false}}, K},
        {"a [ without ] leaves blue in force", {"id", "[", "en"}, {{"id", K, false}, {"", B, false}, {"en", B, false}}, B},
        {"text on the [ line is written in blue after the blank line",
         {"[en one", "en two", "]"}, {{"", B, false}, {"[en one", B, false}, {"en two", B, false}}, K},
        {"text on the ] line is written before black returns",
         {"[", "en one", "en two]"}, {{"", B, false}, {"en one", B, false}, {"en two]", B, false}}, K},
        {"empty lines are blank lines in the current colour",
         {"id", "", "[", "", "]"}, {{"id", K, false}, {"", K, false}, {"", B, false}, {"", B, false}}, K},
        {"a line with both brackets is written once", {"[both]"}, {{"", B, false}, {"[both]", B, false}}, K},
    };
    // clang-format on
    for (const Case& c : cases) {
        RecordingWriter writer;
        blockausgabe(writer, c.block);
        EXPECT_EQ(writer.lines(), c.expected) << c.what;
        EXPECT_EQ(writer.pen().language, c.after) << c.what;
    }
}

TEST(Writer, PaarausgabeWritesBlackThenBlueAndEndsInBlack)
{
    struct Case {
        std::string id, en;
        std::vector<Line> expected;
    };
    // clang-format off
    const Case cases[] = {
        {"Akan ada bahaya.", "There will be danger.", {{"Akan ada bahaya.", K, false}, {"There will be danger.", B, false}}},
        {"", "English only", {{"English only", B, false}}},
        {"Hanya Indonesia", "", {{"Hanya Indonesia", K, false}}},
        {"", "", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        RecordingWriter writer;
        writer.setLanguage(B);
        paarausgabe(writer, c.id, c.en);
        EXPECT_EQ(writer.lines(), c.expected) << c.id << "/" << c.en;
        EXPECT_EQ(writer.pen().language, K);
    }
}

TEST(Writer, WeeklyOpeningHasBoldHeadingsAndTheSameCountTwice)
{
    RecordingWriter writer;
    weeklyOpening(writer, 749);
    const std::vector<Line> expected = {
        {"Temparoka melihat:", K, true},
        {"749 bulan sudah lewat sejak Anda lahir", K, false},
        {"Ini ramalan saya untuk minggu depan", K, false},
        {"Temparoka sees:", B, true},
        {"749 full moon have passed since you were born", B, false},
        {"These are my predictions for the next week", B, false},
        {"", K, false},
    };
    EXPECT_EQ(writer.lines(), expected);
    EXPECT_FALSE(writer.pen().bold);

    RecordingWriter negative;
    weeklyOpening(negative, -2);
    EXPECT_EQ(negative.lines()[1].text, "-2 bulan sudah lewat sejak Anda lahir");
}

}  // namespace
