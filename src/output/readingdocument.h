#pragma once
// A reading as a document to keep: a title in both languages, the card's
// face for a weekly reading, and the reading's lines in their colours and
// the reading's font, exactly as the output window shows them. Needs no
// window: saving (PDF, PNG, HTML, plain text), printing, copying as a
// picture and the history all start from here.

#include "output/reading.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPageSize>
#include <QString>
#include <QTextDocument>

#include <memory>
#include <optional>

class QImage;
class QLocale;
class QPagedPaintDevice;
class QTextCursor;
class QTextEdit;

namespace temparoka {

// The reading's font and its two colours: one place for the output
// window, the history and every kept copy.
QFont readingFont();
QColor colourOf(TextColour colour);

// Gives a view the reading's font and black-on-white paper, whatever the
// desktop theme: the colours carry the languages.
void showAsReading(QTextEdit* view);

// Appends a line to a text as the output window shows it: a new paragraph
// (except for the very first line) whose own format gives a blank line its
// colour too.
void appendReadingLine(QTextCursor& cursor, const ReadingLine& line, bool first);

enum class DocumentFormat { Pdf, Png, Html, Text };

// The format a file name asks for by its extension, if it names one.
std::optional<DocumentFormat> formatOfFile(const QString& path);
QString extensionOf(DocumentFormat format);

// A4, or Letter where the locale measures in inches.
QPageSize localPageSize(const QLocale& locale);

class ReadingDocument {
public:
    // Pages are laid out at the screen's 96 dots per inch, for which the
    // reading's fonts and the card are sized; text and the twice-size card
    // stay sharp on paper all the same.
    static constexpr int kPageResolution = 96;

    explicit ReadingDocument(Reading reading);
    ~ReadingDocument();

    const Reading& reading() const { return m_reading; }
    QTextDocument& document() const { return *m_document; }

    // A picture of the document, as wide as the output window's view, drawn
    // at the given pixel ratio (2 on a dense screen keeps it sharp).
    QImage image(qreal pixelRatio) const;
    // A standalone web page: the document's rich text, the card inlined.
    QString html() const;
    // Pages of vector text that can be selected and searched.
    QByteArray pdf(const QPageSize& pageSize) const;
    void print(QPagedPaintDevice& device) const;
    // The file's bytes for a format; PDF pages are sized for the locale.
    QByteArray encoded(DocumentFormat format) const;

private:
    void build();

    Reading m_reading;
    std::unique_ptr<QTextDocument> m_document;
};

// Writes the document to path in format: beside the target first, then
// renamed over it, so that a failed save leaves no half-written file and
// the old file whole. Throws FileError naming the file.
void saveReading(const ReadingDocument& document, const QString& path, DocumentFormat format);

}  // namespace temparoka
