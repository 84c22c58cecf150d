// Prediction database text -> the table, and every cell through the block
// writer. Whatever the text, the loader stays inside its 5 x 5 x 10 cells
// and the writer inside the lines it is given.

#include "core/predictiontable.h"
#include "core/writer.h"

#include <cstdlib>
#include <string_view>

using namespace temparoka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = PredictionTable::splitLines(text);
    const PredictionTable table = PredictionTable::fromLines(lines);
    std::size_t stored = 0;
    for (int band = 0; band <= 6; ++band) {
        for (int quality = 0; quality <= 6; ++quality) {
            const int count = table.variantCount(band, quality);
            if (count < 0 || count > PredictionTable::kVariants)
                std::abort();
            for (int variant = 0; variant <= 11; ++variant) {
                const TextBlock& block = table.cell(band, quality, variant);
                stored += block.size();
                ReadingWriter writer;
                blockausgabe(writer, block);
                // Each line is written at most once, plus a blank line for each "[" line.
                if (writer.lines().size() > 2 * block.size())
                    std::abort();
            }
        }
    }
    if (stored > lines.size())
        std::abort();
    return 0;
}
