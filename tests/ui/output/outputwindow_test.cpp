#include "support/fakes.h"
#include "ui/output/ausgabeform.h"
#include "ui/output/riwayat.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace temparoka;
using namespace temparoka::test;

namespace {

struct ShownLine {
    QString text;
    QColor colour;
    bool bold;
    bool operator==(const ShownLine&) const = default;
};

void PrintTo(const ShownLine& line, std::ostream* out)
{
    *out << '"' << line.text.toStdString() << "\" " << line.colour.name().toStdString() << (line.bold ? " bold" : "");
}

// Every line of the view with the colour and weight it is shown in.
std::vector<ShownLine> shownLines(const Tausform& window)
{
    std::vector<ShownLine> lines;
    for (QTextBlock block = window.ausfenster()->document()->begin(); block.isValid(); block = block.next()) {
        QTextCharFormat format = block.charFormat();
        if (!block.text().isEmpty())
            format = block.begin().fragment().charFormat();
        lines.push_back({block.text(), format.foreground().color(), format.fontWeight() == QFont::Bold});
    }
    return lines;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255);

// A dream reading of these lines.
Reading written(std::vector<ReadingLine> lines)
{
    Reading reading = Reading::dream(46364);
    reading.lines = std::move(lines);
    return reading;
}

// The one place a language's look is checked: Indonesian black, English
// blue, each in its line's weight, blank lines too; the next reading
// replaces the last.
TEST(OutputWindow, ShowsEachLineInItsLanguagesColourAndItsWeight)
{
    Tausform window;
    constexpr Language K = Language::Indonesian, B = Language::English;
    window.setReading(written({{"Temparoka melihat:", K, true},
                               {"Satu", K, false},
                               {"", K, false},
                               {"Temparoka sees:", B, true},
                               {"", B, false},
                               {"One", B, false}}));
    const std::vector<ShownLine> expected = {
        {"Temparoka melihat:", kBlack, true}, {"Satu", kBlack, false}, {"", kBlack, false},
        {"Temparoka sees:", kBlue, true},     {"", kBlue, false},      {"One", kBlue, false},
    };
    EXPECT_EQ(shownLines(window), expected);
    window.setReading(written({{"after", B, true}}));
    EXPECT_EQ(shownLines(window), (std::vector<ShownLine>{{"after", kBlue, true}}));
}

TEST(OutputWindow, ReadersCanCopyTheirReadingWithItsColours)
{
    Tausform window;
    window.setReading(
        written({{"Akan ada bahaya.", Language::Indonesian}, {"There will be danger.", Language::English}}));
    window.show();
    EXPECT_TRUE(window.ausfenster()->isReadOnly());
    QTest::keyClick(window.ausfenster(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.ausfenster(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->text(), "Akan ada bahaya.\nThere will be danger.");
    EXPECT_TRUE(copied->hasHtml());
    EXPECT_TRUE(copied->html().contains("#0000ff")) << copied->html().toStdString();
}

// The earlier readings list an entry as its week over its whole first
// line, and show its text as the output window showed it when it was read,
// each line broken where it broke there.
TEST(OutputWindow, AnEarlierReadingLooksAsItDidWhenItWasRead)
{
    const std::string first = "Rezeki tidak akan tertukar. Tetaplah bekerja dengan tekun, dan minggu depan Anda akan "
                              "menerima sesuatu yang sudah lama Anda tunggu.";
    Tausform output;
    output.setReading(written({{first, Language::Indonesian},
                               {"Asmara: Senyum kecil membuka pintu.", Language::Indonesian},
                               {"Your fortune will not be mixed up. Keep working hard, and next week you will "
                                "receive something you have long been waiting for.",
                                Language::English}}));
    EarlierReading entry{48, true, first, output.reading()};
    Triwayat earlier;
    earlier.setReadings({entry});
    output.show();
    earlier.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&earlier));
    const auto lineBreaks = [](const QTextEdit* view) {
        QList<int> lines;
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
            lines << block.layout()->lineCount();
        return lines;
    };
    const QList<int> shown = lineBreaks(output.ausfenster());
    EXPECT_GT(*std::max_element(shown.begin(), shown.end()), 1) << "a long line breaks in the output window";
    EXPECT_EQ(lineBreaks(earlier.findChild<QTextEdit*>("isi")), shown);

    const auto& list = *earlier.findChild<QListWidget*>("daftar");
    const QListWidgetItem& item = *list.item(0);
    EXPECT_EQ(item.text().toStdString(), "Minggu ke-48 (tahun lalu)\n" + first);
    // Its row holds every line the first line wraps to.
    const QRect row = list.visualItemRect(&item);
    const QRect needed = list.fontMetrics().boundingRect(QRect(0, 0, row.width(), 1000), Qt::TextWordWrap, item.text());
    EXPECT_GE(row.height(), needed.height());
    EXPECT_GE(needed.height(), 3 * list.fontMetrics().lineSpacing()) << "the first line wraps";
}

TEST(OutputWindow, KeluarClosesOnlyTheWindow)
{
    Tausform window;
    int result = -1;
    QTimer::singleShot(0, &window, [&] { QTest::mouseClick(window.findChild<QPushButton*>("ende"), Qt::LeftButton); });
    result = window.exec();
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
