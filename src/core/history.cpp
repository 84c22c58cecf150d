#include "core/history.h"

#include "core/calendar.h"
#include "core/writer.h"

namespace temparoka {

std::vector<EarlierReading> earlierReadings(const PredictionHistory& history, const PredictionTable& table,
                                            double today)
{
    const int thisWeek = isoWeek(today);
    const int thisYear = isoWeekYear(today);
    std::vector<EarlierReading> entries;
    for (auto entry = history.rbegin(); entry != history.rend(); ++entry) {
        const TextBlock& block = table.cell(entry->band, entry->quality, entry->variant);
        if (block.empty() || entry->week < 1 || entry->week > 53)
            continue;
        EarlierReading earlier;
        earlier.week = entry->week;
        earlier.lastYear = entry->week > thisWeek;
        earlier.reading.kind = ReadingKind::Earlier;
        earlier.reading.week = entry->week;
        earlier.reading.weekYear = earlier.lastYear ? thisYear - 1 : thisYear;
        ReadingWriter writer;
        blockausgabe(writer, block);
        earlier.reading.lines = writer.takeLines();
        for (const ReadingLine& line : earlier.reading.lines)
            if (!line.text.empty()) {
                earlier.firstLine = line.text;
                break;
            }
        entries.push_back(std::move(earlier));
    }
    return entries;
}

}  // namespace temparoka
