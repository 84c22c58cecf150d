// What the court figures hold: see cards_court_parts.h.
#include "cards_court_parts.h"
#include "paintkit.h"

#include <QLinearGradient>

#include <cmath>
#include <vector>

namespace art::court {

// The kris: a dark blade with five waves (luk) from its broad base to the
// point, a pale line of damascening along it, the guard (ganja) wider on the
// front side, a gold ring and the bent wooden hilt. On the card a wave must
// be a pixel and more deep, so the blade swings well to each side.
void kris(QPainter& p, const QPen& outline, double cx, double baseY, double tipY)
{
    const int n = 40;
    const double luk = 5;
    auto mid = [&](double t) { return cx + 5.0 * std::sin(t * luk * M_PI) * (1 - t * 0.4); };
    std::vector<Pt> pts;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        pts.push_back({mid(t) - 9.0 * (1 - t * 0.72), baseY + (tipY - baseY) * t, i == 0});
    }
    pts.push_back(corner(mid(1.0), tipY - 6));
    for (int i = n; i >= 0; --i) {
        const double t = double(i) / n;
        pts.push_back({mid(t) + 9.0 * (1 - t * 0.72), baseY + (tipY - baseY) * t, i == 0});
    }
    p.setPen(outline);
    p.setBrush(QColor(30, 30, 40));
    p.drawPath(spline(pts, true));
    QPainterPath pamor;
    for (int i = 3; i <= n - 6; ++i) {
        const double t = double(i) / n;
        const QPointF c(mid(t), baseY + (tipY - baseY) * t);
        if (i == 3)
            pamor.moveTo(c);
        else
            pamor.lineTo(c);
    }
    p.setPen(QPen(QColor(84, 88, 106), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pamor);
    // the guard, its front end a point, then the ring and the hilt, which
    // bends forward at its head
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawPath(spline({corner(cx - 16, baseY + 1),
                       {cx - 8, baseY - 4},
                       corner(cx + 10, baseY - 2),
                       corner(cx + 10, baseY + 6),
                       corner(cx - 12, baseY + 7)},
                      true));
    p.drawRect(QRectF(cx - 5, baseY + 7, 10, 5));
    p.setBrush(QColor(104, 58, 26));
    p.drawPath(spline({{cx - 5, baseY + 12},
                       {cx + 5, baseY + 12},
                       {cx + 6, baseY + 24},
                       {cx + 2, baseY + 34},
                       corner(cx - 9, baseY + 38),
                       {cx - 8, baseY + 30},
                       {cx - 5, baseY + 22}},
                      true));
}

void spear(QPainter& p, const QPen& outline, double cx, double tipY)
{
    p.setPen(outline);
    p.setBrush(QColor(150, 92, 40));
    p.drawRect(QRectF(cx - 3, tipY + 40, 6, 140));
    p.setBrush(robeRed);
    p.drawPath(spline({{cx - 3, tipY + 44},
                       {cx - 12, tipY + 56},
                       corner(cx - 10, tipY + 70),
                       {cx - 4, tipY + 62},
                       corner(cx, tipY + 72),
                       {cx + 4, tipY + 62},
                       corner(cx + 10, tipY + 70),
                       {cx + 12, tipY + 56},
                       {cx + 3, tipY + 44}},
                      true));
    QLinearGradient g(cx - 8, 0, cx + 8, 0);
    g.setColorAt(0, QColor(150, 156, 172));
    g.setColorAt(0.5, QColor(236, 238, 244));
    g.setColorAt(1, QColor(140, 146, 162));
    p.setBrush(g);
    p.drawPath(spline({corner(cx, tipY),
                       {cx + 10, tipY + 18},
                       {cx + 7, tipY + 30},
                       corner(cx, tipY + 36),
                       {cx - 7, tipY + 30},
                       {cx - 10, tipY + 18}},
                      true));
    p.setPen(QPen(QColor(70, 74, 88), 1.4));
    p.drawLine(QPointF(cx, tipY + 6), QPointF(cx, tipY + 32));
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawPath(spline(
        {corner(cx - 6, tipY + 34), corner(cx + 6, tipY + 34), corner(cx + 5, tipY + 44), corner(cx - 5, tipY + 44)},
        true));
}

void lotus(QPainter& p, const QPen& outline, QPointF root, QPointF flower)
{
    QPainterPath stem;
    stem.moveTo(root);
    stem.quadTo(QPointF(root.x() - 6, (root.y() + flower.y()) / 2), flower);
    p.setPen(QPen(QColor(40, 110, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(outline);
    for (int i : {-2, 2, -1, 1, 0}) {
        QTransform t;
        t.translate(flower.x(), flower.y());
        t.rotate(i * 28);
        p.setBrush(i == 0 ? QColor(250, 190, 200) : QColor(236, 140, 160));
        p.drawPath(t.map(spline({corner(0, 0), {-7, -12}, corner(0, -26), {7, -12}}, true)));
    }
}

}  // namespace art::court
