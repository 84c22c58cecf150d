#include "export/readinglook.h"

#include <QTextBlock>
#include <QTextCursor>

namespace temparoka {

QFont pixelFont(int pixels, bool bold, const QString& family)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont readingFont()
{
    QFont font = pixelFont(16, false, readingFamily());
    // Drawn with its geometric look-alike, whose "r" runs into a following
    // "n" at this size ("akarnya" read "akamya"): a little air between
    // letters keeps them apart on a screen of ordinary density.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    return font;
}

QColor colourOf(Language language)
{
    return language == Language::English ? QColor(0, 0, 255) : QColor(0, 0, 0);
}

Language languageOf(const QTextBlock& block)
{
    return block.blockFormat().intProperty(kLanguageProperty) == static_cast<int>(Language::English)
               ? Language::English
               : Language::Indonesian;
}

void appendReadingLine(QTextCursor& cursor, const ReadingLine& line, bool first)
{
    QTextCharFormat format;
    format.setForeground(colourOf(line.language));
    format.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
    // A fifth more than the font's own line height: the descenders of one
    // line no longer touch the next line's capitals.
    QTextBlockFormat spaced;
    spaced.setLineHeight(120, QTextBlockFormat::ProportionalHeight);
    spaced.setProperty(kLanguageProperty, static_cast<int>(line.language));
    if (first)
        cursor.setBlockFormat(spaced);
    else
        cursor.insertBlock(spaced);
    cursor.setBlockCharFormat(format);
    cursor.insertText(QString::fromStdString(line.text), format);
}

void writeReadingLines(QTextDocument& document, const std::vector<ReadingLine>& lines)
{
    QTextCursor cursor(&document);
    for (const ReadingLine& line : lines)
        appendReadingLine(cursor, line, &line == &lines.front());
}

}  // namespace temparoka
