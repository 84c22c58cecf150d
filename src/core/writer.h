#pragma once
// The bilingual writers. A reading is written line by line: each line takes
// the language (Indonesian or English) and the weight in force when it is
// written, as a pen that the writers switch. blockausgabe writes a text
// block whose "[" and "]" lines open and close the English part;
// paarausgabe writes an Indonesian/English pair. What they write is a list
// of lines, a reading's value; how a language looks (Indonesian black,
// English blue) is decided only where a reading is shown or drawn.

#include <string>
#include <string_view>
#include <vector>

namespace temparoka {

enum class Language { Indonesian, English };

// The language and weight the next line takes. A reading starts with the
// pen the reading before it left: clearing a view never resets it.
struct Pen {
    Language language = Language::Indonesian;
    bool bold = false;
    bool operator==(const Pen&) const = default;
};

struct ReadingLine {
    std::string text;
    Language language = Language::Indonesian;
    bool bold = false;
    bool operator==(const ReadingLine&) const = default;
};

// Collects the lines a reading writes, each in the pen then in force.
class ReadingWriter {
public:
    explicit ReadingWriter(Pen pen = {}) : m_pen(pen) {}

    void setLanguage(Language language) { m_pen.language = language; }
    void setBold(bool bold) { m_pen.bold = bold; }
    // Appends one line; "" adds a blank line.
    void appendLine(std::string_view line) { m_lines.push_back({std::string(line), m_pen.language, m_pen.bold}); }

    const std::vector<ReadingLine>& lines() const { return m_lines; }
    std::vector<ReadingLine> takeLines() { return std::move(m_lines); }
    Pen pen() const { return m_pen; }

private:
    std::vector<ReadingLine> m_lines;
    Pen m_pen;
};

void blockausgabe(ReadingWriter& writer, const std::vector<std::string>& block);
void paarausgabe(ReadingWriter& writer, std::string_view indonesian, std::string_view english);

// The weekly reading's opening: how many full moons since birth, in both
// languages, the two headings in bold; ends in Indonesian after a blank
// line.
void weeklyOpening(ReadingWriter& writer, long long months);

}  // namespace temparoka
