// The program on a screen at twice the pixel density (this test program
// runs with a scale factor of 2): the windows keep their layout in
// device-independent pixels, and every picture is drawn from the set drawn
// at twice the size, not from the 1x set enlarged.

#include "app/alongside.h"
#include "app/program.h"
#include "files/jpeg.h"
#include "support/everywindow.h"
#include "support/fakes.h"
#include "ui/about/about.h"
#include "ui/about/spende.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/main/cardimage.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/picturebox.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class HighDensity : public ::testing::Test, public MainWindowFixture {
protected:
    void SetUp() override { ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "this suite must run at ratio 2"; }
};

QImage asRgb(const QImage& image)
{
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setDevicePixelRatio(1.0);
    return rgb;
}

// Device pixels of a grab that differ from the source by more than a
// rounding step, over a region given in device pixels.
int differingPixels(const QImage& grabbed, const QImage& source, const QRect& region)
{
    int differing = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb a = grabbed.pixel(x, y), b = source.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                std::abs(qBlue(a) - qBlue(b)) > 2)
                ++differing;
        }
    return differing;
}

TEST_F(HighDensity, MainWindowAndCardAreDrawnFromTheSharpPictures)
{
    auto window = makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), QSize(735, 487));

    const QImage grabbed = asRgb(window->grab().toImage());
    ASSERT_EQ(grabbed.size(), QSize(1470, 974));
    const QImage sharp = asRgb(loadPicture(":/pictures/background@2x.jpg", 1.0));
    const QImage enlarged = asRgb(loadPicture(":/pictures/background.jpg", 1.0).scaled(1470, 974));
    // The comet's head, where no control sits: fine detail that tells a
    // sharp drawing from an enlarged one.
    const QRect sky(960, 260, 160, 120);
    EXPECT_EQ(differingPixels(grabbed, sharp, sky), 0);
    EXPECT_GT(differingPixels(grabbed, enlarged, sky), sky.width() * sky.height() / 4)
        << "the region cannot tell the two sets apart";

    TDoubleImage* card = window->cards()[0];
    card->show();
    EXPECT_EQ(card->size(), QSize(70, 95));
    const QImage cardGrab = asRgb(card->grab().toImage());
    const QImage back = asRgb(loadPicture(":/pictures/cardback@2x.jpg", 1.0));
    ASSERT_EQ(cardGrab.size(), back.size());
    EXPECT_EQ(differingPixels(cardGrab, back, cardGrab.rect()), 0);
}

TEST_F(HighDensity, EveryPictureAndIconOfEveryWindowIsTheSharpOne)
{
    // As the start does it: the pictures decoded on a second thread first,
    // so that the windows take every one of them from there.
    AlongsideStart([] { Program::decodeStartPictures(qGuiApp->devicePixelRatio()); }).wait();
    Program program(services());
    const QList<QWidget*> windows = everyWindow(program);
    int pictures = 0;
    for (QWidget* window : windows) {
        for (PictureBox* box : window->findChildren<PictureBox*>()) {
            if (box->window() != window || box->picture().isNull())
                continue;  // another window's, or an empty place
            ++pictures;
            EXPECT_EQ(box->picture().devicePixelRatio(), 2.0) << qPrintable(box->objectName());
            if (box->autoSize()) {
                EXPECT_EQ(box->size(), box->picture().deviceIndependentSize().toSize());
            }
        }
        const QPixmap icon = window->windowIcon().pixmap(QSize(32, 32), 2.0);
        EXPECT_EQ(icon.size(), QSize(64, 64)) << qPrintable(window->objectName());
    }
    // the background and five cards, the About box's icon, the dream
    // window's picture, the three dialogs' river and the weton window's
    // gunungan
    EXPECT_EQ(pictures, 12);
}

}  // namespace
