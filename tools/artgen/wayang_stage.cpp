// The stage the puppets stand on: see wayang.h.
#include "wayang.h"

#include <QLinearGradient>

namespace art {

void bananaTrunk(QPainter& p, const QRectF& trunk, double px)
{
    // one smooth stem, pale green-beige, lit by the lamp along its top and
    // shading to dark underneath, as a round trunk does
    QLinearGradient g(0, trunk.top(), 0, trunk.bottom());
    g.setColorAt(0.0, QColor(214, 208, 156));
    g.setColorAt(0.3, QColor(178, 178, 122));
    g.setColorAt(0.7, QColor(128, 134, 86));
    g.setColorAt(1.0, QColor(58, 62, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(trunk);
    // the sheaths: long lines along the trunk, each a little wavy
    Rng trng(0xB4A4A);
    for (int i = 0; i < 6; ++i) {
        const double y = trunk.top() + (2.2 + i * 2.6) * px;
        QPainterPath line;
        line.moveTo(trunk.left(), y);
        for (double x = trunk.left(); x < trunk.right(); x += 24 * px)
            line.lineTo(x, y + (trng.uniform() - 0.5) * 0.8 * px);
        p.setPen(QPen(i < 2 ? QColor(236, 230, 184, 150) : QColor(70, 74, 44, 150), 0.7 * px));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    // the cut end at the left with the rings of its sheaths
    const QPointF end(trunk.left(), trunk.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 196, 150));
    p.drawEllipse(end, trunk.height() * 0.28, trunk.height() / 2);
    p.setBrush(Qt::NoBrush);
    for (double r : {0.8, 0.58, 0.36}) {
        p.setPen(QPen(QColor(120, 124, 80), 0.7 * px));
        p.drawEllipse(end, trunk.height() * 0.28 * r, trunk.height() / 2 * r);
    }
}

}  // namespace art
