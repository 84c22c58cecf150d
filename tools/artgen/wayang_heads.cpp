// The heads of the wayang figures: see wayang_parts.h.
//
// A wayang face has no muzzle. The forehead and the nose are one straight
// line running down to a thin sharp point; below that point the outline goes
// straight back to a small mouth and a small chin, both well behind the tip.
// Everything behind the face is hair, the ear and its ornaments, so the
// face itself is only a narrow strip along that line. The refined figures
// (the knight and the king) have the line steep, as the head is bowed, and a
// narrow eye shaped like a grain of rice; the strong one holds his head up,
// so the line is flatter, and has a round staring eye, a fleshier nose and a
// moustache, but the mouth still sits behind the nose.
#include "wayang_parts.h"

#include <QPainterPathStroker>

#include <cmath>

namespace art::puppet {

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath stroke(const QPainterPath& line, double width)
{
    QPainterPathStroker st;
    st.setWidth(width);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    return st.createStroke(line);
}

namespace {

// A band of 'thick' units standing on the line 'base' (drawn from front to
// back), its upper edge cut into 'teeth' points 'crest' units high: the
// diadem over the forehead and the rings round a crown.
QPainterPath crestedBand(const std::vector<QPointF>& base, double thick, double crest, int teeth)
{
    std::vector<Pt> through;
    for (const QPointF& q : base)
        through.push_back(at(q));
    const QPainterPath line = spline(through, false);
    std::vector<Pt> pts;
    const int steps = teeth * 2;
    std::vector<Pt> top;
    for (int i = 0; i <= steps; ++i) {
        const double pct = double(i) / steps;
        const QPointF on = line.pointAtPercent(pct);
        const double ang = line.angleAtPercent(pct) * M_PI / 180.0;
        // the side of the line facing up
        QPointF up(-std::sin(ang), -std::cos(ang));
        if (up.y() > 0)
            up = -up;
        pts.push_back(at(on, i == 0 || i == steps));
        top.push_back(at(on + up * (thick + (i % 2 ? crest : 0.0)), true));
    }
    for (auto it = top.rbegin(); it != top.rend(); ++it)
        pts.push_back(*it);
    return spline(pts, true);
}

// The garuda looking backwards that sits behind a hair knot or a crown: a
// hooked beak pointing back, an eye, and a crest of feathers curling up.
// 'o' is where it is fixed, 'k' its size (1 = about 70 units high).
void garudaMungkur(std::vector<Part>& parts, std::vector<QPainterPath>& holes, QPointF o, double k)
{
    auto q = [&](double x, double y, bool sharp = false) { return at(o + QPointF(x, y) * k, sharp); };
    // the crest first, so the head lies over its root
    parts.push_back({spline({q(-8, -18), q(-22, -46), q(-18, -74), q(-2, -92, true), q(-6, -70), q(4, -52),
                             q(-2, -38, true), q(14, -44), q(10, -26)},
                            true),
                     Lace::Edge, Paint::Gold, -0.05});
    parts.push_back({spline({q(4, 16), q(-6, -12), q(-24, -30), q(-46, -28), q(-62, -14), q(-76, 0, true), q(-58, -2),
                             q(-50, 4, true), q(-58, 10), q(-68, 20, true), q(-46, 20), q(-26, 26), q(-6, 30)},
                            true),
                     Lace::Edge, Paint::Gold, 0.05});
    holes.push_back(ellipse(o + QPointF(-38, -12) * k, 4.5 * k, 4 * k));
}

// The hair at the back of the head, from the hairline over the crown to the
// nape; 'k' makes it larger for the strong one.
void backHair(Head& h, QPointF hairline, double k)
{
    auto q = [&](double x, double y, bool sharp = false) { return at(QPointF(x * k, y * k), sharp); };
    h.parts.push_back({spline({at(hairline, true), q(0, -76), q(-28, -78), q(-50, -60), q(-56, -28), q(-50, 6),
                               q(-34, 30), q(-14, 40), q(4, 38), q(2, 10), q(6, -30)},
                              true),
                       Lace::None, Paint::Hair});
}

// The lock of hair in front of the ear, curling down to the jaw.
void sideLock(Head& h, double k)
{
    auto q = [&](double x, double y, bool sharp = false) { return at(QPointF(x * k, y * k), sharp); };
    h.parts.push_back({spline({q(8, -38), q(19, -33), q(18, -10), q(22, 12), q(29, 27), q(36, 40, true), q(18, 38),
                               q(4, 26), q(-2, 2), q(-2, -26)},
                              true),
                       Lace::None, Paint::Hair});
}

// A rice grain 'length' long and 'half' thick at the middle, centred on 'c'
// with its axis turned 'deg' degrees down from the horizontal.
QPainterPath riceGrain(QPointF c, double deg, double length, double half)
{
    const double a = deg * M_PI / 180.0;
    const QPointF u(std::cos(a), std::sin(a)), v(-std::sin(a), std::cos(a));
    const double l = length / 2;
    return spline({at(c - u * l, true), at(c - u * l * 0.45 - v * half * 0.85), at(c + u * l * 0.15 - v * half),
                   at(c + u * l, true), at(c + u * l * 0.2 + v * half * 0.8), at(c - u * l * 0.5 + v * half * 0.7)},
                  true);
}

// The refined face: the straight line from the hairline (16, -58) to the
// nose's point (84, 24); the lips and the chin 20 to 30 units behind it.
void refinedFace(Head& h)
{
    backHair(h, {16, -58}, 1.0);
    h.parts.push_back({spline({at({16, -58}, true),
                               at({84, 24}, true),
                               {74, 25},
                               at({66, 26}, true),
                               {66, 31},
                               at({59, 34}, true),
                               {62, 37},
                               {60, 42},
                               {54, 47},
                               {40, 50},
                               {24, 49},
                               {10, 42},
                               {3, 26},
                               {2, 4},
                               {6, -30}},
                              true),
                       Lace::None, Paint::Gold, 0.25});
    sideLock(h, 1.0);
    // the rice-grain eye, pointed at both ends and slanting down towards the
    // nose, and the brow arching over it, both painted dark and thick
    // enough to show as lines when the figure is small
    h.ink.push_back({riceGrain({37.5, -11}, 30, 28, 4.2), 1.5, true});
    h.ink.push_back({limb({{28, -22.5}, {35, -26}, {41, -23}, {46, -18.5}}, {1.2, 3.8, 3.3, 1.1}), 1.0, true});
    h.holes.push_back(stroke(spline({{59, 34}, {53, 34}}, false), 2.6));
}

// The strong face: the line is flatter, from the hairline (16, -70) to a
// rounded fleshy nose; a round eye, a moustache over the small mouth.
void strongFace(Head& h)
{
    backHair(h, {16, -70}, 1.12);
    h.parts.push_back({spline({at({16, -70}, true),
                               at({80, -8}, true),
                               {90, -2},
                               {94, 8},
                               {88, 16},
                               at({78, 16}, true),
                               {78, 22},
                               at({70, 26}, true),
                               {74, 30},
                               {72, 37},
                               {64, 45},
                               {48, 51},
                               {28, 53},
                               {10, 44},
                               {2, 20},
                               {2, -10},
                               {6, -34}},
                              true),
                       Lace::None, Paint::Gold, 0.25});
    // the round staring eye: pale, in a thick dark ring, with a dark pupil
    // looking forward, and the heavy brow arching over it
    h.parts.push_back({ellipse({43, -17}, 10.5, 10.5), Lace::None, Paint::Gold, 1.0});
    sideLock(h, 1.12);
    h.ink.push_back({ellipse({43, -17}, 10.5, 10.5), 6.0});
    h.ink.push_back({ellipse({46, -17}, 4.2, 4.2), 1.5, true});
    h.ink.push_back({limb({{22, -33}, {31, -38}, {40, -39}, {47, -36}}, {1.5, 4.0, 3.8, 1.4}), 1.0, true});
    // the moustache under the nose, its end turned down
    h.ink.push_back({spline({{82, 18}, {72, 20}, {62, 22}, {56, 29}}, false), 5.5});
    h.holes.push_back(stroke(spline({{70, 27}, {62, 27}}, false), 2.8));
}

// The diadem along the hairline, the leaf worn behind the ear and the stud
// in the ear; 'top' is where the forehead begins.
void diadem(Head& h, QPointF top, double sumping)
{
    h.parts.push_back(
        {crestedBand({top + QPointF(2, 10), {0, top.y() + 2}, {-28, top.y() - 2}, {-48, top.y() + 16}}, 12, 8, 7),
         Lace::Edge, Paint::Gold, 0.25});
    const double k = sumping;
    h.parts.push_back({spline({{-4, -16},
                               {-30 * k, -14},
                               {-52 * k, 4},
                               {-64 * k, 34},
                               at({-62 * k, 70}, true),
                               {-48 * k, 40},
                               {-30 * k, 18},
                               {-8, 8}},
                              true),
                       Lace::Rows, Paint::Gold, 0.05});
    h.parts.push_back({ellipse({0, 0}, 7, 7), Lace::None, Paint::Gold, 0.4});
}

// The knight's hair knot: it rises behind the diadem and ends in front in
// two hooks like a shrimp's claws.
void shrimpClawKnot(Head& h)
{
    garudaMungkur(h.parts, h.holes, {-50, -96}, 0.75);
    h.parts.push_back({spline({at({-46, -56}, true),
                               {-58, -84},
                               {-56, -116},
                               {-40, -142},
                               {-12, -156},
                               {16, -154},
                               {38, -144},
                               at({50, -126}, true),
                               {30, -134},
                               {10, -133},
                               at({-2, -125}, true),
                               {8, -112},
                               {26, -110},
                               at({44, -116}, true),
                               {34, -98},
                               {14, -88},
                               {2, -78},
                               at({12, -70}, true)},
                              true),
                       Lace::Rows, Paint::Gold, 0.05});
    h.parts.push_back({crestedBand({{10, -80}, {-20, -90}, {-52, -82}}, 9, 0, 1), Lace::None, Paint::Red});
}

// The strong one's knot: a great round mass of hair curled forward on top.
void greatCurlKnot(Head& h)
{
    garudaMungkur(h.parts, h.holes, {-64, -104}, 0.85);
    h.parts.push_back({spline({at({-50, -58}, true),
                               {-70, -90},
                               {-76, -130},
                               {-58, -166},
                               {-22, -184},
                               {16, -180},
                               {44, -158},
                               {54, -130},
                               {46, -104},
                               {26, -90},
                               at({14, -74}, true)},
                              true),
                       Lace::Rows, Paint::Gold, 0.05});
    // the curl, cut through as a spiral
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
        const double a = i / 40.0 * 2.6 * M_PI;
        const double r = 24 - i * 0.48;
        const QPointF p(16 + r * std::cos(a + M_PI), -132 + r * std::sin(a + M_PI));
        if (i == 0)
            spiral.moveTo(p);
        else
            spiral.lineTo(p);
    }
    h.holes.push_back(stroke(spiral, 4.5));
    h.parts.push_back({crestedBand({{14, -82}, {-24, -94}, {-60, -86}}, 10, 0, 1), Lace::None, Paint::Red});
}

// The king's crown: low and rounded, rising a little towards the back, in
// two tiers with a jewel over the forehead; the garuda, large, sits at its
// back and looks behind.
void crown(Head& h)
{
    garudaMungkur(h.parts, h.holes, {-56, -92}, 1.05);
    h.parts.push_back({spline({at({-52, -56}, true),
                               {-60, -84},
                               {-56, -112},
                               {-40, -132},
                               at({-22, -142}, true),
                               {-4, -132},
                               {12, -116},
                               {20, -96},
                               at({22, -70}, true)},
                              true),
                       Lace::Diamonds, Paint::Gold, 0.05});
    h.parts.push_back({crestedBand({{22, -86}, {-18, -96}, {-58, -88}}, 11, 7, 6), Lace::None, Paint::Red});
    h.parts.push_back({crestedBand({{12, -114}, {-18, -122}, {-48, -116}}, 8, 5, 4), Lace::None, Paint::Gold, 0.3});
    h.parts.push_back({ellipse({8, -104}, 6, 7), Lace::None, Paint::Red});
}

}  // namespace

Head head(WayangKind which)
{
    Head h;
    switch (which) {
    case WayangKind::Satria:
        shrimpClawKnot(h);
        refinedFace(h);
        diadem(h, {16, -58}, 0.75);
        break;
    case WayangKind::Raja:
        crown(h);
        refinedFace(h);
        diadem(h, {16, -58}, 0.75);
        break;
    case WayangKind::Gagah:
        greatCurlKnot(h);
        strongFace(h);
        diadem(h, {16, -70}, 0.9);
        break;
    }
    return h;
}

}  // namespace art::puppet
