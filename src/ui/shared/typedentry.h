#pragma once
// Typing a date or a time into a field, digit by digit, as it is read.
//
// Qt's date and time fields read their text as a value at every keystroke
// and bring each step into the range and into the month: 31 typed into
// the day of an April date turns to 30 before the month can be typed, and
// a day typed into a field holding this year's date is pulled back to
// today. A date typed in order thus arrives as another date, and nobody is
// told. Here the digits typed stay in the field's text, part by part (two
// digits move on to the next part, four end the year), and the field reads
// nothing into them until the entry is complete: the last part typed to
// its end, Enter, Tab, or the focus leaving. The whole entry is judged then:
// taken as typed, or refused with a message in both languages while the
// field keeps its value. Nothing typed is ever corrected to another value.
//
// A refusal is told in the program's error box, not in a tooltip: a screen
// reader announces the box, it stays until it has been read (a tooltip goes
// at the next key or change of focus, so a refusal on Tab would flash by),
// its text can be copied, and it needs no room in the windows' fixed
// pictures. The field then shows the value it kept, its first part chosen
// for the entry to be typed again; Tab and Enter that ended a refused entry
// stay in the field. Backspace takes back the digits typed, Delete puts
// the current part back, Escape forgets the whole entry.

#include "ui/shared/typedparts.h"

#include <QDateEdit>
#include <QTimeEdit>

#include <string>
#include <vector>

class QKeyEvent;

namespace temparoka {

// A date or time field (Field is QDateEdit or QTimeEdit) that takes digits
// as described above. Tab leaves the field at once, and Left and Right
// move between its parts, staying put at either end.
template <class Field>
class TypedEntry : public Field {
public:
    explicit TypedEntry(QWidget* parent = nullptr);

    // Whether digits typed into the field wait to be judged.
    bool typing() const { return m_parts.typing(); }

protected:
    // The entry the parts make, in the text's order (day, month, year, or
    // hours, minutes): taken into the field's value, returning an empty
    // text, or refused, returning what to tell the reader. typedText is
    // the entry as the field showed it.
    virtual std::string takeTyped(const std::vector<int>& parts, const QString& typedText) = 0;
    // Judges what is typed; false when it was refused. The reader is told
    // at once, or, where a box cannot open safely (while the focus moves),
    // as soon as the event at hand is done.
    bool finishTyping(bool tellAtOnce);
    // Forgets what is typed, as Escape does.
    void dropTyping();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void stepBy(int steps) override;

private:
    bool takesKey(const QKeyEvent& event) const;
    void typeKey(const QKeyEvent& event);
    void typeText(const QString& text);
    void showTyped();
    void showValue(int part);
    int partOfCursor() const;

    TypedParts m_parts;
    // A key whose shortcut was held back because what was typed before it
    // was refused; its press is dropped too.
    int m_heldBackKey = 0;
};

extern template class TypedEntry<QDateEdit>;
extern template class TypedEntry<QTimeEdit>;

// Left and Right select the part before or after the current one, staying
// put at either end. False for any other key, which the field handles itself.
bool stepBetweenSections(QDateTimeEdit& edit, const QKeyEvent& event);

}  // namespace temparoka
