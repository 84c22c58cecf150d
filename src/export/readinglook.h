#pragma once
// How a reading looks wherever it is shown or kept: its font and the two
// colours that carry its languages (Indonesian black, English blue), and
// how one of its lines is put into a text. The output window, the earlier
// readings and every kept copy take them from here.

#include "core/reading.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextFormat>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace temparoka {

// The family the readings are written in, wherever they are shown or kept;
// drawn with a free look-alike (installFontSubstitutions).
inline QString readingFamily()
{
    return QStringLiteral("Century Gothic");
}

// A font of an exact pixel size: the .ui format knows only points, and the
// fixed control places need exact pixel sizes.
QFont pixelFont(int pixels, bool bold = false, const QString& family = QStringLiteral("MS Sans Serif"));

// How wide the output window's view is (ausgabeform.ui): a view of a
// reading this wide, in the reading's font, breaks its lines where the
// output window does.
constexpr int kReadingViewWidth = 673;

// The reading's font and the colours of its two languages, Indonesian
// black and English blue: the one place that gives a language its look,
// for the output window, the history and every kept copy.
QFont readingFont();
QColor colourOf(Language language);

// Each line's paragraph carries its language, so that what is laid out
// from the text (the pages) knows it without reading a colour back. A
// paragraph of no line of the reading (a title, the card) counts as
// Indonesian.
inline constexpr int kLanguageProperty = QTextFormat::UserProperty + 1;
Language languageOf(const QTextBlock& block);

// Appends a line to a text as the output window shows it: a new paragraph
// (except for the very first line) whose own format gives a blank line its
// colour too.
void appendReadingLine(QTextCursor& cursor, const ReadingLine& line, bool first);
// Writes a reading's lines into an empty document, as the output window
// and the earlier-readings window show them.
void writeReadingLines(QTextDocument& document, const std::vector<ReadingLine>& lines);

}  // namespace temparoka
