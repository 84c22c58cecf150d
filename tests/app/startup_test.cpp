// Start-up as a whole: every window once, in its order, and the two small
// secondary windows.

#include "app/about.h"
#include "app/product.h"
#include "app/program.h"
#include "app/spende.h"
#include "dream/traumform.h"
#include "output/ausgabeform.h"
#include "support/fakes.h"
#include "ui_about.h"
#include "ui_spende.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QUrl>

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
    EXPECT_EQ(order, (QStringList{"Form1", "AboutBox", "ausform", "traumfenster", "SpendeForm", "Tfrage", "flussfrage",
                                  "zahnform", "riwayatform", "wetonform"}));
    EXPECT_TRUE(deathBeforeCopies);
    for (QWidget* window : std::initializer_list<QWidget*>{&program.AboutBox(), &program.ausform(),
                                                           &program.traumfenster(), &program.SpendeForm()})
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
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

}  // namespace

#include "startup_test.moc"
