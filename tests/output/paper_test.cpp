// A kept reading on the clipboard: what a copy offers to paste.

#include "output/ausgabeform.h"
#include "output/readingactions.h"
#include "output/readingdocument.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026

}  // namespace

TEST(KeepingAReading, ACopyOffersThePictureTheWebPageAndThePlainText)
{
    Tausform window;
    window.setReadingKind(Reading::dream(kTuesday));
    paarausgabe(window, "Akan ada bahaya.", "There will be danger.");
    window.actions().copyPicture()->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasImage());
    EXPECT_TRUE(copied->html().contains("Akan ada bahaya.")) << copied->html().toStdString();
    EXPECT_TRUE(copied->html().contains("There will be danger."));
    EXPECT_TRUE(copied->text().endsWith("Akan ada bahaya.\nThere will be danger.\n")) << copied->text().toStdString();
}
