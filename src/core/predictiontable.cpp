#include "core/predictiontable.h"

#include <cctype>
#include <climits>

namespace temparoka {

namespace {

// The leading whole number of a line after blanks and an optional sign;
// 0 for a line that does not begin with digits.
int numericValue(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;  // far outside the table either way
    }
    return static_cast<int>(negative ? -value : value);
}

bool inTable(int band, int quality)
{
    return band >= 1 && band <= PredictionTable::kBands && quality >= 1 && quality <= PredictionTable::kQualities;
}

}  // namespace

TextBlock& PredictionTable::at(int band, int quality, int variant)
{
    return m_cells[static_cast<std::size_t>(((band - 1) * kQualities + (quality - 1)) * kVariants + (variant - 1))];
}

const TextBlock& PredictionTable::cell(int band, int quality, int variant) const
{
    static const TextBlock kNone;
    if (!inTable(band, quality) || variant < 1 || variant > kVariants)
        return kNone;
    return const_cast<PredictionTable*>(this)->at(band, quality, variant);
}

int PredictionTable::variantCount(int band, int quality) const
{
    int count = 0;
    while (count < kVariants && !cell(band, quality, count + 1).empty())
        ++count;
    return count;
}

std::vector<std::string> PredictionTable::splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

PredictionTable PredictionTable::fromLines(const std::vector<std::string>& lines)
{
    PredictionTable table;
    const std::size_t n = lines.size();
    std::size_t i = 0;
    // Loading goes on while at least two lines follow the position reached.
    while (i + 2 < n) {
        // The first number: the first line from here with a non-zero value.
        int band = 0;
        while (i < n && (band = numericValue(lines[i])) == 0)
            ++i;
        if (i + 1 >= n)
            break;
        const int quality = numericValue(lines[++i]);
        // An entry whose numbers have no cell is read past but not stored.
        TextBlock* target = nullptr;
        if (inTable(band, quality)) {
            int variant = 1;
            while (variant < kVariants && !table.at(band, quality, variant).empty())
                ++variant;
            target = &table.at(band, quality, variant);
        }
        // The body runs up to the next "---"; its first line is always
        // taken, and a body without "---" ends with the lines.
        ++i;
        if (i >= n)
            break;
        do {
            if (target)
                target->push_back(lines[i]);
            ++i;
        } while (i < n && lines[i] != "---");
    }
    return table;
}

}  // namespace temparoka
