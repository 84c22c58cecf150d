// Start-up as a whole: every window once, in its order, and the two small
// secondary windows.

#include "app/alongside.h"
#include "app/ownenvironment.h"
#include "app/program.h"
#include "core/errors.h"
#include "support/fakes.h"
#include "ui/about/about.h"
#include "ui/about/product.h"
#include "ui/about/spende.h"
#include "ui/dream/traumform.h"
#include "ui/output/ausgabeform.h"
#include "ui_about.h"
#include "ui_spende.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class Startup : public ::testing::Test, public MainWindowFixture {};

TEST_F(Startup, MakesEveryWindowOnceInItsOrder)
{
    QStringList order;
    bool deathBeforeCopies = false;
    Program program(services(), [&](QWidget* window) {
        order << window->objectName();
        if (window->objectName() == "flussfrage")
            deathBeforeCopies = order.contains("Tfrage");
    });
    // The earlier readings, the weton window and the dream dictionary wait
    // for their first use.
    EXPECT_EQ(order, (QStringList{"Form1", "AboutBox", "ausform", "traumfenster", "SpendeForm", "Tfrage", "flussfrage",
                                  "zahnform"}));
    EXPECT_EQ(program.windows().size(), order.size());
    EXPECT_TRUE(deathBeforeCopies);
    for (QWidget* window : std::initializer_list<QWidget*>{&program.AboutBox(), &program.ausform(),
                                                           &program.traumfenster(), &program.SpendeForm()})
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

// The start's work on a second thread only readies what the main thread
// would do itself: once waited for it has run, and a failure in it (a
// damaged picture) ends the thread quietly, for the main thread to meet
// and report.
TEST_F(Startup, WorkBesideTheStartHasRunOnceWaitedForAndKeepsItsFailuresToItself)
{
    for (const bool fails : {false, true}) {
        std::atomic<int> ran = 0;
        AlongsideStart work([&] {
            ++ran;
            if (fails)
                throw PictureError("damaged");
        });
        work.wait();
        EXPECT_EQ(ran, 1) << fails;
        work.wait();  // a second wait returns at once
    }
}

// The windows a reader opens later are made at start but build nothing: not
// when the main window is shown and the toolkit polishes the windows that
// belong to it, only when each is itself first shown, and then with its
// controls already there when it appears.
TEST_F(Startup, TheWindowsOpenedLaterBuildTheirControlsWhenFirstShown)
{
    Program program(services());
    program.Form1().show();
    QCoreApplication::processEvents();
    const QList<QWidget*> later = program.windows().mid(1);
    ASSERT_EQ(later.size(), 7);
    // Its controls, not the dialogs that belong to it.
    const auto controls = [](QWidget* window) {
        const QList<QWidget*> all = window->findChildren<QWidget*>();
        return std::count_if(all.begin(), all.end(), [](QWidget* child) { return !child->isWindow(); });
    };
    for (QWidget* window : later)
        EXPECT_EQ(controls(window), 0) << window->objectName().toStdString();
    for (QWidget* window : later) {
        auto* dialog = static_cast<QDialog*>(window);
        qsizetype buttonsWhenShown = 0;
        AutoClose closes(dialog, [&] {
            buttonsWhenShown = dialog->findChildren<QPushButton*>().size();
            dialog->reject();
        });
        dialog->exec();
        EXPECT_EQ(closes.shown, 1);
        EXPECT_GT(buttonsWhenShown, 0) << window->objectName().toStdString();
    }
}

TEST_F(Startup, TheAboutBoxIsTheSameBoxEachTimeAndClosesOnOkAndEnter)
{
    Program program(services());
    TAboutBox& about = program.AboutBox();
    int shown = 0;
    QTimer closeWithOk, closeWithEnter;
    auto* ok = about.controls().OKButton;
    auto* ueber = program.Form1().findChild<QPushButton*>("ueber");

    QTimer::singleShot(0, &about, [&] {
        ++shown;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTest::mouseClick(ueber, Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);

    QTimer::singleShot(0, &about, [&] {
        ++shown;
        QTest::keyClick(&about, Qt::Key_Return);
    });
    QTest::mouseClick(ueber, Qt::LeftButton);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(program.Form1().findChildren<TAboutBox*>().size(), 0);  // no second box was made
}

TEST_F(Startup, AboutBoxNamesTheProductItsAddressAndContact)
{
    TAboutBox about;
    EXPECT_EQ(about.controls().ProductName->text(), "Temparoka's Indonesian Horoscope");
    EXPECT_EQ(about.controls().Version->text(), QStringLiteral("Version ") + kProductVersion);
    EXPECT_TRUE(about.controls().Label1->text().contains(kProductWebAddress));
    EXPECT_TRUE(about.controls().Label2->text().contains(kContactEmail));
    EXPECT_EQ(about.controls().ProgramIcon->size(), QSize(40, 40));
}

// Takes the place of the browser for the web page's address.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;
    bool windowWasVisible = false;
    QWidget* window = nullptr;

public slots:
    void open(const QUrl& url)
    {
        opened << url;
        windowWasVisible = window && window->isVisible();
    }
};

TEST_F(Startup, TheDonationButtonAsksForTheWebPageOnceAndCloses)
{
    Program program(services());
    TSpendeForm& donation = program.SpendeForm();
    UrlCatcher catcher;
    catcher.window = &donation;
    QDesktopServices::setUrlHandler("https", &catcher, "open");

    // From the output window's "Support Temparoka", as a reader would.
    Tausform& output = program.ausform();
    QTimer::singleShot(0, &output, [&] {
        QTimer::singleShot(0, &donation, [&] { QTest::mouseClick(donation.controls().BitBtn1, Qt::LeftButton); });
        QTest::mouseClick(output.findChild<QPushButton*>("SpendeKnopf"), Qt::LeftButton);
        EXPECT_TRUE(output.isVisible());  // back on the output window
        output.reject();
    });
    output.exec();
    QDesktopServices::unsetUrlHandler("https");

    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(kProductWebAddress));
    EXPECT_TRUE(catcher.windowWasVisible);  // asked while still on screen
    EXPECT_FALSE(donation.isVisible());
}

TEST_F(Startup, TheAppealHasFiveParagraphsEndingWithTheButton)
{
    TSpendeForm donation;
    const QStringList lines = donation.controls().Memo1->toPlainText().split('\n');
    EXPECT_EQ(lines.size(), 17);
    EXPECT_EQ(lines.filter(QRegularExpression("\\S")).size(), 13);
    EXPECT_EQ(lines.count(QString()), 4);
    EXPECT_EQ(lines.last(), "or click on this button.");
    EXPECT_TRUE(donation.controls().Memo1->isReadOnly());
    EXPECT_EQ(donation.controls().Label1->text(), "Support the Temparoka Horoscope ");
    EXPECT_EQ(donation.controls().BitBtn1->geometry(), QRect(10, 374, 158, 31));
}

// Root run with another user's environment: what it keeps. Here /root, /srv
// and /tmp are root's, /home/u and every relative path another user's.
TEST(RootsEnvironment, KeepsOnlyFoldersOfRootsOwnAndNothingElseOfAnotherUsers)
{
    using Env = std::vector<std::string>;
    const OwnFolder rootsOwn = [](const std::string& path) {
        return path.starts_with("/root") || path.starts_with("/srv") || path.starts_with("/tmp");
    };
    const std::string system = "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin";
    const std::string noBus = "DBUS_SESSION_BUS_ADDRESS=disabled:";
    const struct {
        const char* what;
        Env given;
        std::string rootHome;
        Env kept;
    } cases[] = {
        // clang-format off
        {"root's own, all of it stays",
         {"HOME=/root", "XDG_CONFIG_HOME=/root/.config", "XDG_RUNTIME_DIR=/srv/run", "QT_PLUGIN_PATH=/home/u/p",
          "PATH=/home/u/bin:/usr/bin", "LANG=/home/u/loc", "DBUS_SESSION_BUS_ADDRESS=unix:path=/x"},
         "/root",
         {"HOME=/root", "XDG_CONFIG_HOME=/root/.config", "XDG_RUNTIME_DIR=/srv/run", "QT_PLUGIN_PATH=/home/u/p",
          "PATH=/home/u/bin:/usr/bin", "LANG=/home/u/loc", "DBUS_SESSION_BUS_ADDRESS=unix:path=/x"}},
        {"as \"sudo -E\" keeps it",
         {"HOME=/home/u", "XDG_CONFIG_HOME=/home/u/.config", "XDG_RUNTIME_DIR=/run/user/1000", "TMPDIR=/tmp",
          "DISPLAY=:0", "XAUTHORITY=/home/u/.Xauthority", "QT_PLUGIN_PATH=/home/u/p", "QT_QPA_PLATFORMTHEME=gtk3",
          "QT_QPA_PLATFORM=offscreen:configfile=/home/u/c", "QT_STYLE_OVERRIDE=kvantum", "QT_IM_MODULE=ibus",
          "QML2_IMPORT_PATH=/home/u/q", "GST_PLUGIN_PATH=/home/u/g", "PULSE_COOKIE=/home/u/c",
          "FONTCONFIG_FILE=/home/u/f", "XDG_DATA_DIRS=/home/u/share", "GTK_MODULES=x", "BROWSER=/home/u/b",
          "LD_LIBRARY_PATH=/home/u/lib", "PATH=/home/u/bin:/usr/bin", "DBUS_SESSION_BUS_ADDRESS=unix:path=/x",
          "LANG=id_ID.UTF-8", "LC_TIME=en_GB.UTF-8", "LANGUAGE=id:en", "TZ=Asia/Jakarta", "TERM=xterm",
          "USER=root", "LOGNAME=root", "SUDO_USER=u"},
         "/root",
         {"HOME=/root", "TMPDIR=/tmp", "DISPLAY=:0", "XAUTHORITY=/home/u/.Xauthority", "LANG=id_ID.UTF-8",
          "LC_TIME=en_GB.UTF-8", "LANGUAGE=id:en", "TZ=Asia/Jakarta", "TERM=xterm", "USER=root", "LOGNAME=root",
          system, noBus}},
        {"a sudo that sets HOME and keeps the rest",
         {"HOME=/root", "XDG_DATA_HOME=/home/u/.local/share", "QT_PLUGIN_PATH=/home/u/p", "PATH=/usr/bin"},
         "/root", {"HOME=/root", system, noBus}},
        {"root's own data folder stays where its record is",
         {"HOME=/home/u", "XDG_DATA_HOME=/srv/data", "XDG_CACHE_HOME=/home/u/.cache"},
         "/root", {"HOME=/root", "XDG_DATA_HOME=/srv/data", system, noBus}},
        {"another user's temporary folder alone says nothing of the rest",
         {"HOME=/root", "TMPDIR=/home/u/tmp", "QT_PLUGIN_PATH=/srv/p"},
         "/root", {"HOME=/root", "QT_PLUGIN_PATH=/srv/p"}},
        {"languages and zones that name a file",
         {"HOME=/home/u", "TZ=:/home/u/zone", "LC_ALL=/home/u/loc", "LC_CTYPE=../../home/u/loc",
          "LANGUAGE=id:../../home/u", "LANG=C.UTF-8", "TZ=UTC"},
         "/root", {"HOME=/root", "LANG=C.UTF-8", system, noBus}},
        {"a name given twice counts as the process saw it: first",
         {"HOME=/home/u", "HOME=/root", "DISPLAY=:0", "DISPLAY=:1", "=x", "NOVALUE"},
         "/root", {"HOME=/root", "DISPLAY=:0", system, noBus}},
        {"a relative home, and no account home to be had",
         {"HOME=u", "DISPLAY=:0"},
         "", {"DISPLAY=:0", system, noBus}},
        // clang-format on
    };
    for (const auto& c : cases) {
        Env kept = rootsEnvironment(c.given, rootsOwn, c.rootHome), expected = c.kept;
        std::sort(kept.begin(), kept.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(kept, expected) << c.what;
    }
}

}  // namespace

#include "startup_test.moc"
