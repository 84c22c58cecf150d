#pragma once
// What the reader has typed into a date or time field, part by part, before
// the field reads it as a value (see typedentry.h).

#include <QString>

#include <vector>

namespace temparoka {

// The parts of a field's text (the runs of digits in "09/05/1966" or
// "12:00") and what has been typed into each.
class TypedParts {
public:
    // Starts typing over the value's text, in the given part.
    void begin(const QString& shown, int part);
    void end() { m_typing = false; }
    bool typing() const { return m_typing; }

    // A digit: the first one typed into a part replaces what it showed.
    // True when it completed the last part.
    bool type(int digit);
    // Backspace: takes back the last digit typed, in this part or, if
    // nothing was typed here, in the part before.
    void eraseBack();
    // Delete: the part shows what it showed before the typing.
    void clearPart();
    // A separator after some digits of a part ends that part ("4/" is 04).
    void separate();
    void step(int parts);
    void moveTo(int position);

    int part() const { return m_part; }
    int partCount() const { return static_cast<int>(m_parts.size()); }
    int partStart() const { return m_parts[static_cast<std::size_t>(m_part)].start; }
    int partWidth() const { return m_parts[static_cast<std::size_t>(m_part)].width(); }
    // The field's text as typed: a part partly typed is filled with zeros
    // in front ("1" in the day reads 01), which is what it counts as.
    QString text() const;
    // The parts' numbers as the text shows them, in the text's order.
    std::vector<int> numbers() const;

private:
    struct Part {
        int start;
        QString shown;
        QString typed;
        int width() const { return static_cast<int>(shown.size()); }
    };
    QString m_shown;
    std::vector<Part> m_parts;
    int m_part = 0;
    bool m_fresh = true;  // the next digit starts the part anew
    bool m_typing = false;
};

// A typed digit, 0 to 9, or -1. Digits of other scripts count as theirs.
int digitOf(QChar character);

}  // namespace temparoka
