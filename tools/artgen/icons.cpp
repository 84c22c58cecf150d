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

// Draws with 'shape' on a 32-unit square at 16x per final pixel, then reduces
// to a 32 x 32 ('scale' times that for high-density screens) two-colour
// picture: gold where at least half of a pixel was covered.
QImage twoColour(const std::function<void(QPainter&)>& shape, int scale)
{
    constexpr int N = 32, K = 16;
    const int n = N * scale;
    QImage big(n * K, n * K, QImage::Format_RGB32);
    big.fill(Qt::black);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(K * scale, K * scale);
        shape(p);
    }
    const QImage small = big.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(n, n, QImage::Format_Indexed8);
    out.setColorTable({iconBlack.rgb(), iconGold.rgb()});
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            out.setPixel(x, y, qGray(small.pixel(x, y)) >= 128 ? 1 : 0);
    return out;
}

// Draws with 'draw' in the units of a picture designed at 'size', on a canvas
// 'detail' times larger for smooth edges and 'scale' times larger again for
// high-density screens, and reduces it to 'size' times 'scale'.
QImage supersampled(QSize size, double detail, int scale, QColor fill, const std::function<void(QPainter&)>& draw)
{
    QImage big = canvas(int(size.width() * detail * scale), int(size.height() * detail * scale), fill);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(detail * scale, detail * scale);
    draw(p);
    p.end();
    return reduce(big, size.width() * scale, size.height() * scale);
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

}  // namespace

QImage flags(int scale)
{
    // drawn in the button's pixels, eight times finer, and reduced
    return supersampled({52, 25}, 8, scale, QColor(12, 14, 34),
                        [](QPainter& p) {
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
                        })
        .convertToFormat(QImage::Format_RGB32);
}

namespace {

// How much of the kayon an icon can hold. The defaults are the full drawing
// of the 32-pixel two-colour icon, which the larger desktop icons share;
// the small desktop icons leave out what would only blur.
struct KayonDetail {
    double outline = 2.1;  // width of the leaf's outline
    double starWaist = 3.0;  // inner radius of the eight-pointed star
    bool starEye = true;  // the dark eye in the star's heart
    bool sideStars = true;  // the two small stars beside the leaf
    QRectF upperStep{7, 25.6, 18, 2.4};  // the stepped foot under the leaf
    QRectF lowerStep{3.5, 29, 25, 2.8};
};

// The kayon on a 32-unit square, white on black.
void kayonShape(QPainter& p, const KayonDetail& d)
{
    const QPainterPath leaf = spline({corner(16, 0.6),
                                      {18.6, 4.4},
                                      {23.6, 10},
                                      {27.4, 16.4},
                                      {26.6, 21.6},
                                      corner(22.6, 24.6),
                                      corner(9.4, 24.6),
                                      {5.4, 21.6},
                                      {4.6, 16.4},
                                      {8.4, 10},
                                      {13.4, 4.4}},
                                     true);
    p.setPen(QPen(Qt::white, d.outline, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    starPolygon(p, QPointF(16, 15.2), 8.0, d.starWaist, 8);
    if (d.starEye) {
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(16, 15.2), 1.6, 1.6);
        p.setBrush(Qt::white);
    }
    p.drawRect(d.upperStep);
    p.drawRect(d.lowerStep);
    if (d.sideStars) {
        starPolygon(p, QPointF(4.2, 4.8), 3.0, 0.9, 4);
        starPolygon(p, QPointF(27.8, 5.6), 2.6, 0.9, 4);
    }
}

void programShape(QPainter& p)
{
    kayonShape(p, KayonDetail{});
}

// Where the desktop icon's parts sit at one size, in pixels of that size.
struct DesktopLayout {
    double frame;  // width of the gold frame round the rounded square
    double inset;  // the frame's centre line, from the edge
    double radius;  // the square's corner radius
    QPointF origin;  // the corner of the kayon's 32-unit square
    double unit;  // pixels per unit of that square
    KayonDetail detail;
};

// The icon was designed at 128 pixels, and larger sizes are that drawing with
// every length grown. At the small sizes a pixel is a large part of every
// stroke, so each is fitted by hand: the frame, the two steps of the foot and
// the gap between them sit on whole pixels to stay crisp and apart.
DesktopLayout desktopLayout(int size)
{
    DesktopLayout l;
    QRectF upper, lower;  // the steps of the foot, in pixels of this size
    switch (size) {
    case 32:
        // the side stars would be a blur of a pixel or two here, so the leaf
        // and its star stand alone; the star is stouter so its points still
        // show round the dark eye, and the outline is heavier
        l = {1.0, 1.5, 6.0, QPointF(3.5, 3.25), 25.0 / 32, {}};
        l.detail.outline = 2.5;
        l.detail.starWaist = 2.7;
        l.detail.sideStars = false;
        upper = QRectF(9, 23, 14, 2);
        lower = QRectF(6, 26, 20, 2);
        break;
    case 48:
        // all of the detail still fits; only the outline is a little heavier
        l = {1.5, 1.75, 8.5, QPointF(6, 5), 1.125, {}};
        l.detail.outline = 2.3;
        upper = QRectF(14, 34, 20, 3);
        lower = QRectF(10, 38, 28, 3);
        break;
    case 64:
        l = {2.0, 2.0, 11.0, QPointF(7, 6), 100.0 / 64, {}};
        upper = QRectF(18, 46, 28, 4);
        lower = QRectF(12, 52, 40, 4);
        break;
    default: {
        const double f = size / 128.0;
        return {3 * f, 3 * f, 22 * f, QPointF(14 * f, 12 * f), 100.0 / 32 * f, KayonDetail{}};
    }
    }
    const auto toUnits = [&l](const QRectF& r) { return QRectF((r.topLeft() - l.origin) / l.unit, r.size() / l.unit); };
    l.detail.upperStep = toUnits(upper);
    l.detail.lowerStep = toUnits(lower);
    return l;
}

}  // namespace

QImage programIcon(int scale)
{
    // the kayon, the leaf-shaped mountain of the puppet play, drawn as an
    // outline holding an eight-pointed star, on its stepped foot; two small
    // stars beside it. A filled leaf would read as a spade at this size.
    return twoColour(programShape, scale);
}

QImage desktopIcon(int size)
{
    // The same kayon for the desktop's menus: smooth, gold on a night-blue
    // rounded square.
    const int N = size;
    const DesktopLayout l = desktopLayout(size);
    QImage mask(N, N, QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(l.origin.x(), l.origin.y());
        p.scale(l.unit, l.unit);
        kayonShape(p, l.detail);
    }
    QImage out(N, N, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, N);
    night.setColorAt(0, QColor(22, 20, 58));
    night.setColorAt(1, QColor(8, 6, 22));
    p.setPen(QPen(iconGold, l.frame));
    p.setBrush(night);
    p.drawRoundedRect(QRectF(l.inset, l.inset, N - 2 * l.inset, N - 2 * l.inset), l.radius, l.radius);
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
    // a golden crescent moon with two stars, on a transparent ground
    return supersampled({32, 32}, 8, scale, Qt::transparent, [](QPainter& p) {
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
    });
}

}  // namespace art
