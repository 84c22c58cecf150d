#include "core/predictiontable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace temparoka;

namespace {

std::vector<std::string> shippedDatabase()
{
    std::ifstream in(TEMPAROKA_DATA_DIR "/predictions.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return PredictionTable::splitLines(text.str());
}

TEST(PredictionTable, ShippedDatabaseFillsEveryKeyWithTheDocumentedCounts)
{
    const std::vector<std::string> lines = shippedDatabase();
    ASSERT_FALSE(lines.empty());
    const PredictionTable table = PredictionTable::fromLines(lines);
    const int expected[5][5] = {
        {2, 1, 1, 1, 2}, {3, 3, 3, 2, 2}, {4, 5, 5, 3, 4}, {3, 3, 4, 3, 3}, {2, 2, 2, 2, 2},
    };
    int filled = 0;
    for (int band = 1; band <= 5; ++band) {
        for (int quality = 1; quality <= 5; ++quality) {
            EXPECT_EQ(table.variantCount(band, quality), expected[band - 1][quality - 1]) << band << "," << quality;
            for (int variant = 1; variant <= 10; ++variant)
                filled += table.cell(band, quality, variant).empty() ? 0 : 1;
        }
    }
    EXPECT_EQ(filled, 67);  // no gaps: every filled cell was counted above
}

TEST(PredictionTable, ShippedDatabaseKeepsItsGrammarAndQuotedEntries)
{
    const std::vector<std::string> lines = shippedDatabase();
    EXPECT_EQ(lines.front(), "1");
    EXPECT_EQ(lines[1], "2");
    EXPECT_EQ(lines.back(), "---");
    std::size_t romances = 0, longest = 0;
    for (const std::string& line : lines) {
        longest = std::max(longest, line.size());
        romances += line.rfind("Asmara: ", 0) == 0 ? 1 : 0;
        for (const char c : line)
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << line;
    }
    EXPECT_EQ(romances, 27u);
    EXPECT_LE(longest, 136u);

    const PredictionTable table = PredictionTable::fromLines(lines);
    const TextBlock quoted23 = {"Anda akan mengungkap sesuatu yang penting bagi masa depan Anda. Terbukalah.", "[",
                                "You will discover something important for you future live. Be open.", "]"};
    bool found = false;
    for (int v = 1; v <= table.variantCount(2, 3); ++v)
        found = found || table.cell(2, 3, v) == quoted23;
    EXPECT_TRUE(found);
    const TextBlock quoted42 = {
        "Anda mampu merubah sesuatu yang buruk menjadi baik. Gunakan fantasi Anda, berpikirlah secara luas.",
        "",
        "Asmara: Jangan terlalu setia.",
        "[",
        "You can turn a bad thing into a good one. Use your fantasy, think outside the box.",
        "",
        "Romance: Don't be so terribly loyal.",
        "]"};
    EXPECT_EQ(table.cell(4, 2, 1), quoted42);

    // Every entry has its English part, line for line in the same shape.
    for (int band = 1; band <= 5; ++band) {
        for (int quality = 1; quality <= 5; ++quality) {
            for (int v = 1; v <= table.variantCount(band, quality); ++v) {
                const TextBlock& block = table.cell(band, quality, v);
                const auto open = std::find(block.begin(), block.end(), "[");
                ASSERT_NE(open, block.end());
                EXPECT_EQ(block.back(), "]");
                const auto indonesian = open - block.begin();
                EXPECT_EQ(indonesian, static_cast<long>(block.size()) - indonesian - 2) << band << quality << v;
            }
        }
    }
}

TEST(PredictionTable, LoaderEdgeCases)
{
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int band, quality, variant;
        TextBlock expected;
    };
    // clang-format off
    const Case cases[] = {
        {"entry without its closing bracket is kept as it is",
         {"1", "1", "Satu", "[", "One", "---"}, 1, 1, 1, {"Satu", "[", "One"}},
        {"text and empty lines between entries are passed over",
         {"1", "1", "A", "---", "", "stray text", "2", "3", "B", "---"}, 2, 3, 1, {"B"}},
        {"numbers may carry blanks, a sign and trailing text",
         {"  +3 ", "4x", "C", "---"}, 3, 4, 1, {"C"}},
        {"the first body line is taken even when it is ---",
         {"1", "2", "---", "D", "---"}, 1, 2, 1, {"---", "D"}},
        {"a last entry without --- stops at the end of the lines",
         {"5", "5", "E", "F"}, 5, 5, 1, {"E", "F"}},
        {"entries with numbers outside the table are skipped",
         {"7", "1", "X", "---", "1", "9", "Y", "---", "2", "2", "G", "---"}, 2, 2, 1, {"G"}},
        {"a negative first number is outside the table too",
         {"-1", "1", "X", "---", "1", "1", "H", "---"}, 1, 1, 1, {"H"}},
        // Loading goes on while the position is more than two lines from the end.
        {"three lines hold an entry", {"2", "4", "Dua"}, 2, 4, 1, {"Dua"}},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PredictionTable::fromLines(c.lines).cell(c.band, c.quality, c.variant), c.expected) << c.what;

    // The skipped entries left nothing anywhere else.
    const PredictionTable skipped = PredictionTable::fromLines(cases[5].lines);
    int filled = 0;
    for (int b = 1; b <= 5; ++b)
        for (int q = 1; q <= 5; ++q)
            filled += skipped.variantCount(b, q);
    EXPECT_EQ(filled, 1);
}

TEST(PredictionTable, AnEndWithoutAWholeEntryAddsNothingAndReadsNoFurther)
{
    struct Case {
        const char* what;
        std::vector<std::string> tail;
    };
    // clang-format off
    const Case cases[] = {
        {"text lines after the last entry", {"catatan", "", "akhir"}},
        {"numbers with no body after them: two lines hold no entry", {"kosong", "3", "3"}},
        {"a first number alone", {"", "", "4"}},
        {"a number too large for any cell", {"99999999999", "2", "Teks"}},
        {"a number too small for any cell", {"-99999999999", "2", "Teks"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::string> lines = {"1", "1", "Satu", "---"};
        lines.insert(lines.end(), c.tail.begin(), c.tail.end());
        const PredictionTable table = PredictionTable::fromLines(lines);
        int entries = 0;
        for (int b = 1; b <= 5; ++b)
            for (int q = 1; q <= 5; ++q)
                entries += table.variantCount(b, q);
        EXPECT_EQ(entries, 1) << c.what;
        EXPECT_EQ(table.cell(1, 1, 1), TextBlock{"Satu"}) << c.what;
    }
}

TEST(PredictionTable, EleventhEntryOfAKeyIsAppendedToVariantTen)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 11; ++i)
        lines.insert(lines.end(), {"3", "3", "text " + std::to_string(i), "---"});
    const PredictionTable table = PredictionTable::fromLines(lines);
    EXPECT_EQ(table.variantCount(3, 3), 10);
    EXPECT_EQ(table.cell(3, 3, 6), TextBlock{"text 6"});
    EXPECT_EQ(table.cell(3, 3, 10), (TextBlock{"text 10", "text 11"}));
    EXPECT_TRUE(table.cell(0, 3, 1).empty());
    EXPECT_TRUE(table.cell(3, 3, 11).empty());
}

TEST(PredictionTable, SplitLinesKeepsEmptyLinesAndDropsCarriageReturns)
{
    EXPECT_EQ(PredictionTable::splitLines("a\r\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(PredictionTable::splitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(PredictionTable::splitLines("").empty());
}

}  // namespace
