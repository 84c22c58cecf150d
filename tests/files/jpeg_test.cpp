#include "core/errors.h"
#include "files/jpeg.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

QByteArray encodedJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    QPainter(&image).fillRect(0, 0, width / 2, height, QColor(10, 20, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

std::string errorOf(const QByteArray& bytes)
{
    try {
        decodeJpeg(bytes);
    } catch (const PictureError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Jpeg, DecodesToAnImageOfTheStoredSizeAndColours)
{
    const QImage image = decodeJpeg(encodedJpeg(70, 95));
    ASSERT_EQ(image.size(), QSize(70, 95));
    const QColor left = image.pixelColor(10, 50), right = image.pixelColor(60, 50);
    EXPECT_GT(left.blue(), 150);
    EXPECT_LT(left.red(), 60);
    EXPECT_GT(right.red(), 150);
    EXPECT_LT(right.blue(), 80);
}

TEST(Jpeg, DamagedDataRaisesLibjpegsMessageNeverAHalfPicture)
{
    const QByteArray whole = encodedJpeg(64, 64);
    const struct {
        QByteArray bytes;
        const char* message;
        // clang-format off
    } cases[] = {
        {whole.left(whole.size() / 2), "Premature end of JPEG file"},
        {whole.left(whole.size() - 2), "Premature end of JPEG file"},
        {QByteArray("GIF89a not a jpeg at all"), "Not a JPEG file"},
        {QByteArray(), "Empty input file"},
        {whole.left(2), "Premature end of JPEG file"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_NE(errorOf(c.bytes).find(c.message), std::string::npos) << c.message << " <> " << errorOf(c.bytes);
    // The icons' reader refuses a damaged PNG the same way.
    QFile icon(QStringLiteral(":/pictures/icon_program.png"));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    const QByteArray png = icon.readAll();
    for (const QByteArray& damaged : {png.left(png.size() / 2), png.left(8), QByteArray("not a png")})
        EXPECT_THROW(decodePng(damaged), PictureError) << damaged.size() << " bytes";
}

TEST(Jpeg, EveryCompiledInPictureLoadsAtItsSizeFromBothSets)
{
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {":/pictures/background.jpg", {735, 487}}, {":/pictures/cardback.jpg", {70, 95}},
        {":/pictures/card_ks.jpg", {70, 95}},      {":/pictures/card_3d.jpg", {70, 95}},
        {":/pictures/card_qc.jpg", {70, 95}},      {":/pictures/card_as.jpg", {70, 95}},
        {":/pictures/card_jh.jpg", {70, 95}},      {":/pictures/dream.jpg", {640, 480}},
        {":/pictures/death.jpg", {430, 615}},      {":/pictures/flags.png", {52, 25}},
        {":/pictures/icon_program.png", {32, 32}}, {":/pictures/icon_output.png", {32, 32}},
        {":/pictures/icon_dream.png", {32, 32}},   {":/pictures/temparoka.png", {128, 128}},
        {":/pictures/icon_about.png", {40, 40}},
    };
    for (const auto& p : pictures) {
        const QString path = QString::fromLatin1(p.path);
        // At ratio 1 (and 1.5's neighbour below it) the 1x picture, as it is.
        const QImage plain = loadPicture(path, 1.0);
        EXPECT_EQ(plain.size(), p.size) << p.path;
        EXPECT_EQ(plain.devicePixelRatio(), 1.0) << p.path;
        // Decoded once: a second window asking for it shares its pixels.
        EXPECT_EQ(loadPicture(path, 1.0).constBits(), plain.constBits()) << p.path;
        // An icon reads pixel for pixel as Qt's own reader gives it.
        if (path.endsWith(QStringLiteral(".png"))) {
            EXPECT_EQ(plain.convertToFormat(QImage::Format_ARGB32), QImage(path).convertToFormat(QImage::Format_ARGB32))
                << p.path;
        }
        // Above 1, the picture drawn at twice the size, which paints at the
        // same size in device-independent pixels.
        for (const double ratio : {1.5, 2.0}) {
            const QImage sharp = loadPicture(path, ratio);
            EXPECT_EQ(sharp.size(), p.size * 2) << p.path;
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << p.path;
            EXPECT_EQ(sharp.deviceIndependentSize().toSize(), p.size) << p.path;
        }
    }
    EXPECT_THROW(loadPicture(":/pictures/none.jpg", 1.0), PictureError);
    EXPECT_THROW(loadPicture(":/pictures/none.jpg", 2.0), PictureError);
}

TEST(Jpeg, TheTwiceSizeDrawingLiesBesideThePicture)
{
    EXPECT_EQ(doubleSizePath(":/pictures/background.jpg"), ":/pictures/background@2x.jpg");
    EXPECT_EQ(doubleSizePath(":/pictures/flags.png"), ":/pictures/flags@2x.png");
    EXPECT_EQ(doubleSizePath(":/pic.tures/flags"), ":/pic.tures/flags@2x");
}

}  // namespace
