#pragma once
// The prediction text table: the database lines (number, number, body,
// "---") turned into 5 x 5 x 10 lists of body lines, indexed by band,
// quality and variant from 1. Variants are numbered in the order their
// entries stand in the database; the record file stores those numbers, so
// the database order is part of the data.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace temparoka {

using TextBlock = std::vector<std::string>;

class PredictionTable {
public:
    static constexpr int kBands = 5;
    static constexpr int kQualities = 5;
    static constexpr int kVariants = 10;

    // Builds the table from the database lines.
    static PredictionTable fromLines(const std::vector<std::string>& lines);
    // Splits text into lines at "\n" (a "\r" before it is dropped).
    static std::vector<std::string> splitLines(std::string_view text);

    // The body lines of one cell; empty when the variant does not exist.
    // Indexes outside the table give an empty block.
    const TextBlock& cell(int band, int quality, int variant) const;
    // Number of variants of a key: cells with lines counted from variant 1
    // up to the first empty one.
    int variantCount(int band, int quality) const;

private:
    std::array<TextBlock, kBands * kQualities * kVariants> m_cells;
    TextBlock& at(int band, int quality, int variant);
};

}  // namespace temparoka
