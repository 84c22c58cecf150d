// The save and print dialogs of a reading, driven as a reader would: the
// name typed is the file written or the dialog says why not, in Indonesian
// and then in English, no entry is opened to be shown, and a printed PDF is
// saved like any kept reading.

#include "common/errors.h"
#include "common/nativefile.h"
#include "output/readingactions.h"
#include "output/savedialog.h"
#include "support/fakes.h"
#include "support/recordfiles.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

struct Keeper {
    QWidget window;
    ReadingActions actions{&window, [] { return Reading::dream(46364.5); }};
};

// Runs step on the modal dialog of type D once it is up.
template <class D>
void whenUp(const std::function<void(D*)>& step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        step(dialog);
    });
}

TEST(SaveDialog, WritesTheNameTypedOrSaysWhyNot)
{
    const std::tuple<const char*, const char*, QByteArray, QString> cases[] = {
        // typed, file written, its first bytes, what the reader is told
        {"x.jpg", "x.jpg.pdf", "%PDF-", ""},
        {"catatan.TXT", "catatan.TXT", "Tafsir Mimpi Temparoka", ""},
        {"a\"b.pdf", nullptr, "",
         "Nama berkas tidak boleh memuat tanda petik (\").\n"
         "A file name cannot contain a double quote (\")."},
        {"hilang/x.pdf", nullptr, "",
         "Ramalan tidak dapat disimpan di %1/hilang/x.pdf: folder tidak ditemukan.\n"
         "Cannot save %1/hilang/x.pdf: no such folder."},
    };
    for (const auto& [typed, written, start, told] : cases) {
        SCOPED_TRACE(typed);
        QTemporaryDir folder;
        Keeper keeper;
        ErrorBoxRecorder errors;
        QStringList refusals;
        // The second half of a name cut at its quote is there to be taken.
        writeBytes(native(folder.filePath("b.pdf")), "other");
        whenUp<QFileDialog>([&, typed = typed](QFileDialog* dialog) {
            // In the test's folder, so that even a name cut in two lands there.
            dialog->setDirectory(folder.path());
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_TRUE(name && QTest::qWaitForWindowActive(dialog));
            name->setFocus();  // typed, as a reader does
            name->setText(folder.filePath(typed));
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    refusals << box->text();
                    box->close();
                }
            });
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
        keeper.actions.save()->trigger();
        processEvents();  // a failure reaches the error box from the event loop
        const QStringList kept = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_EQ(kept, written ? (QStringList{"b.pdf", written}) : QStringList{"b.pdf"});
        EXPECT_EQ(fileBytes(native(folder.filePath("b.pdf"))), "other");
        if (written) {
            EXPECT_TRUE(fileBytes(native(folder.filePath(written))).startsWith(start));
        }
        EXPECT_EQ(refusals + errors.texts,
                  told.isEmpty() ? QStringList{} : QStringList{QString(told).replace("%1", folder.path())});
    }
}

TEST(SaveDialog, TellsEntriesApartByNameAndKindWithoutOpeningThem)
{
    QTemporaryDir folder;
    writeBytes(native(folder.filePath("picture")), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0'));
    writeBytes(native(folder.filePath("picture.png")), "not a picture at all");
    const std::string pipe = native(folder.filePath("pipe"));
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Should anything open and read the pipe after all, it finds bytes
    // there and a writer, and the test fails instead of waiting for ever.
    const FileDescriptor writer(open(pipe.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(writer.isOpen());
    const QByteArray filler(32768, 'x');
    ASSERT_EQ(write(writer.get(), filler.constData(), filler.size()), filler.size());

    ReadingSaveDialog dialog(nullptr, folder.path(), "x");
    const auto* icons = dynamic_cast<const NameOnlyIconProvider*>(dialog.iconProvider());
    ASSERT_TRUE(icons) << "the dialog tells entries apart with its own provider";
    writeBytes(native(folder.filePath("Ramalan.PDF")), "%PDF-");
    writeBytes(native(folder.filePath("foto.jpeg")), "");
    // In the dialog's language, whatever the system's: the kinds it saves
    // by their names in its list of kinds, any other file by its extension.
    const std::pair<const char*, QString> cases[] = {
        {"picture.png", "Gambar PNG"},
        {"Ramalan.PDF", "Dokumen PDF"},
        {"foto.jpeg", "Berkas JPEG"},
        {"picture", QCoreApplication::translate("QAbstractFileIconProvider", "File")},
        {"pipe", QCoreApplication::translate("QAbstractFileIconProvider", "Unknown")},
        {"", QCoreApplication::translate("QAbstractFileIconProvider", "Folder")},
    };
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::German));
    for (const auto& [name, type] : cases) {
        const QFileInfo entry(folder.filePath(name));
        EXPECT_EQ(icons->type(entry), type) << name;
        EXPECT_FALSE(icons->icon(entry).isNull()) << name;
    }
    QLocale::setDefault(system);
    EXPECT_EQ(dialog.nameFilters().first(), "Dokumen PDF (*.pdf)");
}

TEST(PrintDialog, PrintsToAFileThroughTheFileLayerAndWaitsWhileTheNameIsNoFile)
{
    QTemporaryDir folder;
    const auto path = [&](const char* name) { return folder.filePath(name); };
    ASSERT_EQ(mkfifo(native(path("pipe")).c_str(), 0600), 0);
    ASSERT_EQ(symlink("nowhere", native(path("broken")).c_str()), 0);
    writeBytes(native(path("old.pdf")), "old");
    ASSERT_EQ(chmod(native(path("old.pdf")).c_str(), 0444), 0);
    Keeper keeper;
    ErrorBoxRecorder errors;
    const std::pair<const char*, bool> names[] = {
        {"pipe", false}, {"broken", false}, {"new.pdf", true}, {"old.pdf", true}, {"pipe", false}, {"", true},
    };
    // Qt's own check before the dialog closes opens the file named, so the
    // OK button must wait while that open could block or harm.
    whenUp<QPrintDialog>([&](QPrintDialog* dialog) {
        auto* file = dialog->findChild<QLineEdit*>("filename");
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        ASSERT_TRUE(file && file->isEnabled() && ok);
        // The reading's name in the folder a save would open, as for a save.
        EXPECT_EQ(file->text(), QDir(keeper.actions.startFolder()).filePath("Tafsir Mimpi Temparoka 2026-12-08.pdf"));
        for (const auto& [name, usable] : names) {
            file->setText(*name ? path(name) : QString());
            EXPECT_EQ(ok->isEnabled(), usable) << name;
        }
        file->setText(path("old.pdf"));
        dialog->accept();
    });
    keeper.actions.print()->trigger();
    processEvents();
    EXPECT_EQ(errors.texts,
              QStringList{"Ramalan tidak dapat disimpan di " + path("old.pdf") +
                          ": berkas itu hanya dapat dibaca.\nCannot save " + path("old.pdf") + ": it is read-only."});
    EXPECT_EQ(fileBytes(native(path("old.pdf"))), "old");

    whenUp<QPrintDialog>([&](QPrintDialog* dialog) {
        dialog->findChild<QLineEdit*>("filename")->setText(path("new.pdf"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    keeper.actions.print()->trigger();
    const QByteArray printed = fileBytes(native(path("new.pdf")));
    EXPECT_TRUE(wholePdf(printed));
    // Its maker named as in a saved PDF (the PDF's text strings are UTF-16).
    const QByteArray maker = QStringEncoder(QStringEncoder::Utf16BE).encode(u"Ramalan Temparoka");
    EXPECT_TRUE(printed.contains(maker));
}

}  // namespace
