#include "export/readingdocument.h"

#include "core/errors.h"
#include "export/pages.h"
#include "export/pngwriter.h"
#include "files/jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

#include <utility>
#include <vector>

namespace temparoka {

namespace {

// The name the card's face goes by inside the document.
const QString kCardResource = QStringLiteral("temparoka-card");
// As wide as the output window's view, so that a picture of the reading
// breaks its lines where the window does.
constexpr qreal kPictureWidth = kReadingViewWidth;
constexpr qreal kMargin = 24;

const char* const kNoMemoryToDraw = "there is not enough memory to draw the reading";

}  // namespace

std::optional<DocumentFormat> formatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return DocumentFormat::Pdf;
    if (suffix == QLatin1String("png"))
        return DocumentFormat::Png;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return DocumentFormat::Html;
    if (suffix == QLatin1String("txt"))
        return DocumentFormat::Text;
    return std::nullopt;
}

QString extensionOf(DocumentFormat format)
{
    switch (format) {
    case DocumentFormat::Pdf:
        return QStringLiteral("pdf");
    case DocumentFormat::Png:
        return QStringLiteral("png");
    case DocumentFormat::Html:
        return QStringLiteral("html");
    case DocumentFormat::Text:
        break;
    }
    return QStringLiteral("txt");
}

KeptFile keptFile(const QString& path, DocumentFormat chosen)
{
    if (const std::optional<DocumentFormat> named = formatOfFile(path))
        return {path, *named};
    // "x." gets its extension after the dot it already has.
    const QString dot = path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return {path + dot + extensionOf(chosen), chosen};
}

ReadingDocument::ReadingDocument(Reading reading)
    : m_reading(std::move(reading)), m_document(std::make_unique<QTextDocument>())
{
    build(*m_document);
}

ReadingDocument::~ReadingDocument() = default;

void ReadingDocument::build(QTextDocument& document) const
{
    document.setDefaultFont(readingFont());
    document.setDocumentMargin(kMargin);
    document.setTextWidth(kPictureWidth);
    const ReadingTitle title = readingTitle(m_reading);
    document.setMetaInformation(QTextDocument::DocumentTitle, QString::fromStdString(title.indonesian));

    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFont(pixelFont(22, true, readingFamily()));
    heading.setForeground(colourOf(Language::Indonesian));
    // A heading, not only large type: a web page and a screen reader
    // show it as the page's title.
    QTextBlockFormat headingBlock;
    headingBlock.setHeadingLevel(1);
    cursor.setBlockFormat(headingBlock);
    cursor.setBlockCharFormat(heading);
    cursor.insertText(QString::fromStdString(title.indonesian), heading);
    appendReadingLine(cursor, {title.english, Language::English, false}, false);

    const ReadingCard& card = m_reading.card;
    if (card.number != 0) {
        // Always the twice-size drawing: paper and PDF viewers zoom in.
        const QImage face = loadPicture(QString::fromStdString(card.picture), 2.0);
        document.addResource(QTextDocument::ImageResource, QUrl(kCardResource), face);
        // The card on a paragraph of its own, a little apart from the title.
        QTextBlockFormat apart;
        apart.setTopMargin(10);
        apart.setBottomMargin(4);
        cursor.insertBlock(apart);
        QTextImageFormat picture;
        picture.setName(kCardResource);
        picture.setProperty(QTextFormat::ImageAltText,
                            QString::fromStdString("Kartu Anda: " + card.indonesian + " / Your card: " + card.english));
        picture.setWidth(face.deviceIndependentSize().width());
        picture.setHeight(face.deviceIndependentSize().height());
        cursor.insertImage(picture);
        appendReadingLine(cursor, {"Kartu Anda: " + card.indonesian, Language::Indonesian, false}, false);
        appendReadingLine(cursor, {"Your card: " + card.english, Language::English, false}, false);
    }
    appendReadingLine(cursor, {"", Language::Indonesian, false}, false);
    for (const ReadingLine& line : m_reading.lines)
        appendReadingLine(cursor, line, false);
}

QImage ReadingDocument::image(qreal pixelRatio) const
{
    const QSize size = m_document->size().toSize();
    // Three bytes a pixel, in the order a PNG keeps them: a quarter less
    // memory to fill and draw on than 32-bit pixels (drawing a long reading
    // takes nearly a third less time), and nothing to convert when it is saved.
    QImage picture(size * pixelRatio, QImage::Format_RGB888);
    // Without the memory for its pixels the image is null, and a painter on
    // it does not begin.
    if (picture.isNull())
        return {};
    picture.setDevicePixelRatio(pixelRatio);
    // Drawn at the ratio's multiple of the screen's density, and says so:
    // a viewer shows it at the reading's own size.
    const int dotsPerMetre = qRound(kPageResolution * pixelRatio / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (!painter.isActive())
        return {};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_document->drawContents(&painter);
    return picture;
}

FileResult<QString> ReadingDocument::html() const
{
    // A copy for the web, on which Qt's writer finds what a page needs.
    QTextDocument page;
    build(page);
    // Name the free look-alikes too, for a browser on a machine without
    // the reading's own font.
    const QStringList families = QStringList(readingFamily()) + QFont::substitutes(readingFamily());
    QFont font = page.defaultFont();
    font.setFamilies(families);
    page.setDefaultFont(font);
    QTextCursor all(&page);
    all.select(QTextCursor::Document);
    QTextCharFormat named;
    named.setFontFamilies(families);
    all.mergeCharFormat(named);
    // The card goes inside the page as its own data, so that the file
    // stands on its own: the picture is named by it.
    if (m_reading.card.number != 0) {
        const Encoded png = pngOf(page.resource(QTextDocument::ImageResource, QUrl(kCardResource)).value<QImage>());
        if (!png.ok())
            return png.failure();
        const QString inlined = QLatin1String("data:image/png;base64,") + QLatin1String(png.value().toBase64());
        // Found first, renamed after: renaming changes the fragments.
        std::vector<std::pair<int, QTextImageFormat>> pictures;
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next())
            for (auto piece = block.begin(); !piece.atEnd(); ++piece)
                if (piece.fragment().charFormat().isImageFormat())
                    pictures.emplace_back(piece.fragment().position(), piece.fragment().charFormat().toImageFormat());
        for (auto& [position, picture] : pictures) {
            picture.setName(inlined);
            QTextCursor at(&page);
            at.setPosition(position);
            at.setPosition(position + 1, QTextCursor::KeepAnchor);
            at.setCharFormat(picture);
        }
    }
    QString html = page.toHtml();
    // Qt's writer gives the page no language: the reading is Indonesian
    // first, so the page says so on its root.
    const qsizetype root = html.indexOf(QLatin1String("<html>"));
    if (root >= 0 && root < html.indexOf(QLatin1String("<head>")))
        html.insert(root + 5, QLatin1String(" lang=\"id\""));
    return html;
}

std::unique_ptr<QTextDocument> ReadingDocument::pages(const QPageLayout& layout) const
{
    auto paged = std::make_unique<QTextDocument>();
    build(*paged);
    // The text area in the document's own pixels; printing scales each
    // page onto the device's text area.
    const QRectF area = layout.paintRect(QPageLayout::Point);
    layOutPages(*paged, area.size() * (kPageResolution / 72.0));
    return paged;
}

void ReadingDocument::print(QPagedPaintDevice& device) const
{
    pages(device.pageLayout())->print(&device);
}

Encoded ReadingDocument::pdf(const QPageLayout& layout, const QPageRanges& ranges) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return Failure{kNoMemoryToDraw};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPageResolution);
        writer.setPageLayout(layout);
        writer.setPageRanges(ranges);
        writer.setTitle(m_document->metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Ramalan Temparoka"));
        // Printing says nothing when its painter cannot begin; what it
        // left in the buffer tells.
        print(writer);
    }
    if (!wholePdf(bytes))
        return Failure{"the PDF could not be made completely"};
    return bytes;
}

Encoded pngOf(const QImage& picture)
{
    if (picture.isNull())
        return Failure{kNoMemoryToDraw};
    Encoded bytes = encodePng(picture);
    if (!bytes.ok())
        return Failure{"the picture could not be encoded (" + bytes.problem() + ")"};
    return bytes;
}

bool wholePdf(const QByteArray& bytes)
{
    // The end marker may be followed by a line break, nothing else.
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

Encoded ReadingDocument::encoded(DocumentFormat format) const
{
    switch (format) {
    case DocumentFormat::Pdf:
        return pdf(readingPageLayout(systemPaperSize()));
    case DocumentFormat::Png:
        return pngOf(image(2.0));
    case DocumentFormat::Html: {
        const FileResult<QString> page = html();
        if (!page.ok())
            return page.failure();
        return page.value().toUtf8();
    }
    case DocumentFormat::Text:
        break;
    }
    return QByteArray::fromStdString(readingPlainText(m_reading));
}

void saveReading(const ReadingDocument& document, const QString& path, DocumentFormat format)
{
    saveEncoded(document.encoded(format), path);
}

}  // namespace temparoka
