// The pictures and the sound the program ships, checked as the program
// loads them: the decoder's sizes, the two-colour icons, the flags, and the
// sound's length.

#include "core/errors.h"
#include "files/jpeg.h"
#include "ui/shared/picturebox.h"

#include <QColor>
#include <QSet>

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <thread>
#include <vector>

using namespace temparoka;

namespace {

// A picture given by its resource is decoded when it is first needed, not
// when the window is made: a box never shown nor asked decodes nothing (a
// missing resource raises nothing yet), and asking decodes it once, the
// pixels shared with every other window that shows it.
TEST(Resources, APictureGivenByItsResourceIsDecodedWhenFirstNeededAndOnce)
{
    PictureBox missing;
    missing.setPictureOnShow(QStringLiteral(":/pictures/none.jpg"));
    EXPECT_EQ(missing.pictureSource(), ":/pictures/none.jpg");
    EXPECT_THROW(missing.picture(), PictureError);

    PictureBox dream, again;
    dream.setPictureOnShow(QStringLiteral(":/pictures/dream.jpg"));
    again.setPictureOnShow(dream.pictureSource());
    EXPECT_EQ(dream.picture().size(), QSize(640, 480));
    EXPECT_EQ(again.picture().constBits(), dream.picture().constBits());
    EXPECT_EQ(dream.picture().constBits(), loadPicture(QStringLiteral(":/pictures/dream.jpg"), 1.0).constBits());
    // A picture set after it stands in its place.
    dream.setPicture(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_EQ(dream.picture().size(), QSize(2, 2));
    EXPECT_TRUE(dream.pictureSource().isEmpty());
}

// The start decodes pictures on a second thread while the windows ask for
// them: whoever asks while another decodes waits for the same pixels, and a
// picture that cannot be decoded fails for every one who asked, and again
// for a later call, never kept as an empty picture.
TEST(Resources, APictureAskedForFromFourThreadsAtOnceIsDecodedOnceOrFailsForEach)
{
    for (const QString& path : {QStringLiteral(":/pictures/card_qc.jpg"), QStringLiteral(":/pictures/none.png")}) {
        std::vector<std::thread> threads;
        std::vector<QImage> got(4);
        std::vector<int> failed(4, 0);
        for (std::size_t i = 0; i < got.size(); ++i)
            threads.emplace_back([&, i] {
                try {
                    got[i] = loadPicture(path, 2.0);
                } catch (const PictureError&) {
                    failed[i] = 1;
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        const bool missing = path.contains(QStringLiteral("none"));
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(failed[i], missing ? 1 : 0) << path.toStdString();
            EXPECT_EQ(got[i].constBits(), got[0].constBits()) << path.toStdString();
        }
        if (missing)
            EXPECT_THROW(loadPicture(path, 2.0), PictureError);
        else
            EXPECT_EQ(got[0].size(), QSize(140, 190));
    }
}

TEST(Resources, TheTwoColourIconsHaveExactlyTwoColours)
{
    for (const char* path :
         {":/pictures/icon_program.png", ":/pictures/icon_output.png", ":/pictures/icon_dream.png",
          ":/pictures/icon_about.png", ":/pictures/icon_program@2x.png", ":/pictures/icon_output@2x.png",
          ":/pictures/icon_dream@2x.png", ":/pictures/icon_about@2x.png"}) {
        const QImage icon = loadPicture(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        EXPECT_EQ(colours.size(), 2) << path;
    }
}

// Share of the pixels in a rectangle for which the test holds.
double share(const QImage& image, const QRect& area, bool (*test)(QColor))
{
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            hits += test(image.pixelColor(x, y)) ? 1 : 0;
    return double(hits) / (area.width() * area.height());
}

bool isRed(QColor c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
bool isWhite(QColor c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}
bool isBlue(QColor c)
{
    return c.blue() > 60 && c.blue() > c.red() + 40 && c.blue() > c.green() + 30;
}
bool isFlagColour(QColor c)
{
    return isRed(c) || isWhite(c) || isBlue(c);
}

TEST(Resources, FlagsShowTheUnitedKingdomLeftAndIndonesiaRight)
{
    for (const int k : {1, 2}) {
        const QImage flags = loadPicture(":/pictures/flags.png", k);
        ASSERT_EQ(flags.size(), QSize(52, 25) * k);
        // Inside each flag's frame.
        const QRect left(2 * k, 5 * k, 22 * k, 16 * k), rightTop(29 * k, 5 * k, 20 * k, 7 * k),
            rightBottom(29 * k, 14 * k, 20 * k, 7 * k);
        EXPECT_GT(share(flags, left, isFlagColour), 0.8) << k;
        EXPECT_GT(share(flags, left, isRed), 0.1) << k;
        EXPECT_GT(share(flags, left, isBlue), 0.15) << k;
        EXPECT_GT(share(flags, left, isWhite), 0.1) << k;
        EXPECT_GT(share(flags, rightTop, isRed), 0.9) << k;
        EXPECT_GT(share(flags, rightBottom, isWhite), 0.9) << k;
    }
}

TEST(Resources, TheReadingSoundIsAShortCleanWav)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(TEMPAROKA_DATA_DIR "/tmk.wav", SFM_READ, &info);
    ASSERT_TRUE(file) << sf_strerror(nullptr);
    EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
    const double seconds = double(info.frames) / info.samplerate;
    EXPECT_GE(seconds, 0.5);
    EXPECT_LE(seconds, 3.0);
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    int peak = 0;
    for (const short s : samples)
        peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32767);  // no clipping
    EXPECT_GT(peak, 3000);  // and not silence
    EXPECT_LT(std::abs(int(samples.back())), 100);  // ends quietly, without a click
}

}  // namespace
