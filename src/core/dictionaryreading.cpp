#include "core/dictionaryreading.h"

namespace temparoka {

namespace {

// A headword as a line begins: "ular" as "Ular".
std::string capitalised(const std::string& headword)
{
    std::string line = headword;
    if (!line.empty() && line.front() >= 'a' && line.front() <= 'z')
        line.front() = static_cast<char>(line.front() - 'a' + 'A');
    return line;
}

}  // namespace

std::vector<ReadingLine> entryLines(const DictionaryEntry& entry)
{
    return {{capitalised(entry.indonesian), Language::Indonesian, true},
            {capitalised(entry.english), Language::English, true},
            {entry.arti, Language::Indonesian, false},
            {entry.meaning, Language::English, false}};
}

Reading dictionaryReading(const std::vector<const DictionaryEntry*>& chosen, double day, Pen pen)
{
    Reading reading = Reading::dictionary(day);
    for (const DictionaryEntry* entry : chosen) {
        const std::vector<ReadingLine> lines = entryLines(*entry);
        reading.lines.insert(reading.lines.end(), lines.begin(), lines.end());
        reading.lines.push_back({"", Language::Indonesian, false});
    }
    reading.lines.push_back({"Ramalan ini hanya hiburan.", Language::Indonesian, false});
    reading.lines.push_back({"This reading is for entertainment only.", Language::English, false});
    reading.pen = pen;
    return reading;
}

}  // namespace temparoka
