#include "output/ausgabeform.h"
#include "support/fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

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

TEST(OutputWindow, BlocksAndPairsShowInTheirColoursAndWeights)
{
    Tausform window;
    window.clear();
    weeklyOpening(window, 749);
    blockausgabe(window, {"Satu", "", "[", "One", "", "]"});
    paarausgabe(window, "", "English only");
    const std::vector<ShownLine> expected = {
        {"Temparoka melihat:", kBlack, true},
        {"749 bulan sudah lewat sejak Anda lahir", kBlack, false},
        {"Ini ramalan saya untuk minggu depan", kBlack, false},
        {"Temparoka sees:", kBlue, true},
        {"749 full moon have passed since you were born", kBlue, false},
        {"These are my predictions for the next week", kBlue, false},
        {"", kBlack, false},
        {"Satu", kBlack, false},
        {"", kBlack, false},
        {"", kBlue, false},
        {"One", kBlue, false},
        {"", kBlue, false},
        {"English only", kBlue, false},
    };
    EXPECT_EQ(shownLines(window), expected);
}

TEST(OutputWindow, ClearingKeepsTheCurrentColourAndStyle)
{
    Tausform window;
    blockausgabe(window, {"id", "[", "en"});  // no "]": blue stays in force
    window.setBold(true);
    window.clear();
    window.appendLine("after");
    EXPECT_EQ(shownLines(window), (std::vector<ShownLine>{{"after", kBlue, true}}));
    window.setBold(false);
    window.setColour(TextColour::Black);
}

TEST(OutputWindow, ReadersCanCopyTheirReadingWithItsColours)
{
    Tausform window;
    paarausgabe(window, "Akan ada bahaya.", "There will be danger.");
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
