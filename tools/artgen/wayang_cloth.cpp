// The cloths round the hips and legs of the wayang figures: see
// wayang_parts.h. Each reaches below the knees, so only the shins and the
// feet show under it. Behind, the cloth swells over the hips and ends in a
// flap that sweeps back below the knee; the hem runs forward over both legs;
// in front the pleated panel, the wiru, hangs from the belt between the legs
// to a point by the ankles.
#include "wayang_parts.h"

namespace art::puppet {

namespace {

// The cloth wrapped round the hips: from the back of the belt out over the
// hips and down to the flap's point 'flap', forward along the hem through
// 'hem' to the front corner 'front', and up again to the front of the belt.
// 'hips' is how far the cloth swells behind.
QPainterPath wrap(double belt, double hips, QPointF flap, std::vector<QPointF> hem, QPointF front)
{
    std::vector<Pt> pts = {at({-belt, -604}, true), {-belt - 38, -588}, {-hips + 30, -552},
                           {-hips, -490},           {-hips + 6, -420},  {(flap.x() - hips) * 0.5 + 6, -340},
                           at(flap, true)};
    for (const QPointF& q : hem)
        pts.push_back(at(q));
    pts.push_back(at(front, true));
    pts.push_back({front.x() - 4, (front.y() - 604) * 0.5 + 40});
    pts.push_back({(front.x() + belt) * 0.5 + 16, -520});
    pts.push_back(at({belt + 2, -604}, true));
    return spline(pts, true);
}

}  // namespace

void cloth(Figure& f, WayangKind which)
{
    switch (which) {
    case WayangKind::Satria:
        // the two ends of the sash hang behind the hip to below the knee
        f.parts.push_back(
            {limb({{-50, -590}, {-112, -520}, {-150, -430}, {-166, -320}, {-176, -200}}, {8, 10, 12, 14, 20}),
             Lace::None, Paint::Red});
        f.parts.push_back(
            {limb({{-44, -580}, {-102, -505}, {-136, -420}, {-150, -310}, {-152, -196}}, {7, 9, 11, 13, 18}),
             Lace::None, Paint::Green});
        f.parts.push_back(
            {wrap(44, 142, {-164, -206}, {{-120, -222}, {-64, -244}, {-12, -270}, {40, -250}}, {108, -214}), Lace::Edge,
             Paint::Parang});
        break;
    case WayangKind::Raja:
        // the king's wide cloth, its tail falling behind to the heels
        f.parts.push_back(
            {wrap(46, 150, {-240, -36}, {{-196, -92}, {-160, -150}, {-128, -192}, {-70, -204}, {0, -212}, {60, -204}},
                  {114, -184}),
             Lace::Edge, Paint::Dodot});
        break;
    case WayangKind::Gagah:
        // the chequered cloth wide over the spread legs, its tail hanging
        // behind
        f.parts.push_back({spline({{-100, -530},
                                   {-156, -440},
                                   {-196, -330},
                                   at({-240, -150}, true),
                                   {-190, -250},
                                   {-150, -360},
                                   {-114, -450}},
                                  true),
                           Lace::None, Paint::Poleng, -0.2});
        f.parts.push_back({wrap(58, 152, {-184, -222},
                                {{-140, -236}, {-90, -280}, {-10, -330}, {70, -290}, {130, -240}}, {180, -220}),
                           Lace::Edge, Paint::Poleng});
        break;
    }
    // the wiru: the pleated front panel hanging from the belt between the
    // legs to a point, its edge stepping with the folds; shorter on the
    // strong one, whose legs stand apart
    const bool gagah = which == WayangKind::Gagah;
    const double w = gagah ? 1.25 : 1.0;
    const double tip = gagah ? -170 : -100;
    auto q = [&](double x, double y, bool sharp = false) {
        return at({x * w, -598 + (y + 598) * (tip + 598) / 498}, sharp);
    };
    f.parts.push_back({spline({q(8, -598, true), q(44, -598, true), q(54, -500), q(54, -400), q(48, -300),
                               q(40, -200, true), q(26, -100, true), q(18, -170, true), q(22, -180, true),
                               q(12, -260, true), q(16, -270, true), q(6, -360), q(6, -470), q(8, -540)},
                              true),
                       Lace::Slots, Paint::Gold, 0.1});
}

}  // namespace art::puppet
