// Keeping a reading: the document every way of keeping starts from, the
// files it is saved as, and the commands of the output window and of the
// earlier readings, by keyboard, in both readings.

#include "app/program.h"
#include "core/errors.h"
#include "core/weekly.h"
#include "export/readingdocument.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "support/weeklyprobe.h"
#include "ui/output/ausgabeform.h"
#include "ui/output/readingactions.h"
#include "ui/output/riwayat.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrintDialog>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026, ISO week 50

Reading weeklyReading()
{
    Reading reading = Reading::weekly(kTuesday, cardFace(1));
    reading.lines = {{"Temparoka melihat:", Language::Indonesian, true},
                     {"Satu", Language::Indonesian, false},
                     {"", Language::English, false},
                     {"One", Language::English, false}};
    return reading;
}

TEST(ReadingDocument, EachFormatIsSavedWholeAndAFailedSaveLeavesTheOldFile)
{
    const ReadingDocument document(weeklyReading());
    QTemporaryDir folder;
    const std::tuple<const char*, DocumentFormat, QByteArray, QByteArray> cases[] = {
        {"a.pdf", DocumentFormat::Pdf, "%PDF-", "/FontFile2"},  // the font goes with it
        {"a.png", DocumentFormat::Png, "\x89PNG", "IHDR"},
        {"a.htm", DocumentFormat::Html, "<!DOCTYPE", "color:#0000ff"},
        {"a.txt", DocumentFormat::Text, "Ramalan Temparoka \u2014 Minggu ke-50", "\nOne\n"},
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
    // The card is the reading's own, drawn at twice its size.
    const QVariant card = document.document().resource(QTextDocument::ImageResource, QUrl("temparoka-card"));
    EXPECT_EQ(card.value<QImage>().size(), QSize(140, 190));
}

TEST(ReadingDocument, ANameEndsInTheExtensionOfWhatTheFileHolds)
{
    const std::tuple<const char*, DocumentFormat, KeptFile> cases[] = {
        {"/k/x.jpg", DocumentFormat::Pdf, {"/k/x.jpg.pdf", DocumentFormat::Pdf}},
        {"/k/x.doc", DocumentFormat::Png, {"/k/x.doc.png", DocumentFormat::Png}},
        {"/k.d/x", DocumentFormat::Html, {"/k.d/x.html", DocumentFormat::Html}},
        {"/k/x.", DocumentFormat::Text, {"/k/x.txt", DocumentFormat::Text}},
        // An extension we write decides, whatever the dialog's choice.
        {"/k/x.PDF", DocumentFormat::Text, {"/k/x.PDF", DocumentFormat::Pdf}},
        {"/k/x.htm", DocumentFormat::Pdf, {"/k/x.htm", DocumentFormat::Html}},
        {"/k/x.jpg.txt", DocumentFormat::Png, {"/k/x.jpg.txt", DocumentFormat::Text}},
    };
    for (const auto& [typed, chosen, kept] : cases)
        EXPECT_EQ(keptFile(typed, chosen), kept) << typed;
}

TEST(ReadingDocument, OnlyWholeEncodingsAreHandedOver)
{
    const std::pair<QByteArray, bool> pdfs[] = {
        {"%PDF-1.4\n1 0 obj\n%%EOF\n", true}, {"", false}, {"%PDF-1.4\n1 0 obj\n", false}, {"%%EOF\n", false},
        {"%PDF-1.4\n%%EOF\n3 0 obj", false},  // cut short, or more after its end
    };
    for (const auto& [bytes, whole] : pdfs)
        EXPECT_EQ(wholePdf(bytes), whole) << bytes.toStdString();
    const ReadingDocument document(weeklyReading());
    EXPECT_TRUE(wholePdf(document.encoded(DocumentFormat::Pdf).value()));
    // Far too wide to have memory for: no picture, no bytes.
    EXPECT_TRUE(document.image(1e6).isNull());
    EXPECT_EQ(pngOf(document.image(1e6)).problem(), "there is not enough memory to draw the reading");
}

// Saving onto what a reader may name, on purpose or not. A refusal names
// the file and its cause, in Indonesian and then in English, and leaves
// the target and its folder as they were; a save that goes through gives
// every name of the file the new bytes and keeps the file's owner.
TEST(ReadingDocument, ASaveOntoAnythingButAWritableFileIsRefusedAndChangesNothing)
{
    const bool root = geteuid() == 0;
    const QByteArray old = "old reading\n";
    const QByteArray pdf = ReadingDocument(weeklyReading()).encoded(DocumentFormat::Pdf).value();
    using Guard = std::shared_ptr<void>;
    struct Case {
        const char* what;
        std::function<Guard(const std::string& target)> prepare;  // the guard lives during the save
        Encoded bytes;
        const char* problem;  // "Indonesian|English" cause; nullptr: the save goes through
        std::function<void(const std::string& target)> after = {};
        bool longName = false;
    };
    const auto file = [&](mode_t mode) {
        return [&old, mode](const std::string& target) {
            writeBytes(target, old);
            chmod(target.c_str(), mode);
            return Guard();
        };
    };
    const auto link = [](const char* to) {
        return [to](const std::string& target) {
            EXPECT_EQ(symlink(to, target.c_str()), 0);
            return Guard();
        };
    };
    // Root, acting as another user for as long as it is kept.
    struct AsAnotherUser {
        AsAnotherUser() : dropped(geteuid() == 0 && seteuid(anotherUser()) == 0) {}
        ~AsAnotherUser()
        {
            if (dropped && seteuid(0) != 0)
                std::abort();
        }
        bool dropped;
    };
    // The table keeps each case, its preparation too, to its own row.
    // clang-format off
    const Case cases[] = {
        {"link to a device", link("/dev/null"), pdf,
         "itu tautan ke perangkat, bukan ke berkas biasa|it is a link to a device, not to a regular file"},
        {"dangling link", link("nowhere"), pdf,
         "itu tautan yang tidak mengarah ke mana pun|it is a link that leads nowhere"},
        {"named pipe", [](const std::string& t) { EXPECT_EQ(mkfifo(t.c_str(), 0644), 0); return Guard(); }, pdf,
         "itu pipa bernama, bukan berkas biasa|it is a named pipe, not a regular file"},
        {"read-only file", file(0444), pdf, "berkas itu hanya dapat dibaca|it is read-only"},
        {"encoding that failed", file(0644), Failure{"there is not enough memory to draw the reading"},
         "memori tidak cukup untuk menggambar ramalan|there is not enough memory to draw the reading"},
        {"encoding that gave nothing", file(0644), QByteArray(),
         "tidak ada isi untuk ditulis|there was nothing to write"},
        {"full disk", [&](const std::string& t) { file(0644)(t); return Guard(std::make_shared<FileSizeLimit>(100)); },
         pdf, "berkas terlalu besar|the file is too large"},
        {"read-only folder",
         [](const std::string& t) { return Guard(std::make_shared<ReadOnlyFolder>(QFile::decodeName(folderOf(t).c_str()))); },
         pdf, "tidak ada izin untuk menulis di sana|no permission to write there"},
        {"hard-linked file",
         [&](const std::string& t) { file(0644)(t); EXPECT_EQ(::link(t.c_str(), (t + ".2").c_str()), 0); return Guard(); },
         pdf, nullptr, [&](const std::string& t) { EXPECT_EQ(fileBytes(t + ".2"), pdf); }},
        {"file of another user",
         [&](const std::string& t) { file(0644)(t); EXPECT_EQ(chown(t.c_str(), anotherUser(), anotherUser()), root ? 0 : -1); return Guard(); },
         pdf, nullptr,
         [&](const std::string& t) { struct stat info {}; stat(t.c_str(), &info); EXPECT_EQ(info.st_uid, root ? anotherUser() : geteuid()); }},
        // Another user's file, open to all, turns up at the name: the
        // reading is not written into it (root alone keeps its owner).
        {"file of another user, open to all",
         [&](const std::string& t) { file(0666)(t); chmod(folderOf(t).c_str(), 0777); return Guard(std::make_shared<AsAnotherUser>()); },
         pdf, root ? "berkas itu milik pengguna lain|it belongs to another user" : nullptr},
        {"name of 255 bytes", [](const std::string&) { return Guard(); }, pdf, nullptr, {}, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const std::string name = c.longName ? std::string(251, 'n') + ".pdf" : "a.pdf";
        const std::string target = native(folder.filePath(QString::fromStdString(name)));
        const auto state = [&] {
            struct stat itself {};
            struct stat led {};
            const bool there = lstat(target.c_str(), &itself) == 0, leads = stat(target.c_str(), &led) == 0;
            return std::make_tuple(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System),
                                   there ? itself.st_mode : 0, leads ? led.st_mode : 0,
                                   S_ISREG(itself.st_mode) ? fileBytes(target) : QByteArray());
        };
        std::string error = "no error";
        QStringList entries;
        {
            const Guard guard = c.prepare(target);
            const auto before = state();
            entries = std::get<0>(before);
            try {
                saveEncoded(c.bytes, QFile::decodeName(target.c_str()));
            } catch (const FileError& failure) {
                error = failure.what();
            }
            if (c.problem) {
                EXPECT_EQ(state(), before);
            }
        }
        if (!c.problem) {
            EXPECT_EQ(error, "no error");
            EXPECT_EQ(fileBytes(target), pdf);
            // The file, and nothing left beside it.
            entries.removeAll(QString::fromStdString(name));
            entries << QString::fromStdString(name);
            QStringList after = std::get<0>(state());
            entries.sort();
            after.sort();
            EXPECT_EQ(after, entries);
            if (c.after)
                c.after(target);
            continue;
        }
        const QStringList why = QString(c.problem).split('|');
        EXPECT_EQ(error, "Ramalan tidak dapat disimpan di " + target + ": " + why[0].toStdString() + ".\nCannot save " +
                             target + ": " + why[1].toStdString() + ".");
    }
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
        Reading shown = reading;
        shown.lines = {{"Satu", Language::Indonesian}, {"One", Language::English}};
        window.setReading(shown);
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

        // A copy offers the picture, the web page and the plain text.
        window.actions().copyPicture()->trigger();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        ASSERT_TRUE(copied);
        EXPECT_EQ(copied->imageData().value<QImage>().size(),
                  ReadingDocument(window.reading()).image(window.devicePixelRatioF()).size());
        EXPECT_TRUE(copied->html().contains("Satu<") && copied->html().contains("One<"))
            << copied->html().toStdString();
        EXPECT_TRUE(copied->text().endsWith("\n\nSatu\nOne\n")) << copied->text().toStdString();
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
    PredictionHistory& verlauf = WeeklyReadingProbe::verlauf(form.weekly());
    verlauf[10] = {5, 2, 1, 49};
    verlauf[11] = {4, 2, 2, 51};  // after this week 50: last year's
    const PredictionHistory before = form.weekly().history();
    auto& list = *program.riwayat().findChild<QListWidget*>("daftar");
    auto& entry = *program.riwayat().findChild<QTextEdit*>("isi");
    QStringList captions;
    QString second;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&program.riwayat()));
        for (int row = 0; row < list.count(); ++row)
            captions << list.item(row)->text().section('\n', 0, 0);
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Return);
        second = entry.hasFocus() ? entry.toPlainText() : "";
        program.riwayat().reject();
    });
    QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(captions, (QStringList{"Minggu ke-51 (tahun lalu)", "Minggu ke-49"}));
    EXPECT_EQ(second.section('\n', 0, 0).toStdString(), form.weekly().texte().cell(5, 2, 1).front());
    EXPECT_EQ(form.weekly().history(), before);
}

}  // namespace
