// The save and print dialogs of a reading, driven as a reader would: the
// name typed is the file written or the dialog says why not, in Indonesian
// and then in English, no entry is opened to be shown, and a printed PDF is
// saved like any kept reading.

#include "core/errors.h"
#include "export/readingdocument.h"
#include "files/nativefile.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "ui/output/readingactions.h"
#include "ui/output/savedialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

struct Keeper {
    Reading reading = Reading::dream(46364.5);
    QWidget window;
    ReadingActions actions{&window, [this] { return reading; }};
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
    // The system tells of every entry opened in the folder.
    const FileDescriptor opened(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    ASSERT_GE(inotify_add_watch(opened.get(), native(folder.path()).c_str(), IN_OPEN), 0);
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::German));
    for (const auto& [name, type] : cases) {
        const QFileInfo entry(folder.filePath(name));
        EXPECT_EQ(icons->type(entry), type) << name;
        EXPECT_FALSE(icons->icon(entry).isNull()) << name;
    }
    QLocale::setDefault(system);
    alignas(inotify_event) char events[4096];
    const ssize_t told = read(opened.get(), events, sizeof events);
    for (ssize_t at = 0; at < told; at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(events + at)->len) {
        const auto* event = reinterpret_cast<inotify_event*>(events + at);
        EXPECT_EQ(event->len, 0u) << event->name << " was opened";  // only the folder itself may be
    }
    EXPECT_EQ(dialog.nameFilters().first(), "Dokumen PDF (*.pdf)");
}

// The name printed to is checked when OK is pressed, whatever was there
// when it was typed, and is never opened before the file layer writes it:
// nothing is made where a link leads, a named pipe freezes nothing, and a
// refusal says why and leaves the dialog open. The pages chosen apply.
TEST(PrintDialog, ChecksTheFileWhenOkIsPressedAndPrintsOnlyWhatASaveMayWrite)
{
    const bool root = geteuid() == 0;
    using Guard = std::shared_ptr<void>;
    struct Case {
        const char* what;
        const char* typed;  // in the case's folder; "" for no name at all
        std::function<Guard(const std::string& name, const std::string& elsewhere)> plant;
        bool afterTyping;  // planted between typing the name and pressing OK
        const char* refusal;  // "Indonesian|English" cause; nullptr when none
        QMessageBox::StandardButton answer = QMessageBox::NoButton;  // to "already exists"
        const char* printed = nullptr;  // the name's first bytes once the dialog is done
        bool needsRoot = false;  // only root can give a link to another user
    };
    const auto nothing = [](const std::string&, const std::string&) { return Guard(); };
    const auto file = [](mode_t mode) {
        return [mode](const std::string& name, const std::string&) {
            writeBytes(name, "old");
            EXPECT_EQ(chmod(name.c_str(), mode), 0);
            return Guard();
        };
    };
    // A link to a file in another folder that is not there (/etc/nologin).
    const auto linkElsewhere = [](const std::string& name, const std::string& elsewhere) {
        EXPECT_EQ(symlink((elsewhere + "/nologin").c_str(), name.c_str()), 0);
        return Guard();
    };
    // Should anything open the pipe after all, it finds a reader there and
    // the test fails instead of waiting for ever.
    const auto pipe = [](const std::string& name, const std::string&) {
        EXPECT_EQ(mkfifo(name.c_str(), 0600), 0);
        return Guard(std::make_shared<FileDescriptor>(open(name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC)));
    };
    const auto linkOfAnotherUser = [](const std::string& name, const std::string& elsewhere) {
        const std::string theirs = elsewhere + "/theirs.pdf";
        writeBytes(theirs, "theirs");
        EXPECT_EQ(chmod(theirs.c_str(), 0666), 0);
        EXPECT_EQ(chown(theirs.c_str(), anotherUser(), anotherUser()), 0);
        EXPECT_EQ(symlink(theirs.c_str(), name.c_str()), 0);
        EXPECT_EQ(lchown(name.c_str(), anotherUser(), anotherUser()), 0);
        return Guard();
    };
    const char* const dangling = "itu tautan yang tidak mengarah ke mana pun|it is a link that leads nowhere";
    // clang-format off
    const Case cases[] = {
        {"link planted after typing", "x.pdf", linkElsewhere, true, dangling},
        {"dangling link", "x.pdf", linkElsewhere, false, dangling},
        {"named pipe planted after typing", "x.pdf", pipe, true,
         "itu pipa bernama, bukan berkas biasa|it is a named pipe, not a regular file"},
        {"link of another user", "x.pdf", linkOfAnotherUser, true,
         "itu tautan buatan pengguna lain|it is a link that another user made", QMessageBox::NoButton, nullptr, true},
        {"folder", "x.pdf", [](const std::string& n, const std::string&) { mkdir(n.c_str(), 0700); return Guard(); },
         false, "itu folder, bukan berkas biasa|it is a folder, not a regular file"},
        {"no name", "", nothing, false, "itu folder, bukan berkas biasa|it is a folder, not a regular file"},
        {"new name", "x.pdf", nothing, false, nullptr, QMessageBox::NoButton, "%PDF-"},
        {"file there, kept", "x.pdf", file(0644), false, nullptr, QMessageBox::No, "old"},
        {"file there, replaced", "x.pdf", file(0644), true, nullptr, QMessageBox::Yes, "%PDF-"},
        // Writable by its looks, refused by the file layer when it writes.
        {"read-only file", "x.pdf", file(0444), false, "berkas itu hanya dapat dibaca|it is read-only",
         QMessageBox::Yes, "old"},
    };
    // clang-format on
    Keeper keeper;
    for (int line = 0; line < 120; ++line)
        keeper.reading.lines.push_back({"Akan ada bahaya.", Language::Indonesian, false});
    const auto pagesOf = [](const QByteArray& pdf) {
        return QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b"));
    };
    ASSERT_GE(pagesOf(ReadingDocument(keeper.reading).encoded(DocumentFormat::Pdf).value()), 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && !root)
            continue;
        QTemporaryDir folder;
        QTemporaryDir other;
        const QString name = *c.typed ? folder.filePath(c.typed) : QString();
        const QString shown = name.isEmpty() ? QDir::homePath() + "/" : name;
        const auto entries = [&] {
            return std::make_pair(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden),
                                  QDir(other.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden));
        };
        ErrorBoxRecorder errors;
        QStringList questions;
        bool stayedOpen = false;
        Guard planted;
        std::pair<QStringList, QStringList> before;
        whenUp<QPrintDialog>([&](QPrintDialog* dialog) {
            auto* file = dialog->findChild<QLineEdit*>("filename");
            auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            ASSERT_TRUE(file && file->isEnabled() && ok);
            // The reading's name in the folder a save would open, as for a save.
            EXPECT_EQ(file->text(),
                      QDir(keeper.actions.startFolder()).filePath("Tafsir Mimpi Temparoka 2026-12-08.pdf"));
            if (!c.afterTyping)
                planted = c.plant(native(name), native(other.path()));
            file->setFocus();
            file->setText(name);
            if (c.afterTyping)
                planted = c.plant(native(name), native(other.path()));
            dialog->findChild<QRadioButton*>("printRange")->setChecked(true);
            dialog->findChild<QSpinBox*>("from")->setValue(2);
            dialog->findChild<QSpinBox*>("to")->setValue(2);
            before = entries();
            QTest::mouseClick(ok, Qt::LeftButton);
            stayedOpen = dialog->isVisible();
            if (stayedOpen) {
                EXPECT_TRUE(file->isEnabled());
                dialog->reject();
            }
        });
        // Answers every question, so that one asked twice fails the test
        // rather than waits for an answer.
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions << box->text();
                box->button(c.answer == QMessageBox::NoButton ? QMessageBox::No : c.answer)->click();
            }
        });
        answerer.start(10);
        keeper.actions.print()->trigger();
        answerer.stop();
        processEvents();  // a failure reaches the error box from the event loop
        const bool refusedAtOk = c.refusal && !c.printed;
        EXPECT_EQ(stayedOpen, refusedAtOk || c.answer == QMessageBox::No);
        const QString asked =
            c.answer == QMessageBox::NoButton ? "" : name + " already exists.\nDo you want to overwrite it?";
        EXPECT_EQ(questions.join('|').toStdString(), asked.toStdString());
        const QStringList why = QString(c.refusal).split('|');
        const QString told = !c.refusal ? ""
                                        : "Ramalan tidak dapat disimpan di " + shown + ": " + why[0] +
                                              ".\nCannot save " + shown + ": " + why[1] + ".";
        EXPECT_EQ(errors.texts.join('|').toStdString(), told.toStdString());
        // Nothing made or changed anywhere, but the file printed.
        const bool pdf = c.printed && QByteArray(c.printed) == "%PDF-";
        if (pdf && !before.first.contains(c.typed)) {
            before.first << c.typed;
            before.first.sort();
        }
        EXPECT_EQ(entries(), before);
        if (QFileInfo::exists(other.filePath("theirs.pdf"))) {
            EXPECT_EQ(fileBytes(native(other.filePath("theirs.pdf"))), "theirs");
        }
        if (!c.printed)
            continue;
        const QByteArray printed = fileBytes(native(name));
        EXPECT_TRUE(printed.startsWith(c.printed)) << printed.left(10).toStdString();
        if (pdf) {
            EXPECT_TRUE(wholePdf(printed));
            EXPECT_EQ(pagesOf(printed), 1) << "the second page alone";
            // Its maker named as in a saved PDF (the PDF's text strings are UTF-16).
            const QByteArray maker = QStringEncoder(QStringEncoder::Utf16BE).encode(u"Ramalan Temparoka");
            EXPECT_TRUE(printed.contains(maker));
        }
    }
}

}  // namespace
