// What the court figures hold: see cards_court_parts.h.
#include "cards_court_parts.h"
#include "paintkit.h"

#include <QLinearGradient>

#include <cmath>
#include <vector>

namespace art::court {

// The kris: a steel blade with five waves (luk) from its broad base to the
// point, its front edge ground bright, the guard (ganja) a gold boat wider on
// the front side with its point turned up, a gold ring and the wooden hilt
// bowed forward like a figure bending its head. At the card's size the blade
// must read as steel, not as smoke: it is light grey between its outlines,
// the bright edge is the lightest thing on it, and its waves are gentle
// enough to leave it one solid shape.
void kris(QPainter& p, const QPen& outline, double cx, double baseY, double tipY)
{
    const int n = 40;
    const double luk = 5;
    auto mid = [&](double t) { return cx + 3.4 * std::sin(t * luk * M_PI) * (1 - t * 0.5); };
    auto half = [](double t) { return 9.5 * (1 - t * 0.75); };
    auto y = [&](double t) { return baseY + (tipY - baseY) * t; };
    std::vector<Pt> pts;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        pts.push_back({mid(t) - half(t), y(t), i == 0});
    }
    pts.push_back(corner(mid(1.0), tipY - 5));
    for (int i = n; i >= 0; --i) {
        const double t = double(i) / n;
        pts.push_back({mid(t) + half(t), y(t), i == 0});
    }
    const QPainterPath blade = spline(pts, true);
    QLinearGradient steel(cx - 10, 0, cx + 10, 0);
    steel.setColorAt(0, QColor(150, 158, 174));
    steel.setColorAt(1, QColor(88, 96, 114));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawPath(blade);
    // the ground edge along the front, and the dark ridge down the middle
    QPainterPath edge, ridge;
    for (int i = 1; i <= n - 2; ++i) {
        const double t = double(i) / n;
        const QPointF e(mid(t) - half(t) + 2.6, y(t));
        const QPointF r(mid(t) + 1.0, y(t));
        if (i == 1) {
            edge.moveTo(e);
            ridge.moveTo(r);
        } else {
            edge.lineTo(e);
            if (i < n - 8)
                ridge.lineTo(r);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(252, 252, 255), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(edge);
    p.setPen(QPen(QColor(70, 76, 92), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(ridge);
    p.setPen(outline);
    p.drawPath(blade);
    // the guard: a gold boat, its front end curling up into a point
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawPath(spline({corner(cx - 19, baseY - 6),
                       {cx - 14, baseY - 1},
                       {cx - 4, baseY - 1},
                       {cx + 8, baseY - 2},
                       corner(cx + 14, baseY - 3),
                       {cx + 13, baseY + 4},
                       corner(cx + 8, baseY + 7),
                       corner(cx - 10, baseY + 7),
                       {cx - 16, baseY + 3}},
                      true));
    p.drawRect(QRectF(cx - 5, baseY + 7, 10, 4));
    // the hilt, swelling below the ring and bowing forward at its end
    p.setBrush(QColor(128, 72, 30));
    p.drawPath(spline({corner(cx - 5, baseY + 11),
                       corner(cx + 5, baseY + 11),
                       {cx + 7, baseY + 20},
                       {cx + 5, baseY + 30},
                       {cx - 2, baseY + 37},
                       corner(cx - 11, baseY + 38),
                       {cx - 8, baseY + 31},
                       {cx - 6, baseY + 22}},
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
