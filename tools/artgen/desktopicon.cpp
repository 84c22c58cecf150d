// The desktop icon: see icons.h.
//
// The gunungan alone, gold with a thin dark edge on a transparent ground, so
// that a panel of any colour shows the leaf shape itself: on a dark panel the
// gold carries it, on a light one the edge. From 48 pixels up it is drawn
// from its outlines; below that it is the one set by hand on the pixel grid
// (icon_gununganpixels.cpp).
#include "gunungan.h"
#include "icons.h"
#include "paintkit.h"

#include <QLinearGradient>

#include <algorithm>

namespace art {
namespace {

const QColor edgeColour(44, 24, 8);
// the cuts show the dark leather behind the gilding
const QColor cutColour(96, 54, 14);

// The gilding from the point (0) to the foot (1): pale at the top, deeper at
// the foot, as the background's kayon catches the lamp.
QColor goldAt(double t)
{
    const QColor top(255, 228, 146), middle(236, 182, 64), foot(188, 126, 32);
    return t < 0.55 ? mix(top, middle, t / 0.55) : mix(middle, foot, (t - 0.55) / 0.45);
}

QImage fromCells(const QImage& cells)
{
    const int n = cells.width();
    QImage out(n, n, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            switch (cells.pixelIndex(x, y)) {
            case Edge:
                out.setPixelColor(x, y, edgeColour);
                break;
            case Gold:
                out.setPixelColor(x, y, goldAt((y + 0.5) / n));
                break;
            case Cut:
                out.setPixelColor(x, y, cutColour);
                break;
            default:
                break;
            }
        }
    return out;
}

QImage fromOutlines(int size)
{
    constexpr int K = 8;
    QImage big = canvas(size * K, size * K);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(K * size / 32.0, K * size / 32.0);
    const QPainterPath outline = gununganOutline();
    // the edge: half a pen's width outside the gold, about one pixel in 64
    const double edge = std::max(1.0, size / 64.0) * 32.0 / size;
    p.setPen(QPen(edgeColour, 2 * edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(edgeColour);
    p.drawPath(outline);
    QLinearGradient gold(0, 0.9, 0, 31.2);
    for (double t : {0.0, 0.2, 0.4, 0.55, 0.7, 0.85, 1.0})
        gold.setColorAt(t, goldAt(t));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(outline);
    p.setBrush(cutColour);
    p.drawPath(gununganCuts(size));
    p.end();
    return reduce(big, size, size);
}

}  // namespace

QImage desktopIcon(int size)
{
    const QImage cells = gununganCells(size);
    return cells.isNull() ? fromOutlines(size) : fromCells(cells);
}

}  // namespace art
