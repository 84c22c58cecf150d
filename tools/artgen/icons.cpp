// Flags and window icons: see icons.h.
//
// The two-colour icons must hold exactly two colours, so they are drawn large
// in white on black, reduced with area averaging and then cut at half
// coverage: the shapes keep the outline the large drawing had, without any
// in-between shades.
#include "icons.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

const QColor iconGold(232, 178, 60);
const QColor iconBlack(0, 0, 0);

// Draws with 'shape' on a 32-unit square at 16x, then reduces to a 32 x 32
// two-colour picture: gold where at least half of a pixel was covered.
QImage twoColour(const std::function<void(QPainter&)>& shape)
{
    constexpr int N = 32, K = 16;
    QImage big(N * K, N * K, QImage::Format_RGB32);
    big.fill(Qt::black);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(K, K);
        shape(p);
    }
    const QImage small = big.scaled(N, N, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(N, N, QImage::Format_Indexed8);
    out.setColorTable({iconBlack.rgb(), iconGold.rgb()});
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            out.setPixel(x, y, qGray(small.pixel(x, y)) >= 128 ? 1 : 0);
    return out;
}

void starPolygon(QPainter& p, QPointF c, double outer, double inner, int points, double turn = 0)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * M_PI / points - M_PI / 2;
        poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.drawPolygon(poly);
}

// The Union Jack in 'r': blue field, the white and red saltires (the red one
// offset so that it turns like a pinwheel), the white and red crosses.
void unionJack(QPainter& p, const QRectF& r)
{
    const double h = r.height();
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(1, 33, 105));
    const QPointF c = r.center();
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    QPainterPathStroker st;
    st.setCapStyle(Qt::FlatCap);
    // white saltire, a fifth of the height wide
    st.setWidth(h * 0.2);
    for (int i = 0; i < 2; ++i) {
        QPainterPath d;
        d.moveTo(corners[i]);
        d.lineTo(corners[i + 2]);
        p.fillPath(st.createStroke(d), Qt::white);
    }
    // red saltire: in each arm a band a fifteenth of the height wide beside
    // the centre line, on the side that makes the pattern turn (below the
    // line in the upper hoist arm, above it in the lower fly arm)
    const QColor red(200, 16, 46);
    const double w = h / 15.0;
    for (const QPointF& k : corners) {
        QPointF d = k - c;
        const double len = std::hypot(d.x(), d.y());
        d /= len;
        const QPointF n(d.y(), -d.x());
        // the perpendicular distance w, measured across the diagonal
        QPolygonF band({c, k, k + n * w, c + n * w});
        QPainterPath quadrant;
        quadrant.addRect(QRectF(c, k).normalized());
        p.save();
        p.setClipPath(quadrant, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawPolygon(band);
        p.restore();
    }
    // white cross a third of the height wide, red cross a fifth; at the
    // button's size both are rounded to whole pixels so their edges stay sharp
    const double white = std::max(2.0, std::round(h / 6)) * 2;
    const double redW = std::max(1.0, std::round(h / 8)) * 2;
    p.fillRect(QRectF(c.x() - white / 2, r.top(), white, h), Qt::white);
    p.fillRect(QRectF(r.left(), c.y() - white / 2, r.width(), white), Qt::white);
    p.fillRect(QRectF(c.x() - redW / 2, r.top(), redW, h), red);
    p.fillRect(QRectF(r.left(), c.y() - redW / 2, r.width(), redW), red);
    p.restore();
}

} // namespace

QImage flags()
{
    constexpr int W = 52, H = 25;
    constexpr double K = 8;
    QImage big = canvas(W * K, H * K, QColor(12, 14, 34));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(K, K);
    // whole pixels for the cloths and their frames, so the edges stay sharp
    const QRectF left(2, 5, 22, 16);
    const QRectF right(28, 5, 22, 16);
    for (const QRectF& r : {left, right})
        p.fillRect(r.adjusted(-1, -1, 1, 1), QColor(196, 146, 50));
    unionJack(p, left);
    p.fillRect(QRectF(right.left(), right.top(), right.width(), 8), QColor(206, 17, 38));
    p.fillRect(QRectF(right.left(), right.top() + 8, right.width(), 8), QColor(250, 250, 250));
    // a soft light across both cloths so they do not look like flat stickers
    for (const QRectF& r : {left, right}) {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0.0, QColor(255, 255, 255, 40));
        g.setColorAt(0.5, QColor(255, 255, 255, 0));
        g.setColorAt(1.0, QColor(0, 0, 0, 36));
        p.fillRect(r, g);
    }
    p.end();
    return reduce(big, W, H).convertToFormat(QImage::Format_RGB32);
}

namespace {
// The program icon's shape on a 32-unit square, white on black.
void programShape(QPainter& p)
 {
        const QPainterPath leaf = spline({corner(16, 0.6), {18.6, 4.4}, {23.6, 10}, {27.4, 16.4}, {26.6, 21.6},
                                          corner(22.6, 24.6), corner(9.4, 24.6), {5.4, 21.6}, {4.6, 16.4},
                                          {8.4, 10}, {13.4, 4.4}},
                                         true);
        p.setPen(QPen(Qt::white, 2.1, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(leaf);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        starPolygon(p, QPointF(16, 15.2), 8.0, 3.0, 8);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(16, 15.2), 1.6, 1.6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 25.6, 18, 2.4));
        p.drawRect(QRectF(3.5, 29, 25, 2.8));
        starPolygon(p, QPointF(4.2, 4.8), 3.0, 0.9, 4);
        starPolygon(p, QPointF(27.8, 5.6), 2.6, 0.9, 4);
    }
}  // namespace

QImage programIcon()
{
    // the kayon, the leaf-shaped mountain of the puppet play, drawn as an
    // outline holding an eight-pointed star, on its stepped foot; two small
    // stars beside it. A filled leaf would read as a spade at this size.
    return twoColour(programShape);
}

QImage desktopIcon()
{
    // The same kayon for the desktop's menus: 128 pixels, smooth, gold on a
    // night-blue rounded square.
    constexpr int N = 128;
    QImage mask(N, N, QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(14, 12);
        p.scale(100.0 / 32, 100.0 / 32);
        programShape(p);
    }
    QImage out(N, N, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, N);
    night.setColorAt(0, QColor(22, 20, 58));
    night.setColorAt(1, QColor(8, 6, 22));
    p.setPen(QPen(iconGold, 3));
    p.setBrush(night);
    p.drawRoundedRect(QRectF(3, 3, N - 6, N - 6), 22, 22);
    QLinearGradient gold(0, 0, 0, N);
    gold.setColorAt(0, QColor(255, 226, 140));
    gold.setColorAt(1, QColor(196, 140, 40));
    QImage goldLayer(N, N, QImage::Format_ARGB32_Premultiplied);
    goldLayer.fill(Qt::transparent);
    {
        QPainter g(&goldLayer);
        g.fillRect(goldLayer.rect(), gold);
    }
    for (int y = 0; y < N; ++y) {
        auto* line = reinterpret_cast<QRgb*>(goldLayer.scanLine(y));
        for (int x = 0; x < N; ++x) {
            const int alpha = qGray(mask.pixel(x, y));
            const QColor c = QColor::fromRgb(line[x]);
            line[x] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), alpha));
        }
    }
    p.drawImage(0, 0, goldLayer);
    return out;
}

QImage outputIcon()
{
    // an open book with a star rising over it
    return twoColour([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        starPolygon(p, QPointF(16, 6.2), 6.2, 2.3, 4);
        starPolygon(p, QPointF(16, 6.2), 3.6, 1.6, 4, M_PI / 4);
        // the two pages, curving down to the spine
        QPainterPath leftPage = spline({corner(1.5, 15), {6, 13.4}, {11, 13.6}, corner(15.2, 16.2),
                                        corner(15.2, 30), {11, 27.4}, {6, 27}, corner(1.5, 28.6)},
                                       true);
        QPainterPath rightPage = spline({corner(16.8, 16.2), {21, 13.6}, {26, 13.4}, corner(30.5, 15),
                                         corner(30.5, 28.6), {26, 27}, {21, 27.4}, corner(16.8, 30)},
                                        true);
        p.drawPath(leftPage);
        p.drawPath(rightPage);
        // lines of writing, cut out of the pages
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i) {
            const double y = 18 + i * 3.3;
            p.drawPath(spline({corner(4.2, y), {8, y - 0.8}, corner(12.6, y + 0.4), corner(12.6, y + 1.4),
                               {8, y + 0.3}, corner(4.2, y + 1.1)},
                              true));
            p.drawPath(spline({corner(19.4, y + 0.4), {24, y - 0.8}, corner(27.8, y), corner(27.8, y + 1.1),
                               {24, y + 0.3}, corner(19.4, y + 1.4)},
                              true));
        }
    });
}

QImage dreamIcon()
{
    // a golden crescent moon with two stars, on a transparent ground
    constexpr int N = 32;
    constexpr double K = 8;
    QImage big = canvas(int(N * K), int(N * K));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(K, K);
    const QPointF c(14, 17);
    QPainterPath disc;
    disc.addEllipse(c, 12.5, 12.5);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(6.4, -4.2), 11, 11);
    const QPainterPath moon = disc.subtracted(bite);
    QRadialGradient g(c + QPointF(-5, 4), 16);
    g.setColorAt(0.0, QColor(255, 244, 200));
    g.setColorAt(0.6, QColor(246, 200, 90));
    g.setColorAt(1.0, QColor(190, 120, 30));
    p.setPen(QPen(QColor(110, 60, 10), 1.1));
    p.setBrush(g);
    p.drawPath(moon);
    p.setPen(QPen(QColor(90, 40, 110), 0.8));
    p.setBrush(QColor(255, 250, 230));
    starPolygon(p, QPointF(24.5, 8), 5.2, 1.7, 4);
    p.setBrush(QColor(250, 220, 140));
    starPolygon(p, QPointF(26.5, 20.5), 3.2, 1.2, 4);
    p.end();
    return reduce(big, N, N);
}

} // namespace art
