#include "app/application.h"
#include "core/errors.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <tuple>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheRestInLowerCase)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/temparoka/temparoka", "temparoka"},
        {"/opt/TEMPAROKA.EXE", "Temparoka"},
        {"C:/Program/TeMpArOkA.v2.exe", "Temparoka"},
        {"relative/Ramalan", "Ramalan"},
    };
    // clang-format on
    for (const auto& [path, title] : cases)
        EXPECT_EQ(applicationTitleFrom(path).toStdString(), title) << path;
}

TEST(ErrorBox, AddsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"Disk full.", "Disk full."},
        {"Stop!", "Stop!"},
        {"Cannot open (tmk.wav)", "Cannot open (tmk.wav)"},
        {"File access denied", "File access denied."},
        {"Error 42", "Error 42."},  // digits sort after "."
        {"a -", "a -"},             // "-" sorts before "."
        {"Tidak ada lagu André", "Tidak ada lagu André."},  // letters beyond ASCII sort after "." too
        {"Menü", "Menü."},
        {"", ""},
    };
    // clang-format on
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(errorBoxText(text), shown) << text;
}

TEST(ErrorBox, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    ErrorBoxRecorder box;
    int ranAfter = 0;
    QTimer::singleShot(0, [] { throw MediaError("The sound is broken"); });
    QTimer::singleShot(0, [] { throw MediaError("Tidak ada lagu André"); });
    QTimer::singleShot(0, [&] { ++ranAfter; });
    processEvents();
    processEvents();
    // A command reports its own failure in the same box, at once, and ends.
    reportingFailures([] { throw FileError("Ramalan tidak dapat disimpan"); });
    ASSERT_EQ(box.texts.size(), 3);
    EXPECT_EQ(box.texts.front(), "The sound is broken.");
    EXPECT_EQ(box.texts[1], QString::fromUtf8("Tidak ada lagu André."));
    EXPECT_EQ(box.texts.back(), "Ramalan tidak dapat disimpan.");
    EXPECT_EQ(box.titles.front(), QCoreApplication::instance()->applicationName());
    EXPECT_EQ(ranAfter, 1);
}

TEST(ErrorBox, ShowsFileNamesAsTheyAreNeverAsMarkup)
{
    // Folder names a reader can make: as markup they would load a picture
    // from disk in place of the path and hide the tags.
    const QString text = "Cannot open /opt/<h1>x</h1>/<img src=\"/usr/share/pixmaps/debian-logo.png\">/tmp.wav.";
    QString heard;  // what the box shows, as a screen reader reads it off the label
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
            heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        box->reject();
    });
    showStandardErrorBox("Temparoka", text);
    EXPECT_EQ(heard, text);
}

// Qt's file dialog writes its state as it closes, outside the file layer;
// no settings of Qt's may reach a file, in any format or scope.
TEST(QtSettings, AreKeptInNoFileAndTheFileDialogLeavesNone)
{
    keepQtSettingsOutOfFiles();
    // Where Qt's own file was kept: no new one, and an old one untouched.
    const QByteArray usual =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) + "/QtProject.conf";
    const auto state = [&] {
        struct stat info {};
        const bool there = ::lstat(usual.constData(), &info) == 0;
        return std::make_tuple(there, info.st_ino, info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_size);
    };
    const auto before = state();
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (int i = 0; i < 2; ++i) {
        QFileDialog dialog(nullptr, QStringLiteral("Simpan"), folder.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        dialog.exec();
    }
    EXPECT_EQ(state(), before);

    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings settings(format, scope, QStringLiteral("QtProject"), QStringLiteral("temparoka"));
            // Written only there: elsewhere, run as root, it would be the
            // system's own folder.
            if (!settings.fileName().startsWith(QStringLiteral("/dev/null/"))) {
                ADD_FAILURE() << "Qt's settings are kept in " << settings.fileName().toStdString();
                continue;
            }
            settings.setValue(QStringLiteral("FileDialog/lastVisited"), folder.path());
            settings.sync();
            EXPECT_EQ(settings.status(), QSettings::AccessError) << settings.fileName().toStdString();
        }
    }
}

}  // namespace

namespace {

// The fonts the windows are laid out for are drawn with free look-alikes
// that the program depends on; a missing package or a wrong substitution
// would silently fall back to the desktop's own sans.
TEST(Fonts, EachFontOfTheWindowsIsDrawnWithItsLookAlike)
{
    const struct {
        const char* family;
        const char* drawnWith;
    } fonts[] = {
        {"MS Sans Serif", "Nimbus Sans"},
        {"Comic Sans MS", "Comic Neue"},
        {"Century Gothic", "TeX Gyre Adventor"},
    };
    for (const auto& f : fonts) {
        for (const bool bold : {false, true}) {
            QFont font(QString::fromLatin1(f.family));
            font.setPixelSize(16);
            font.setBold(bold);
            EXPECT_TRUE(QFontInfo(font).family().startsWith(QString::fromLatin1(f.drawnWith)))
                << f.family << " is drawn with " << QFontInfo(font).family().toStdString();
        }
    }
}

}  // namespace
