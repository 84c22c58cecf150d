// The language button's flags: see icons.h.
#include "iconkit.h"
#include "icons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

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
    return iconkit::supersampled(
               {52, 25}, 8, scale, QColor(12, 14, 34),
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

}  // namespace art
