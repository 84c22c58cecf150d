// The window icons: see icons.h.
//
// The two-colour icons must hold exactly two colours, so they are drawn large
// in white on black, reduced with area averaging and then cut at half
// coverage: the shapes keep the outline the large drawing had, without any
// in-between shades. The gunungan at the program's 32 and the About box's 40
// pixels is set pixel by pixel instead (icon_gununganpixels.cpp).
#include "icons.h"

#include "gunungan.h"
#include "iconkit.h"
#include "paintkit.h"

#include <cmath>

namespace art {

using iconkit::starPolygon;
using iconkit::twoColour;
using iconkit::twoColourSquare;

namespace {

// The gunungan in two colours on a square of 'pixels': the silhouette gold,
// what is cut into it black; the dark edge of the desktop icon is the black
// ground here.
QImage gununganTwoColour(int pixels)
{
    const QImage cells = gununganCells(pixels);
    if (!cells.isNull()) {
        QImage coverage(cells.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < cells.height(); ++y)
            for (int x = 0; x < cells.width(); ++x)
                coverage.setPixel(x, y, cells.pixelIndex(x, y) == Gold ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        return twoColour(coverage);
    }
    return twoColourSquare(
        [pixels](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(gununganOutline());
            p.setBrush(Qt::black);
            p.drawPath(gununganCuts(pixels));
        },
        pixels);
}

}  // namespace

QImage programIcon(int scale)
{
    // at its own size the gunungan set on the pixel grid, gold where the
    // desktop icon is gold; at twice the size drawn from its outlines
    return gununganTwoColour(32 * scale);
}

QImage aboutIcon(int scale)
{
    // the About box shows the gunungan at 40 pixels: set for that size
    // rather than stretched from 32
    return gununganTwoColour(40 * scale);
}

QImage outputIcon(int scale)
{
    // an open book with a star rising over it
    return twoColour(
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            starPolygon(p, QPointF(16, 6.2), 6.2, 2.3, 4);
            starPolygon(p, QPointF(16, 6.2), 3.6, 1.6, 4, M_PI / 4);
            // the two pages, curving down to the spine
            QPainterPath leftPage = spline({corner(1.5, 15),
                                            {6, 13.4},
                                            {11, 13.6},
                                            corner(15.2, 16.2),
                                            corner(15.2, 30),
                                            {11, 27.4},
                                            {6, 27},
                                            corner(1.5, 28.6)},
                                           true);
            QPainterPath rightPage = spline({corner(16.8, 16.2),
                                             {21, 13.6},
                                             {26, 13.4},
                                             corner(30.5, 15),
                                             corner(30.5, 28.6),
                                             {26, 27},
                                             {21, 27.4},
                                             corner(16.8, 30)},
                                            true);
            p.drawPath(leftPage);
            p.drawPath(rightPage);
            // lines of writing, cut out of the pages
            p.setBrush(Qt::black);
            for (int i = 0; i < 3; ++i) {
                const double y = 18 + i * 3.3;
                p.drawPath(spline({corner(4.2, y),
                                   {8, y - 0.8},
                                   corner(12.6, y + 0.4),
                                   corner(12.6, y + 1.4),
                                   {8, y + 0.3},
                                   corner(4.2, y + 1.1)},
                                  true));
                p.drawPath(spline({corner(19.4, y + 0.4),
                                   {24, y - 0.8},
                                   corner(27.8, y),
                                   corner(27.8, y + 1.1),
                                   {24, y + 0.3},
                                   corner(19.4, y + 1.4)},
                                  true));
            }
        },
        scale);
}

QImage dreamIcon(int scale)
{
    // a sleeper's closed eye with its lashes hanging, and the letters of
    // snoring rising from it: sleep, and so a dream, in a shape that stays
    // whole when a title bar scales it to 16 pixels
    return twoColour(
        [](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath lid;
            lid.moveTo(2.5, 19.5);
            lid.quadTo(11.5, 29, 20.5, 19.5);
            p.drawPath(lid);
            for (double t : {0.2, 0.5, 0.8}) {
                const QPointF at = lid.pointAtPercent(t);
                const double a = lid.angleAtPercent(t) * M_PI / 180;
                // each lash leans out square to the lid
                const QPointF out(std::sin(a), std::cos(a));
                p.drawLine(at, at + out * 4.2);
            }
            p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawPolyline(QPolygonF({{18.5, 3}, {29, 3}, {18.5, 14}, {29, 14}}));
            p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawPolyline(QPolygonF({{9.5, 8.2}, {15.5, 8.2}, {9.5, 14.2}, {15.5, 14.2}}));
        },
        scale);
}

}  // namespace art
