// The picture a reading is kept as: what an image viewer learns from it
// beyond its pixels, and that every kind of picture survives its PNG. (The
// web page of each reading kind is pinned whole by the golden table.)

#include "app/program.h"
#include "core/weekly.h"
#include "export/readingdocument.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

constexpr double kTuesday = 46364.5;  // 8 December 2026, ISO week 50

Reading weeklyReading()
{
    Reading reading = Reading::weekly(kTuesday, cardFace(1));
    reading.lines = {{"Satu", Language::Indonesian, false}, {"One", Language::English, false}};
    return reading;
}

}  // namespace

TEST(ReadingDocument, ThePictureSaysItIsDrawnAtTwiceTheScreensDensity)
{
    const ReadingDocument document(weeklyReading());
    QByteArray bytes = document.encoded(DocumentFormat::Png).value();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull());
    // 192 dots per inch, in dots per metre as PNG keeps it.
    EXPECT_EQ(picture.dotsPerMeterX(), 7559);
    EXPECT_EQ(picture.dotsPerMeterY(), 7559);
    EXPECT_EQ(picture.size(), document.image(1).size() * 2);
}

// Every kind of picture comes back from its PNG as it was: the channels in
// their order, the alpha kept where there is one and none made up where
// there is not, rows whose bytes do not fill a whole number of words, the
// resolution across and down, and the rows of both halves, which are
// compressed apart, in one stream whose checksum zlib accepts. A single row
// leaves the first half empty; a large picture of noise outgrows the
// compressor's first buffer and fills more than one chunk.
TEST(ReadingDocument, APictureComesBackFromItsPngPixelForPixel)
{
    const QSize sizes[] = {{5, 3}, {7, 1}, {640, 600}};
    const QImage::Format formats[] = {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_ARGB32_Premultiplied, QImage::Format_Grayscale8};
    for (const QSize size : sizes) {
        // 5 pixels wide: 15 bytes a row in three bytes a pixel, padded to 16.
        QImage drawn(size, QImage::Format_ARGB32);
        quint32 noise = 12345;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                noise = noise * 1664525u + 1013904223u;
                drawn.setPixel(x, y, noise | 0x10000000u);
            }
        for (const QImage::Format format : formats) {
            QImage picture = drawn.convertToFormat(format);
            picture.setDotsPerMeterX(7559);
            picture.setDotsPerMeterY(3780);
            const Encoded png = pngOf(picture);
            ASSERT_TRUE(png.ok()) << format << ": " << png.problem();
            const QImage read = QImage::fromData(png.value(), "png");
            ASSERT_FALSE(read.isNull()) << format << " " << size.width();
            EXPECT_EQ(read.hasAlphaChannel(), picture.hasAlphaChannel()) << format;
            EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), picture.convertToFormat(QImage::Format_ARGB32))
                << format << " " << size.width();
            EXPECT_EQ(read.dotsPerMeterX(), 7559) << format;
            EXPECT_EQ(read.dotsPerMeterY(), 3780) << format;

            // Each row unpacked: its filter's number, then 3 or 4 bytes a pixel.
            const qsizetype rowBytes = 1 + size.width() * (picture.hasAlphaChannel() ? 4 : 3);
            const qsizetype allRows = size.height() * rowBytes;
            QByteArray stream(4, '\0');
            qToBigEndian(static_cast<quint32>(allRows), stream.data());
            const QByteArray& bytes = png.value();
            for (qsizetype at = 8; at + 8 <= bytes.size();) {
                const qsizetype length = qFromBigEndian<quint32>(bytes.constData() + at);
                if (bytes.mid(at + 4, 4) == "IDAT")
                    stream += bytes.mid(at + 8, length);
                at += 12 + length;
            }
            EXPECT_EQ(qUncompress(stream).size(), allRows) << format << " " << size.width();
        }
    }
}
