#include "ui/main/cardimage.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace temparoka;

namespace {

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(DoubleImage, FlipSwapsAndFlippingTwiceRestoresBothSides)
{
    TDoubleImage card;
    card.setAutoSize(true);
    const QImage back = filled(70, 95, Qt::red);
    const QImage face = filled(70, 96, Qt::white);
    card.setPicture(back);
    card.setFlipside(face);

    card.Flip();
    EXPECT_EQ(card.Picture(), face);
    EXPECT_EQ(card.Flipside(), back);
    EXPECT_EQ(card.size(), QSize(70, 96));  // autoSize follows the shown side

    card.Flip();
    EXPECT_EQ(card.Picture(), back);
    EXPECT_EQ(card.Flipside(), face);
    EXPECT_EQ(card.size(), QSize(70, 95));
}

TEST(DoubleImage, FlipWithAnEmptyFlipsideLeavesPictureEmpty)
{
    TDoubleImage card;
    const QImage back = filled(70, 95, Qt::red);
    card.setPicture(back);
    card.Flip();
    EXPECT_TRUE(card.Picture().isNull());
    EXPECT_EQ(card.Flipside(), back);
}

TEST(DoubleImage, FlipsideIsACopyOfTheCallersPicture)
{
    TDoubleImage card;
    QImage face = filled(10, 10, Qt::white);
    card.setFlipside(face);
    face.fill(Qt::black);
    face = QImage();
    EXPECT_EQ(card.Flipside().pixelColor(5, 5), QColor(Qt::white));
}

TEST(DoubleImage, ClickNeedsPressAndReleaseInside)
{
    TDoubleImage card;
    card.setAutoSize(true);
    card.setPicture(filled(70, 95, Qt::red));
    QSignalSpy clicked(&card, &PictureBox::clicked);
    QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(clicked.count(), 1);
    QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
