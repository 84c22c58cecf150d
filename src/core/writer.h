#pragma once
// The bilingual writers. Indonesian text is black and English text blue; a
// view keeps a current colour and style that every appended line takes.
// blockausgabe writes a text block whose "[" and "]" lines open and close the
// English part; paarausgabe writes an Indonesian/English pair. Both work on
// any TextWriter, so the rules are tested without a window.

#include <string>
#include <string_view>
#include <vector>

namespace temparoka {

enum class TextColour { Black, Blue };

class TextWriter {
public:
    virtual ~TextWriter() = default;
    // Removes the text; the current colour and style stay as they are.
    virtual void clear() = 0;
    virtual void setColour(TextColour colour) = 0;
    virtual void setBold(bool bold) = 0;
    // Appends one line in the current colour and style; "" adds a blank line.
    virtual void appendLine(std::string_view line) = 0;
};

void blockausgabe(TextWriter& writer, const std::vector<std::string>& block);
void paarausgabe(TextWriter& writer, std::string_view indonesian, std::string_view english);

// The weekly reading's opening: how many full moons since birth, in both
// languages, the two headings in bold; ends in black after a blank line.
void weeklyOpening(TextWriter& writer, long long months);

}  // namespace temparoka
