// What the window backgrounds share: see scenekit.h.
#include "scenekit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

std::function<double(QPointF)> calmMask(std::vector<QRectF> calm, double margin, double px)
{
    return [calm = std::move(calm), margin, px](QPointF p) {
        const QPointF q = p / px;
        double a = 1.0;
        for (const QRectF& r : calm) {
            const QRectF grown = r.adjusted(-margin, -margin, margin, margin);
            if (grown.contains(q))
                a = std::min(a, 0.35);
        }
        return a;
    };
}

void skyGradient(QPainter& p, const QRectF& r, double horizon, QColor low)
{
    QLinearGradient g(r.topLeft(), QPointF(r.left(), horizon));
    g.setColorAt(0.0, pal::night0);
    g.setColorAt(0.55, pal::night1);
    g.setColorAt(0.85, pal::night2);
    g.setColorAt(1.0, low);
    p.fillRect(r, g);
}

void milkyWay(QPainter& p, QPointF a, QPointF b, double width, Rng& rng, int stars,
              const std::function<double(QPointF)>& allow, int scale)
{
    const double px = SS * scale;
    const QSizeF size(p.device()->width(), p.device()->height());
    // the blur is given as at scale 1; glow widens it by the scale
    const int blurRadius = int(width / scale / 4.0);
    glow(p, size.toSize(), 4.0, blurRadius, scale, QColor(120, 110, 190), 0.22, [&](QPainter& q) {
        QPen pen(Qt::white, width, Qt::SolidLine, Qt::RoundCap);
        q.setPen(pen);
        q.drawLine(a, b);
    });
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    for (int i = 0; i < stars; ++i) {
        const double t = rng.uniform();
        const double off = rng.normal() * width * 0.35;
        const QPointF pos = a + d * t + n * off;
        const double alpha = allow(pos);
        if (alpha <= 0.0)
            continue;
        const double r = (0.3 + 0.5 * rng.uniform()) * px;
        drawStar(p, pos, r, QColor(225, 225, 255, int(90 + 110 * rng.uniform() * alpha)));
    }
}

void nebula(QPainter& p, QPointF c, double r, QColor colour, double alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0.0, withAlpha(colour, alpha));
    g.setColorAt(0.5, withAlpha(colour, alpha * 0.4));
    g.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void comet(QPainter& p, QPointF head, QPointF tailEnd, int scale)
{
    const double px = SS * scale;
    const QPointF d = tailEnd - head;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QSize size(p.device()->width(), p.device()->height());

    // dust tail: a wedge widening away from the head and bending away from
    // the comet's path, brightest near the head
    glow(p, size, 2.0, int(12 * SS), scale, QColor(255, 222, 165), 1.0, [&](QPainter& q) {
        QPainterPath tail;
        tail.moveTo(head + n * 2 * px);
        tail.cubicTo(head + u * len * 0.35 + n * 16 * px, head + u * len * 0.75 + n * 44 * px, tailEnd + n * 76 * px);
        tail.lineTo(tailEnd - n * 4 * px);
        tail.cubicTo(head + u * len * 0.7 - n * 3 * px, head + u * len * 0.3 - n * 4 * px, head - n * 2 * px);
        tail.closeSubpath();
        QLinearGradient g(head, tailEnd + n * 25 * px);
        g.setColorAt(0.0, QColor(255, 255, 255, 255));
        g.setColorAt(0.15, QColor(255, 255, 255, 190));
        g.setColorAt(0.5, QColor(255, 255, 255, 80));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(Qt::NoPen);
        q.setBrush(g);
        q.drawPath(tail);
    });
    // ion tail: thin, bluish and straight, leaving the dust tail's inner edge
    glow(p, size, 2.0, int(4 * SS), scale, QColor(150, 190, 255), 0.7, [&](QPainter& q) {
        QLinearGradient g(head, head + u * len);
        g.setColorAt(0.0, QColor(255, 255, 255, 220));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(QPen(QBrush(g), 2.0 * px, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(head, head + u * len - n * 6 * px);
    });
    // coma and nucleus: a soft round head, no glint, so that it reads as a
    // comet and not as a star over the figures
    nebula(p, head, 22 * px, QColor(255, 236, 190), 0.6);
    nebula(p, head, 9 * px, QColor(255, 250, 230), 0.8);
    {
        QRadialGradient g(head, 4.5 * px);
        g.setColorAt(0.0, QColor(255, 255, 248, 255));
        g.setColorAt(0.6, QColor(255, 246, 220, 200));
        g.setColorAt(1.0, QColor(255, 236, 190, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(head, 4.5 * px, 4.5 * px);
    }
}

QPainterPath ridge(double w, double h, const std::vector<QPointF>& pts)
{
    std::vector<Pt> ps;
    ps.push_back(corner(0, h));
    for (const QPointF& q : pts)
        ps.push_back({q.x(), q.y()});
    ps.push_back(corner(w, h));
    return spline(ps, true);
}

QPainterPath volcano(double cx, double base, double width, double height, double crater)
{
    QPainterPath path;
    path.moveTo(cx - width / 2, base);
    path.cubicTo(cx - width * 0.22, base - height * 0.12, cx - crater * 1.3, base - height * 0.72, cx - crater / 2,
                 base - height);
    path.lineTo(cx - crater * 0.1, base - height * 0.96);
    path.lineTo(cx + crater * 0.2, base - height * 0.985);
    path.lineTo(cx + crater / 2, base - height * 0.995);
    path.cubicTo(cx + crater * 1.3, base - height * 0.72, cx + width * 0.22, base - height * 0.12, cx + width / 2,
                 base);
    path.closeSubpath();
    return path;
}

QPainterPath banyan(QPointF foot, double px, Rng& rng)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto P = [&](double x, double y) { return foot + QPointF(x * px, y * px); };
    auto Q = [&](double x, double y, bool sharp = false) {
        const QPointF q = P(x, y);
        return Pt{q.x(), q.y(), sharp};
    };
    path.addPath(spline({Q(-46, 4, true), Q(-26, -8), Q(-20, -50), Q(-26, -100), Q(-40, -128), Q(-14, -122),
                         Q(-2, -146), Q(10, -122), Q(34, -134), Q(22, -96), Q(18, -50), Q(28, -8), Q(54, 4, true)},
                        true));
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    const QPointF limbs[][3] = {
        {{-20, -120}, {-60, -140}, {-112, -150}},
        {{-6, -136}, {-24, -170}, {-46, -196}},
        {{4, -136}, {30, -170}, {62, -192}},
        {{16, -124}, {60, -140}, {118, -146}},
    };
    for (const auto& l : limbs) {
        QPainterPath limb;
        limb.moveTo(P(l[0].x(), l[0].y()));
        limb.quadTo(P(l[1].x(), l[1].y()), P(l[2].x(), l[2].y()));
        st.setWidth(7 * px);
        path.addPath(st.createStroke(limb));
    }
    // leaf clumps filling a low wide dome
    for (int i = 0; i < 70; ++i) {
        const double x = rng.uniform(-128, 134);
        const double arch = std::max(0.0, 1.0 - std::pow((x - 3) / 132.0, 2));
        const double top = -152 - 72 * std::sqrt(arch);
        const double y = rng.uniform(top, -146);
        const double r = rng.uniform(7, 15) * (0.6 + 0.4 * std::sqrt(arch));
        path.addEllipse(P(x, y), r * 1.35 * px, r * px);
    }
    // air roots from under the limbs, the middle ones reaching the ground
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(-118, 124);
        const double top = -146 + rng.uniform(-4, 10);
        const double len = std::abs(x) < 60 ? rng.uniform(40, 150) : rng.uniform(24, 90);
        QPainterPath r;
        r.moveTo(P(x, top));
        r.quadTo(P(x + rng.uniform(-4, 4), top + len * 0.5), P(x + rng.uniform(-6, 6), top + len));
        st.setWidth(rng.uniform(0.6, 1.4) * px);
        path.addPath(st.createStroke(r));
    }
    return path;
}

}  // namespace art
