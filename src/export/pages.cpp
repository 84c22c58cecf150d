#include "export/pages.h"

#include "export/readinglook.h"
#include "files/nativefile.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <langinfo.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace temparoka {

namespace {

// The paper file's first word that is not a comment, in lower case.
std::string paperName(std::string_view text)
{
    std::string word;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string_view::npos || line[start] == '#')
            continue;
        for (std::size_t i = start; i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])); ++i)
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
        break;
    }
    return word;
}

std::optional<QPageSize::PageSizeId> namedPaper(const std::string& name)
{
    const std::pair<const char*, QPageSize::PageSizeId> papers[] = {
        {"a3", QPageSize::A3},
        {"a4", QPageSize::A4},
        {"a5", QPageSize::A5},
        {"b5", QPageSize::B5},
        {"letter", QPageSize::Letter},
        {"legal", QPageSize::Legal},
        {"executive", QPageSize::Executive},
    };
    for (const auto& [known, id] : papers)
        if (name == known)
            return id;
    return std::nullopt;
}

// What nl_langinfo gives for the paper's items is a number in the pointer.
int paperItem(nl_item item)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
}

enum class LineKind { Separator, Indonesian, English };

LineKind kindOf(const QTextBlock& block)
{
    const QString text = block.text();
    // A blank Indonesian line parts what is written; the card's picture
    // stands on its own; a blank English line opens a block's English.
    if (text.contains(QChar::ObjectReplacementCharacter))
        return LineKind::Separator;
    if (languageOf(block) == Language::English)
        return LineKind::English;
    return text.isEmpty() ? LineKind::Separator : LineKind::Indonesian;
}

// The blocks that belong together, each as its first and last block.
std::vector<std::pair<QTextBlock, QTextBlock>> groupsOf(const QTextDocument& document)
{
    std::vector<std::pair<QTextBlock, QTextBlock>> groups;
    bool open = false;
    bool english = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const LineKind kind = kindOf(block);
        if (kind == LineKind::Separator) {
            open = false;
            continue;
        }
        // Indonesian after English begins the next pair.
        if (!open || (kind == LineKind::Indonesian && english)) {
            groups.push_back({block, block});
            english = false;
        }
        groups.back().second = block;
        open = true;
        english = english || kind == LineKind::English;
    }
    return groups;
}

// Where a block's first line starts and its last line ends on the whole
// run of pages.
std::pair<qreal, qreal> extentOf(const QTextDocument& document, const QTextBlock& block)
{
    // The layout works ahead lazily and may not yet have given the block
    // its lines; counting the pages makes it finish.
    document.pageCount();
    const QRectF box = document.documentLayout()->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    if (lines->lineCount() == 0)
        return {box.top(), box.bottom()};
    return {box.top() + lines->lineAt(0).rect().top(),
            box.top() + lines->lineAt(lines->lineCount() - 1).rect().bottom()};
}

// The page a line that starts at top, or ends at bottom, lies on. The
// layout places lines in 64ths of a pixel: half a pixel is within reach of
// a page's end; a line that ends at a page's end is still on that page.
int pageOfTop(qreal top, qreal pageHeight)
{
    return static_cast<int>(std::floor((top + 0.5) / pageHeight));
}

int pageOfBottom(qreal bottom, qreal pageHeight)
{
    return static_cast<int>(std::floor((bottom - 0.5) / pageHeight));
}

}  // namespace

QPageSize paperSize(std::string_view paperFile, QSizeF localePaperMm, QLocale::MeasurementSystem measurement)
{
    if (const std::optional<QPageSize::PageSizeId> named = namedPaper(paperName(paperFile)))
        return QPageSize(*named);
    if (localePaperMm.width() > 0 && localePaperMm.height() > 0)
        return QPageSize(localePaperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageSize(measurement == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageSize systemPaperSize()
{
    std::string paperFile;
    if (const FileResult<FileDescriptor> file = openRegularFile("/etc/papersize"); file.ok() && file.value().isOpen())
        if (const FileResult<std::string> text = readUpTo(file.value().get(), 4096); text.ok())
            paperFile = text.value();
    QSizeF localePaper;
    // The C library knows the paper only once the locale's paper category
    // is taken from the user's setting.
    if (std::setlocale(LC_PAPER, ""))
        localePaper = QSizeF(paperItem(_NL_PAPER_WIDTH), paperItem(_NL_PAPER_HEIGHT));
    return paperSize(paperFile, localePaper, QLocale().measurementSystem());
}

QPageLayout readingPageLayout(const QPageSize& size)
{
    const QMarginsF margins(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
    return QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

void layOutPages(QTextDocument& document, QSizeF pageSize)
{
    document.setDocumentMargin(0);
    // Whole pixels, which the layout's 64ths of a pixel hold exactly.
    document.setPageSize(QSizeF(std::floor(pageSize.width()), std::floor(pageSize.height())));
    const qreal height = document.pageSize().height();
    for (const auto& [first, last] : groupsOf(document)) {
        const qreal top = extentOf(document, first).first;
        QTextBlock end = last;
        if (extentOf(document, last).second - top > height && first != last)
            end = first.next();
        if (pageOfTop(top, height) == pageOfBottom(extentOf(document, end).second, height))
            continue;
        QTextBlockFormat format = first.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(format);
    }
}

}  // namespace temparoka
