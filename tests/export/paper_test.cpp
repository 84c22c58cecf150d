// A kept reading on paper: which paper is used, the pages a long dream
// reading falls on, and the PDF they are printed to.

#include "export/pages.h"
#include "export/readingdocument.h"
#include "support/fakes.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026

// A dream reading of many motifs whose sentences run to one, two or three
// lines, so that some page's end falls inside a pair.
Reading longDream(int pairs)
{
    Reading dream = Reading::dream(kTuesday);
    const std::string more = " Itu pertanda yang harus diperhatikan dengan sungguh-sungguh oleh Anda dan keluarga.";
    const std::string moreEn = " That is a sign that you and your family should heed with great care indeed.";
    for (int i = 0; i < pairs; ++i) {
        std::string id = "Akan ada bahaya nomor " + std::to_string(i) + ".";
        std::string en = "There will be danger number " + std::to_string(i) + ".";
        for (int extra = 0; extra < i % 3; ++extra) {
            id += more;
            en += moreEn;
        }
        dream.lines.push_back({id, Language::Indonesian, false});
        dream.lines.push_back({en, Language::English, false});
    }
    return dream;
}

// The English half of a pair, known by its words.
bool isEnglish(const QTextBlock& block)
{
    return block.text().startsWith("There will be danger");
}

// The page each block's first line lies on.
int pageOf(const QTextDocument& document, const QTextBlock& block)
{
    const qreal top = document.documentLayout()->blockBoundingRect(block).top();
    const qreal y = top + block.layout()->lineAt(0).y();
    return static_cast<int>((y + 0.5) / document.pageSize().height());
}

}  // namespace

TEST(ReadingPages, ThePaperIsTheSystemsBeforeTheLanguages)
{
    const QSizeF none;
    const QSizeF letterMm(216, 279);
    const QSizeF a4Mm(210, 297);
    const std::tuple<const char*, QSizeF, QLocale::MeasurementSystem, QPageSize::PageSizeId> cases[] = {
        {"a4\n", letterMm, QLocale::ImperialUSSystem, QPageSize::A4},
        {"# paper\n\n  Letter  \n", a4Mm, QLocale::MetricSystem, QPageSize::Letter},
        {"legal", none, QLocale::MetricSystem, QPageSize::Legal},
        {"", letterMm, QLocale::MetricSystem, QPageSize::Letter},
        {"tabloid-ish\n", a4Mm, QLocale::ImperialUSSystem, QPageSize::A4},
        {"", none, QLocale::ImperialUSSystem, QPageSize::Letter},
        {"# a4 only in a comment\n", none, QLocale::MetricSystem, QPageSize::A4},
        {"", none, QLocale::ImperialUKSystem, QPageSize::A4},
    };
    for (const auto& [file, localeMm, measurement, expected] : cases)
        EXPECT_EQ(paperSize(file, localeMm, measurement).id(), expected) << file << " " << localeMm.width();
}

TEST(ReadingPages, NoPageStartsWithTheEnglishOfAPairCutFromItsIndonesian)
{
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        // Every length up to the longest reading: each puts a page's end
        // somewhere else.
        int breaks = 0;
        for (int pairs = 15; pairs <= 30; ++pairs) {
            const ReadingDocument reading(longDream(pairs));
            const std::unique_ptr<QTextDocument> pages = reading.pages(readingPageLayout(QPageSize(paper)));
            // Laid out to the end, every block has its lines.
            ASSERT_GT(pages->pageCount(), 1);
            for (QTextBlock block = pages->begin().next(); block.isValid(); block = block.next()) {
                if (isEnglish(block) && !isEnglish(block.previous())) {
                    EXPECT_EQ(pageOf(*pages, block), pageOf(*pages, block.previous()))
                        << pairs << " pairs: " << block.text().toStdString();
                }
                breaks += block.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore;
            }
        }
        EXPECT_GT(breaks, 0) << "some pair had to move to the next page";
    }
}

TEST(ReadingPages, AHeadingStaysWithTheTextOfABlockTallerThanAPage)
{
    int atPageTop = 0;
    // A line more before it each time, until a page's end has passed by.
    for (int before = 40; before < 70; ++before) {
        Reading reading = Reading::dream(kTuesday);
        for (int line = 0; line < before; ++line)
            reading.lines.push_back({"Before", Language::English, false});
        reading.lines.push_back({"", Language::Indonesian, false});
        reading.lines.push_back({"Temparoka melihat:", Language::Indonesian, true});
        for (const Language colour : {Language::Indonesian, Language::English})
            for (int line = 0; line < 60; ++line)
                reading.lines.push_back({"Baris " + std::to_string(line), colour, false});
        const std::unique_ptr<QTextDocument> pages =
            ReadingDocument(reading).pages(readingPageLayout(QPageSize(QPageSize::A4)));
        pages->pageCount();
        const QTextBlock heading = pages->find("Temparoka melihat:").block();
        ASSERT_TRUE(heading.isValid());
        EXPECT_EQ(pageOf(*pages, heading), pageOf(*pages, heading.next())) << before << " lines before";
        atPageTop += heading.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore;
    }
    // Moved only at the one or two places where the line after it would
    // not fit on its page, not whenever the block does not.
    EXPECT_GE(atPageTop, 1);
    EXPECT_LE(atPageTop, 2);
}

TEST(ReadingPages, EachPageOfThePdfBeginsWithAPairsIndonesian)
{
    const ReadingDocument reading(longDream(15));
    const std::pair<QPageSize::PageSizeId, const char*> papers[] = {{QPageSize::A4, "(A4)"},
                                                                    {QPageSize::Letter, "(letter)"}};
    for (const auto& [paper, name] : papers) {
        const Encoded pdf = reading.pdf(readingPageLayout(QPageSize(paper)));
        ASSERT_TRUE(pdf.ok());
        const QStringList pages =
            popplerSays("pdftotext", {"-layout", "PDF", "-"}, pdf).split('\f', Qt::SkipEmptyParts);
        ASSERT_GE(pages.size(), 2);
        for (const QString& page : pages.mid(1)) {
            const QString first = page.trimmed().section('\n', 0, 0).trimmed();
            EXPECT_TRUE(first.startsWith("Akan ada bahaya nomor")) << first.toStdString();
        }
        // Printed to a file or saved, the PDF names the reading and us.
        const QString info = popplerSays("pdfinfo", {"PDF"}, pdf);
        EXPECT_TRUE(info.contains(QRegularExpression("Title: +Tafsir Mimpi Temparoka — 8 Desember 2026\n")))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression("Creator: +Ramalan Temparoka\n")));
        EXPECT_TRUE(info.contains(name)) << info.toStdString();
    }
}
