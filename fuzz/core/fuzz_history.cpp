// A damaged prediction history -> the earlier readings listed from it
// against the shipped prediction table. Whatever the record holds, the list
// has at most one entry for each history slot, newest first, and every entry
// stands for a key the table has, written as the table's text for it.
//
// Input: four bytes for today (its low byte the time of day, the rest a day
// between 1900 and 2199), then the record's 452 bytes (a short one ends in zeros).

#include "fuzzinput.h"

#include "core/history.h"
#include "core/writer.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace temparoka;

namespace {

const PredictionTable& shippedTable()
{
    static const PredictionTable table = [] {
        std::ifstream in(TEMPAROKA_DATA_DIR "/predictions.txt", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const PredictionTable loaded = PredictionTable::fromLines(PredictionTable::splitLines(text.str()));
        // A table that failed to load would list nothing and prove nothing.
        if (loaded.cell(1, 1, 1).empty())
            std::abort();
        return loaded;
    }();
    return table;
}

std::vector<ReadingLine> written(const TextBlock& block)
{
    ReadingWriter recorder;
    blockausgabe(recorder, block);
    return recorder.lines();
}

// Whether entry shows the prediction of slot: a key the table has, its week
// and the table's text for it.
bool shows(const EarlierReading& entry, const PredictionRecord& slot, const PredictionTable& table)
{
    const TextBlock& block = table.cell(slot.band, slot.quality, slot.variant);
    return !block.empty() && entry.week == slot.week && entry.reading.week == slot.week &&
           entry.reading.lines == written(block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PredictionTable& table = shippedTable();
    fuzz::FuzzInput input(data, size);
    const double today = input.dateValue();
    std::uint8_t bytes[kRecordFileSize];
    input.fill(bytes);
    const std::optional<Record> record = deserialise(bytes);
    if (!record)
        std::abort();

    const std::vector<EarlierReading> entries = earlierReadings(record->verlauf, table, today);
    if (entries.size() > kHistorySize)
        std::abort();

    // Each entry is one of the history's slots, in order from the newest:
    // walking both lists together finds a slot for each.
    auto slot = record->verlauf.rbegin();
    for (const EarlierReading& entry : entries) {
        while (slot != record->verlauf.rend() && !shows(entry, *slot, table))
            ++slot;
        if (slot == record->verlauf.rend())
            std::abort();
        ++slot;
        if (entry.reading.kind != ReadingKind::Earlier)
            std::abort();
        // What the list and a kept copy show of it takes any entry.
        (void)earlierCaption(entry);
        (void)earlierDescription(entry);
        (void)readingFileName(entry.reading);
        (void)readingPlainText(entry.reading);
    }
    return 0;
}
