#pragma once
// The paper a kept reading is printed on and how the reading falls on its
// pages. The paper comes from the system's own setting before the
// language's habits; the pages are laid out by us, so that an Indonesian
// line never ends a page while its English partner starts the next, and a
// heading never ends a page alone.

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

#include <string_view>

class QTextDocument;

namespace temparoka {

// The margin around the text on every page.
constexpr qreal kPageMarginMm = 20;

// The paper to use, from what the system says, most particular first: the
// paper file's text ("a4", "letter"; comments and blank lines allowed),
// then the C library's paper for the locale (its size in millimetres,
// empty when unknown), then the locale's measurement system (Letter where
// it measures in inches, A4 elsewhere).
QPageSize paperSize(std::string_view paperFile, QSizeF localePaperMm, QLocale::MeasurementSystem measurement);

// paperSize with this system's /etc/papersize, LC_PAPER and locale.
QPageSize systemPaperSize();

// Portrait pages of the given size with the reading's margins.
QPageLayout readingPageLayout(const QPageSize& size);

// Lays the document out on pages of the given size (the text area, in the
// document's pixels) and moves to the next page the start of every group
// of lines that would otherwise be cut by a page's end: an Indonesian line
// or block with the English that follows it, and a heading with its text.
// A group taller than a page keeps only its first two lines together.
void layOutPages(QTextDocument& document, QSizeF pageSize);

}  // namespace temparoka
