#include "core/writer.h"

namespace temparoka {

void blockausgabe(ReadingWriter& writer, const std::vector<std::string>& block)
{
    for (const std::string& line : block) {
        const bool opens = line.find('[') != std::string::npos;
        const bool closes = line.find(']') != std::string::npos;
        if (opens) {
            writer.setLanguage(Language::English);
            writer.appendLine("");
            if (line != "[")
                writer.appendLine(line);
        }
        if (closes) {
            // A line holding both brackets has just been written above.
            if (line != "]" && !opens)
                writer.appendLine(line);
            writer.setLanguage(Language::Indonesian);
        }
        if (!opens && !closes)
            writer.appendLine(line);
    }
}

void paarausgabe(ReadingWriter& writer, std::string_view indonesian, std::string_view english)
{
    writer.setLanguage(Language::Indonesian);
    if (!indonesian.empty())
        writer.appendLine(indonesian);
    writer.setLanguage(Language::English);
    if (!english.empty())
        writer.appendLine(english);
    writer.setLanguage(Language::Indonesian);
}

void weeklyOpening(ReadingWriter& writer, long long months)
{
    const std::string count = std::to_string(months);
    writer.setBold(true);
    writer.appendLine("Temparoka melihat:");
    writer.setBold(false);
    writer.appendLine(count + " bulan sudah lewat sejak Anda lahir");
    writer.appendLine("Ini ramalan saya untuk minggu depan");
    writer.setLanguage(Language::English);
    writer.setBold(true);
    writer.appendLine("Temparoka sees:");
    writer.setBold(false);
    writer.appendLine(count + " full moon have passed since you were born");
    writer.appendLine("These are my predictions for the next week");
    writer.setLanguage(Language::Indonesian);
    writer.appendLine("");
}

}  // namespace temparoka
