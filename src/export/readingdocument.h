#pragma once
// A reading as a document to keep: a title in both languages, the card's
// face for a weekly reading, and the reading's lines in their colours and
// the reading's font, exactly as the output window shows them. Needs no
// window: saving (PDF, PNG, HTML, plain text), printing, copying as a
// picture and the history all start from here.

#include "core/errors.h"
#include "core/reading.h"
#include "export/readinglook.h"
#include "files/keptfile.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QString>
#include <QTextDocument>

#include <memory>
#include <optional>

class QImage;
class QPagedPaintDevice;

namespace temparoka {

enum class DocumentFormat { Pdf, Png, Html, Text };

// The format a file name asks for by its extension, if it names one.
std::optional<DocumentFormat> formatOfFile(const QString& path);
QString extensionOf(DocumentFormat format);

// The file a reading is kept in and what it is written as. A name that
// ends in an extension we write keeps it, and the extension decides the
// format; any other name gets the extension of the kind of file chosen in
// the dialog added ("x.jpg" becomes "x.jpg.pdf"), so that a file never
// holds bytes its name does not announce.
struct KeptFile {
    QString path;
    DocumentFormat format;
    bool operator==(const KeptFile&) const = default;
};
KeptFile keptFile(const QString& path, DocumentFormat chosen);

// A picture as PNG bytes; a failure for a picture that could not be drawn
// (a null image: there was no memory for it) or encoded.
Encoded pngOf(const QImage& picture);
// Whether bytes hold a whole PDF: its header at the start, its end marker
// at the end. A writer that could not begin leaves nothing or a stub.
bool wholePdf(const QByteArray& bytes);

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
    // at the given pixel ratio (2 on a dense screen keeps it sharp). A null
    // image when there is no memory to draw it.
    QImage image(qreal pixelRatio) const;
    // A standalone web page: the document's rich text, the card inlined.
    FileResult<QString> html() const;
    // Pages of vector text that can be selected and searched, laid out on
    // pages of the given layout; only the given pages when ranges are set.
    Encoded pdf(const QPageLayout& layout, const QPageRanges& ranges = {}) const;
    // Prints on the device's pages as pages() lays them out.
    void print(QPagedPaintDevice& device) const;
    // A copy of the document laid out on pages of the layout's text area,
    // with the page breaks that keep pairs and headings whole.
    std::unique_ptr<QTextDocument> pages(const QPageLayout& layout) const;
    // The file's bytes for a format; PDF pages are the system's paper.
    Encoded encoded(DocumentFormat format) const;

private:
    void build(QTextDocument& document) const;

    Reading m_reading;
    std::unique_ptr<QTextDocument> m_document;
};

// The document in format, saved to path as saveEncoded does.
void saveReading(const ReadingDocument& document, const QString& path, DocumentFormat format);

}  // namespace temparoka
