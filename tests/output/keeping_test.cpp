// Keeping a reading: the document every way of keeping starts from, the
// files it is saved as, and the commands of the output window and of the
// earlier readings, by keyboard, in both readings.

#include "app/program.h"
#include "common/errors.h"
#include "output/ausgabeform.h"
#include "output/readingactions.h"
#include "output/readingdocument.h"
#include "output/riwayat.h"
#include "support/fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026, ISO week 50

Reading weeklyReading()
{
    Reading reading = Reading::weekly(kTuesday, TForm1::cardFace(1));
    reading.lines = {{"Temparoka melihat:", TextColour::Black, true},
                     {"Satu", TextColour::Black, false},
                     {"", TextColour::Blue, false},
                     {"One", TextColour::Blue, false}};
    return reading;
}

// Each paragraph as "text", blue ones marked "~", bold ones "*", the card
// as "[picture]".
QStringList paragraphs(const QTextDocument& document)
{
    QStringList shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format =
            block.text().isEmpty() ? block.charFormat() : block.begin().fragment().charFormat();
        const QString text = format.isImageFormat() ? "[" + format.toImageFormat().name() + "]" : block.text();
        shown << (format.foreground().color() == QColor(0, 0, 255) ? "~" : "") + text +
                     (format.fontWeight() == QFont::Bold ? "*" : "");
    }
    return shown;
}

TEST(ReadingDocument, HoldsTheTitleTheCardAndEachLineInItsColour)
{
    Reading dream = Reading::dream(kTuesday);
    dream.lines = {{"Akan ada bahaya.", TextColour::Black, false}, {"There will be danger.", TextColour::Blue, false}};
    Reading earlier = weeklyReading();
    earlier.kind = ReadingKind::Earlier;
    earlier.card = {};
    const std::pair<Reading, QStringList> cases[] = {
        {weeklyReading(),
         {"Ramalan Temparoka \u2014 Minggu 50, 2026*", "~Temparoka's reading \u2014 week 50, 2026", "[temparoka-card]",
          "Kartu Anda: Raja Sekop", "~Your card: King of spades", "", "Temparoka melihat:*", "Satu", "~", "~One"}},
        {dream,
         {"Mimpi Temparoka \u2014 8 Desember 2026*", "~Temparoka's dream reading \u2014 8 December 2026", "",
          "Akan ada bahaya.", "~There will be danger."}},
        {earlier,
         {"Ramalan Temparoka \u2014 Minggu 50, 2026*", "~Temparoka's reading \u2014 week 50, 2026", "",
          "Temparoka melihat:*", "Satu", "~", "~One"}},
    };
    for (const auto& [reading, expected] : cases) {
        const ReadingDocument document(reading);
        EXPECT_EQ(paragraphs(document.document()), expected);
        EXPECT_EQ(document.document().defaultFont().family(), "Century Gothic");
        // The card is the reading's own, drawn at twice its size.
        const QImage card =
            document.document().resource(QTextDocument::ImageResource, QUrl("temparoka-card")).value<QImage>();
        EXPECT_EQ(card.size(), reading.card.number ? QSize(140, 190) : QSize(0, 0)) << expected.first().toStdString();
    }
}

TEST(ReadingDocument, EachFormatIsSavedWholeAndAFailedSaveLeavesTheOldFile)
{
    const ReadingDocument document(weeklyReading());
    QTemporaryDir folder;
    const std::tuple<const char*, DocumentFormat, QByteArray, QByteArray> cases[] = {
        {"a.pdf", DocumentFormat::Pdf, "%PDF-", "/FontFile2"},  // the font goes with it
        {"a.png", DocumentFormat::Png, "\x89PNG", "IHDR"},
        {"a.htm", DocumentFormat::Html, "<!DOCTYPE", "color:#0000ff"},
        {"a.txt", DocumentFormat::Text, "Ramalan Temparoka \u2014 Minggu 50", "\nOne\n"},
    };
    for (const auto& [name, format, start, inside] : cases) {
        EXPECT_EQ(formatOfFile(name), format) << name;
        saveReading(document, folder.filePath(name), format);
        QFile saved(folder.filePath(name));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = saved.readAll();
        EXPECT_TRUE(bytes.startsWith(start)) << name;
        EXPECT_TRUE(bytes.contains(inside)) << name;
    }
    EXPECT_TRUE(document.html().contains("src=\"data:image/png;base64,"));
    EXPECT_TRUE(document.html().contains("font-family:'Century Gothic','tex gyre adventor',")) << "look-alikes named";
    EXPECT_TRUE(document.html().contains(",sans-serif;"));
    EXPECT_EQ(document.image(2).size(), document.image(1).size() * 2);

    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    ReadOnlyFolder readOnly(folder.path());
    try {
        saveReading(document, folder.filePath("a.txt"), DocumentFormat::Pdf);
        ADD_FAILURE() << "a save into a read-only folder went through";
    } catch (const FileError& error) {
        EXPECT_TRUE(QString(error.what()).startsWith("Cannot save " + folder.filePath("a.txt") + ": ")) << error.what();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
    QFile old(folder.filePath("a.txt"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("Ramalan"));
}

// Runs `step` on the dialog of type D once it is up, then accepts it.
template <class D>
void whenShown(const std::function<void(D*)>& step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        step(dialog);
        static_cast<QDialog*>(dialog)->accept();
    });
}

TEST(KeepingAReading, SavePrintAndCopyWorkInBothReadings)
{
    Tausform window;
    QTemporaryDir folder;
    for (const Reading& reading : {weeklyReading(), Reading::dream(kTuesday)}) {
        window.clear();
        window.setReadingKind(reading);
        paarausgabe(window, "Satu", "One");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const QString name = QString::fromStdString(readingFileName(reading));

        // Ctrl+S: the dialog offers the reading's name; with no extension
        // typed, the chosen kind (PDF) gives it.
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->selectedFiles().value(0), QDir(window.actions().startFolder()).filePath(name + ".pdf"));
            dialog->selectFile(folder.filePath(name));
        });
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QFile saved(folder.filePath(name + ".pdf"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(saved.readAll().startsWith("%PDF-"));

        // Ctrl+P: with no printer, the dialog prints to a PDF file.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        whenShown<QPrintDialog>([&](QPrintDialog* dialog) {
            auto* file = dialog->findChild<QLineEdit*>("filename");
            ASSERT_TRUE(file && file->isEnabled());
            file->setText(folder.filePath("printed.pdf"));
        });
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        EXPECT_GT(QFileInfo(folder.filePath("printed.pdf")).size(), 1000);
        QFile::remove(folder.filePath("printed.pdf"));

        window.actions().copyPicture()->trigger();
        const QImage copied = QApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), ReadingDocument(window.reading()).image(window.devicePixelRatioF()).size());
        window.hide();
    }
}

TEST(KeepingAReading, TheReadingsMenuOffersTheCommandsBesideCopyAndSelectAll)
{
    Tausform window;
    window.show();
    QStringList offered;
    QTimer::singleShot(0, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                offered << action->text().section('\t', 0, 0);
        menu->close();
    });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, {10, 10}, window.ausfenster()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(window.ausfenster(), &request);
    EXPECT_EQ(offered,
              (QStringList{"&Copy", "Select All", "&Simpan...", "&Cetak...", "Salin sebagai gambar", "&Riwayat"}));
}

TEST(KeepingAReading, CtrlHListsTheEarlierReadingsNewestFirstAndShowsTheChosenOne)
{
    MainWindowFixture fixture;
    Program program(fixture.services());
    TForm1& form = program.Form1();
    form.verlauf[10] = {5, 2, 1, 49};
    form.verlauf[11] = {4, 2, 2, 51};  // after this week 50: last year's
    const PredictionHistory before = form.verlauf;
    auto& list = *program.riwayat().findChild<QListWidget*>("daftar");
    auto& entry = *program.riwayat().findChild<QTextEdit*>("isi");
    QStringList captions;
    QString second;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&program.riwayat()));
        for (int row = 0; row < list.count(); ++row)
            captions << list.item(row)->text().section(" \u2014 ", 0, 0);
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Return);
        second = entry.hasFocus() ? entry.toPlainText() : "";
        program.riwayat().reject();
    });
    QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(captions, (QStringList{"Minggu 51 (tahun lalu)", "Minggu 49"}));
    EXPECT_EQ(second.section('\n', 0, 0).toStdString(), form.texte().cell(5, 2, 1).front());
    EXPECT_EQ(form.verlauf, before);
}

}  // namespace
