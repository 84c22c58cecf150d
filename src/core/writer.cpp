#include "core/writer.h"

namespace temparoka {

void blockausgabe(TextWriter& writer, const std::vector<std::string>& block)
{
    for (const std::string& line : block) {
        const bool opens = line.find('[') != std::string::npos;
        const bool closes = line.find(']') != std::string::npos;
        if (opens) {
            writer.setColour(TextColour::Blue);
            writer.appendLine("");
            if (line != "[")
                writer.appendLine(line);
        }
        if (closes) {
            // A line holding both brackets has just been written above.
            if (line != "]" && !opens)
                writer.appendLine(line);
            writer.setColour(TextColour::Black);
        }
        if (!opens && !closes)
            writer.appendLine(line);
    }
}

void paarausgabe(TextWriter& writer, std::string_view indonesian, std::string_view english)
{
    writer.setColour(TextColour::Black);
    if (!indonesian.empty())
        writer.appendLine(indonesian);
    writer.setColour(TextColour::Blue);
    if (!english.empty())
        writer.appendLine(english);
    writer.setColour(TextColour::Black);
}

void weeklyOpening(TextWriter& writer, long long months)
{
    const std::string count = std::to_string(months);
    writer.setBold(true);
    writer.appendLine("Temparoka melihat:");
    writer.setBold(false);
    writer.appendLine(count + " bulan sudah lewat sejak Anda lahir");
    writer.appendLine("Ini ramalan saya untuk minggu depan");
    writer.setColour(TextColour::Blue);
    writer.setBold(true);
    writer.appendLine("Temparoka sees:");
    writer.setBold(false);
    writer.appendLine(count + " full moon have passed since you were born");
    writer.appendLine("These are my predictions for the next week");
    writer.setColour(TextColour::Black);
    writer.appendLine("");
}

}  // namespace temparoka
