// The pieces the bodies of the wayang figures are built from: limbs, hands,
// rings and legs; see wayang_parts.h.
//
// The shapes are those of the leather puppets: long thin limbs, hands whose
// fingers are longer than the palm, legs in profile on long flat feet with
// pointed toes.
#include "wayang_parts.h"

#include <cmath>

namespace art::puppet {

QPainterPath limb(const std::vector<QPointF>& c, const std::vector<double>& hw)
{
    const std::size_t n = c.size();
    std::vector<QPointF> left(n), right(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF a = c[i == 0 ? 0 : i - 1];
        const QPointF b = c[i + 1 < n ? i + 1 : n - 1];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        d /= (len > 0 ? len : 1.0);
        const QPointF nrm(-d.y(), d.x());
        left[i] = c[i] + nrm * hw[i];
        right[i] = c[i] - nrm * hw[i];
    }
    auto tip = [&](std::size_t end, std::size_t inner) {
        QPointF d = c[end] - c[inner];
        d /= std::hypot(d.x(), d.y());
        const QPointF at = c[end] + d * hw[end] * 0.9;
        return Pt{at.x(), at.y()};
    };
    std::vector<Pt> pts;
    for (std::size_t i = 0; i < n; ++i)
        pts.push_back({left[i].x(), left[i].y()});
    pts.push_back(tip(n - 1, n - 2));
    for (std::size_t i = n; i-- > 0;)
        pts.push_back({right[i].x(), right[i].y()});
    pts.push_back(tip(0, 1));
    return spline(pts, true);
}

QPainterPath hand(QPointF wrist, QPointF tip, double thumbSide, bool pointing)
{
    QPointF d = tip - wrist;
    const double len = std::hypot(d.x(), d.y());
    d /= len;
    const QPointF n = QPointF(-d.y(), d.x()) * thumbSide;
    // a point 'along' the hand and 'side' across it, both in hand lengths
    auto p = [&](double along, double side) { return wrist + d * (along * len) + n * (side * len); };
    auto finger = [&](std::vector<QPointF> line, double base) {
        std::vector<double> hw;
        for (std::size_t i = 0; i < line.size(); ++i)
            hw.push_back(len * base * (1.0 - 0.5 * double(i) / double(line.size() - 1)));
        return limb(line, hw);
    };
    // the palm, narrow at the wrist and widening to the knuckles
    QPainterPath shape = spline({at(p(0, 0.11)), at(p(0.2, 0.15)), at(p(0.38, 0.14)), at(p(0.46, 0.06)),
                                 at(p(0.46, -0.07)), at(p(0.36, -0.13)), at(p(0.18, -0.13)), at(p(0, -0.1))},
                                true);
    // the thumb, bent back from the palm
    shape = shape.united(finger({p(0.14, 0.12), p(0.3, 0.22), p(0.46, 0.26)}, 0.045));
    if (pointing) {
        // the forefinger stretched out, the other three curled into the palm
        shape = shape.united(finger({p(0.4, 0.07), p(0.7, 0.06), p(1.0, 0.04)}, 0.042));
        shape = shape.united(finger({p(0.4, -0.02), p(0.56, -0.05), p(0.56, -0.13), p(0.44, -0.14)}, 0.05));
    } else {
        // four long fingers held together, their tips spreading a little and
        // curling away from the thumb
        const double bases[] = {0.085, 0.03, -0.025, -0.08};
        const double ends[] = {0.94, 1.0, 0.98, 0.9};
        for (int i = 0; i < 4; ++i) {
            const double b = bases[i];
            shape = shape.united(finger({p(0.4, b), p(0.68, b * 1.3 - 0.02), p(ends[i], b * 1.8 - 0.06)}, 0.036));
        }
    }
    return shape;
}

QPainterPath ring(QPointF c, QPointF dir, double w, double h)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    return spline({at(c - dir * w / 2 + n * h, true), at(c + dir * w / 2 + n * h, true), at(c + dir * w * 0.62),
                   at(c + dir * w / 2 - n * h, true), at(c - dir * w / 2 - n * h, true), at(c - dir * w * 0.62)},
                  true);
}

QPainterPath armlet(QPointF c, QPointF dir, double size, double back)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    QPainterPath p = ring(c, dir, size * 0.7, size * 0.8);
    const QPointF base = c + n * size * 0.6 * back;
    auto q = [&](double a, double b, bool sharp = false) {
        return at(base + dir * (a * size) + n * (b * size * back), sharp);
    };
    p.addPath(spline({q(-0.3, 0), q(-0.55, 0.6), q(-1.0, 1.3, true), q(-0.1, 0.8), q(0.35, 0.1)}, true));
    return p.simplified();
}

QPainterPath leg(QPointF hip, QPointF knee, QPointF ankle, double w, double foot)
{
    // the thigh, the knee, the calf swelling behind the shin, the thin ankle
    const QPointF shin = ankle - knee;
    const QPointF calf = knee + shin * 0.33 - QPointF(w * 0.4, 0);
    QPainterPath shape = limb({hip, (hip + knee) / 2, knee, calf, knee + shin * 0.75, ankle},
                              {w * 1.7, w * 1.3, w * 0.9, w * 1.2, w * 0.7, w * 0.62});
    // the foot, long and flat on the ground: a high instep running down to
    // the toes, the big toe in front of the others, a round heel behind
    const double x = ankle.x();
    const double L = foot;
    shape = shape.united(spline({at({x + w * 0.6, ankle.y() - 4}), at({x + L * 0.22, -28}), at({x + L * 0.46, -21}),
                                 at({x + L * 0.54, -22}), at({x + L * 0.6, -14}, true), at({x + L * 0.65, -20}),
                                 at({x + L * 0.7, -13}, true), at({x + L * 0.77, -19}), at({x + L * 0.86, -10}),
                                 at({x + L * 0.87, -1}, true), at({x - L * 0.18, 0}, true), at({x - L * 0.25, -14}),
                                 at({x - L * 0.16, ankle.y() + 6}), at({x - w * 0.7, ankle.y() - 6})},
                                true));
    return shape;
}

std::vector<Ink> toes(QPointF ankle, double foot)
{
    // the clefts between the toes, and the nail of the big toe
    std::vector<Ink> ink;
    for (double along : {0.6, 0.7})
        ink.push_back({spline({{ankle.x() + foot * along, -12}, {ankle.x() + foot * (along + 0.01), -4}}, false), 2.4});
    ink.push_back({spline({{ankle.x() + foot * 0.79, -16}, {ankle.x() + foot * 0.84, -11}}, false), 2.0});
    return ink;
}

}  // namespace art::puppet
