// The drawings of the three wayang figures: see wayang_parts.h.
//
// They follow the leather puppets of Central Java: the head and the legs in
// profile, the chest and both shoulders seen from the front, long thin arms
// hanging to the knees. The face is one sweep from the forehead to the point
// of the nose, with the mouth and the small chin tucked in below it. The
// refined knight bows his head and has the narrow rice-grain eye; the strong
// one raises his head and has a round eye, a heavy nose and a moustache.
// Each wears a hair knot or a crown with the backward-looking garuda behind
// it. The puppets stand planted for the play: the central rod runs down
// through the figure and on below the feet, and a thin rod hangs from each
// hand.
#include "wayang_parts.h"

#include <QTransform>

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

namespace {

Pt at(QPointF q, bool sharp = false)
{
    return {q.x(), q.y(), sharp};
}

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

// A hand with long fingers held together, from the wrist towards 'tip', and
// a thumb on the side 'thumbSide' (+1 or -1) of the hand's line.
QPainterPath hand(QPointF wrist, QPointF tip, double thumbSide)
{
    QPointF d = tip - wrist;
    const double len = std::hypot(d.x(), d.y());
    d /= len;
    const QPointF n(-d.y(), d.x());
    auto p = [&](double along, double side, bool sharp = false) {
        return at(wrist + d * (along * len) + n * (side * len * thumbSide), sharp);
    };
    QPainterPath path = spline(
        {p(0, 0.17), p(0.35, 0.2), p(0.75, 0.12), p(1.0, -0.04, true), p(0.72, -0.1), p(0.3, -0.15), p(0, -0.16)},
        true);
    path.addPath(spline({p(0.12, 0.12), p(0.28, 0.34), p(0.48, 0.4, true), p(0.38, 0.24), p(0.3, 0.12)}, true));
    return path.simplified();
}

// A ring round a limb (bracelet, anklet) at 'c', 'w' units along the limb
// direction 'dir' and 'h' half across it.
QPainterPath ring(QPointF c, QPointF dir, double w, double h)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    return spline({at(c - dir * w / 2 + n * h, true), at(c + dir * w / 2 + n * h, true), at(c + dir * w * 0.62),
                   at(c + dir * w / 2 - n * h, true), at(c - dir * w / 2 - n * h, true), at(c - dir * w * 0.62)},
                  true);
}

// The armlet of the upper arm with its upturned crest pointing back.
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

// One leg in profile from the knee, hidden under the cloth, to a long foot
// pointing forward; 'w' is the half width of the calf.
QPainterPath leg(QPointF knee, double ankleX, double w)
{
    const QPointF ankle(ankleX, -46);
    const QPointF d = ankle - knee;
    QPointF f(-d.y(), d.x());  // the shin's side, towards the toes
    f /= std::hypot(f.x(), f.y());
    if (f.x() < 0)
        f = -f;
    return spline({at(knee + f * w * 0.8), at(knee + d * 0.5 + f * w * 0.6), at(ankle + f * w * 0.45),
                   at(QPointF(ankleX + 20, -34)), at(QPointF(ankleX + 50, -19)), at(QPointF(ankleX + 86, -5), true),
                   at(QPointF(ankleX + 60, 0)), at(QPointF(ankleX - 16, 0), true), at(QPointF(ankleX - 22, -14)),
                   at(ankle - f * w * 0.5), at(knee + d * 0.62 - f * w * 0.72), at(knee + d * 0.28 - f * w * 1.15),
                   at(knee - f * w * 0.8)},
                  true);
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

struct Kind {
    double bulk;  // widens the chest and the arms
    double lean;  // degrees the body leans forward from the waist
    double bow;  // degrees the head is turned down (negative: up)
    double rearAnkle, frontAnkle;  // where the feet stand
    QPointF rearKnee, frontKnee;  // where the legs go under the cloth
    QPointF rearElbow, rearWrist, rearTip;  // the arms, down to the fingertips
    QPointF frontElbow, frontWrist, frontTip;
};

Kind kindOf(WayangKind k)
{
    switch (k) {
    case WayangKind::Satria:
        return {0.92,         7.0,         0.0,         -50,         56,          {-8, -320}, {22, -326},
                {-106, -540}, {-88, -350}, {-70, -274}, {102, -540}, {126, -352}, {146, -276}};
    case WayangKind::Raja:
        return {1.0,          4.0,         -4.0,        -52,         64,          {-10, -320}, {26, -326},
                {-112, -544}, {-96, -352}, {-80, -276}, {110, -544}, {134, -354}, {154, -278}};
    case WayangKind::Gagah:
        break;
    }
    return {1.25,         2.0,          0.0,          -120,        150,         {-50, -392}, {60, -398},
            {-134, -540}, {-128, -348}, {-114, -272}, {132, -542}, {156, -350}, {176, -274}};
}

// ---- the head -------------------------------------------------------------
//
// Built in its own frame: the origin at the stud in the ear, x forward.

struct Head {
    std::vector<Part> parts;
    std::vector<QPainterPath> holes;
    std::vector<Ink> ink;
};

// The bowed face of the knight and the king: forehead and nose in one
// straight sweep down to a sharp point, the lips tucked in well behind it, a
// small chin. The hair comes down in front of the ear in a curl to the jaw,
// so that only a narrow face shows between it and the sweep.
void refinedFace(Head& h)
{
    h.parts.push_back({spline({at({26, -50}, true),
                               {4, -70},
                               {-26, -74},
                               {-50, -56},
                               {-58, -24},
                               {-52, 12},
                               {-36, 40},
                               {-12, 52},
                               {12, 50},
                               {4, 10},
                               {8, -24}},
                              true),
                       Lace::None, Paint::Hair});
    h.parts.push_back({spline({at({26, -50}, true),
                               at({96, 34}, true),
                               {86, 34},
                               at({79, 35}, true),
                               {82, 41},
                               at({74, 45}, true),
                               {78, 49},
                               {74, 58},
                               {62, 63},
                               {44, 62},
                               {24, 58},
                               {8, 44},
                               {2, 10},
                               {8, -24}},
                              true),
                       Lace::None, Paint::Gold, 0.25});
    // the curl of hair in front of the ear, down to the jaw
    h.parts.push_back({spline({{8, -34},
                               {17, -30},
                               {13, -10},
                               {17, 14},
                               {26, 30},
                               at({34, 44}, true),
                               {18, 42},
                               {4, 30},
                               {-2, 4},
                               {-2, -24}},
                              true),
                       Lace::None, Paint::Hair});
    // the narrow rice-grain eye close under the sweep, the brow, the mouth
    h.holes.push_back(spline({at({25, -14}, true), {38, -21}, {51, -12}, at({58, 1}, true), {45, -3}, {33, -7}}, true));
    h.ink.push_back({spline({{20, -26}, {32, -32}, {42, -29}}, false), 4.5});
    h.holes.push_back(stroke(spline({{74, 45}, {66, 46}}, false), 2.6));
}

// The raised face of the strong one: the sweep runs further forward and ends
// in a heavy rounded nose; a round staring eye, a moustache, a firm chin.
void strongFace(Head& h)
{
    h.parts.push_back({spline({at({26, -62}, true),
                               {4, -78},
                               {-28, -82},
                               {-54, -62},
                               {-62, -26},
                               {-56, 12},
                               {-38, 42},
                               {-12, 54},
                               {12, 52},
                               {4, 10},
                               {8, -30}},
                              true),
                       Lace::None, Paint::Hair});
    h.parts.push_back({spline({at({26, -62}, true),
                               at({94, -8}, true),
                               {105, 1},
                               {108, 12},
                               {99, 18},
                               at({90, 17}, true),
                               {94, 24},
                               at({84, 30}, true),
                               {93, 36},
                               {91, 48},
                               {82, 58},
                               {64, 64},
                               {40, 62},
                               {20, 56},
                               {6, 40},
                               {2, 6},
                               {8, -30}},
                              true),
                       Lace::None, Paint::Gold, 0.25});
    h.parts.push_back({spline({{10, -40},
                               {24, -36},
                               {20, -14},
                               {24, 12},
                               {34, 30},
                               at({44, 46}, true),
                               {22, 44},
                               {6, 30},
                               {0, 4},
                               {0, -30}},
                              true),
                       Lace::None, Paint::Hair});
    h.holes.push_back(ellipse({56, -18}, 11, 10.5).subtracted(ellipse({59, -18}, 4.4, 4.4)));
    h.ink.push_back({spline({{34, -34}, {46, -40}, {54, -36}}, false), 6.0});
    h.ink.push_back({spline({{92, 21}, {78, 24}, {64, 27}, {54, 32}}, false), 6.5});
    h.holes.push_back(stroke(spline({{84, 30}, {72, 31}}, false), 3.0));
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

// The king's crown: a tall rounded cap in tiers, leaning back, with a jewel
// in front, a knob on top and the garuda behind.
void crown(Head& h)
{
    garudaMungkur(h.parts, h.holes, {-54, -112}, 0.85);
    h.parts.push_back({spline({at({-50, -56}, true),
                               {-58, -94},
                               {-54, -136},
                               {-44, -172},
                               {-30, -200},
                               at({-18, -216}, true),
                               {-2, -200},
                               {12, -170},
                               {20, -134},
                               {22, -94},
                               at({18, -68}, true)},
                              true),
                       Lace::Diamonds, Paint::Gold, 0.05});
    h.parts.push_back(
        {spline({{-24, -212}, {-8, -226}, at({-24, -244}, true), {-34, -226}}, true), Lace::None, Paint::Gold, 0.3});
    h.parts.push_back({crestedBand({{22, -94}, {-18, -104}, {-56, -96}}, 11, 7, 6), Lace::None, Paint::Red});
    h.parts.push_back({crestedBand({{16, -148}, {-18, -156}, {-50, -150}}, 9, 6, 5), Lace::None, Paint::Gold, 0.3});
    h.parts.push_back({ellipse({6, -122}, 7, 9), Lace::None, Paint::Red});
}

Head head(WayangKind which)
{
    Head h;
    switch (which) {
    case WayangKind::Satria:
        shrimpClawKnot(h);
        refinedFace(h);
        diadem(h, {26, -50}, 1.0);
        break;
    case WayangKind::Raja:
        crown(h);
        refinedFace(h);
        diadem(h, {26, -50}, 1.0);
        break;
    case WayangKind::Gagah:
        greatCurlKnot(h);
        strongFace(h);
        diadem(h, {26, -62}, 1.2);
        break;
    }
    return h;
}

// ---- the body -------------------------------------------------------------

// The cloth round the hips and thighs, in each figure's own way of wearing it.
void cloth(Figure& f, WayangKind which)
{
    switch (which) {
    case WayangKind::Satria:
        // the two ends of the sash hang behind the hip
        f.parts.push_back(
            {limb({{-50, -590}, {-90, -520}, {-116, -440}, {-126, -350}, {-128, -262}}, {8, 10, 12, 14, 20}),
             Lace::None, Paint::Red});
        f.parts.push_back(
            {limb({{-44, -580}, {-80, -500}, {-106, -420}, {-114, -330}, {-110, -246}}, {7, 9, 11, 13, 18}), Lace::None,
             Paint::Green});
        // the cloth rounded over the hips behind, its hem at the knees
        f.parts.push_back({spline({at({-34, -600}, true),
                                   {-62, -572},
                                   {-100, -520},
                                   {-120, -460},
                                   {-122, -400},
                                   {-112, -340},
                                   at({-94, -300}, true),
                                   {-50, -306},
                                   {0, -314},
                                   at({58, -322}, true),
                                   {56, -410},
                                   {48, -500},
                                   {42, -560},
                                   at({38, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Parang});
        break;
    case WayangKind::Raja:
        // the king's wide cloth, its tail falling behind to the heels
        f.parts.push_back({spline({at({-38, -600}, true),
                                   {-70, -572},
                                   {-112, -520},
                                   {-132, -450},
                                   {-140, -380},
                                   {-156, -280},
                                   at({-184, -140}, true),
                                   {-144, -200},
                                   {-118, -260},
                                   at({-98, -302}, true),
                                   {-50, -308},
                                   {0, -314},
                                   at({62, -322}, true),
                                   {58, -430},
                                   {52, -510},
                                   {44, -570},
                                   at({40, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Dodot});
        break;
    case WayangKind::Gagah:
        // the chequered cloth, short, its tail hanging behind
        f.parts.push_back({spline({{-100, -520},
                                   {-140, -440},
                                   {-162, -330},
                                   at({-184, -220}, true),
                                   {-150, -270},
                                   {-126, -350},
                                   {-110, -440}},
                                  true),
                           Lace::None, Paint::Poleng, -0.2});
        f.parts.push_back({spline({at({-44, -600}, true),
                                   {-76, -574},
                                   {-116, -520},
                                   {-136, -450},
                                   {-132, -390},
                                   at({-116, -360}, true),
                                   {-40, -370},
                                   {40, -374},
                                   at({106, -380}, true),
                                   {96, -450},
                                   {76, -530},
                                   {60, -580},
                                   at({52, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Poleng});
        break;
    }
    // the pleated front panel hanging between the legs to a point
    f.parts.push_back({spline({at({10, -598}, true),
                               at({40, -598}, true),
                               {52, -520},
                               {70, -430},
                               {86, -340},
                               at({98, -250}, true),
                               {80, -290},
                               {58, -370},
                               {36, -460},
                               {20, -540}},
                              true),
                       Lace::Slots, Paint::Gold, 0.1});
}

// An arm hanging from the shoulder with its armlet and bracelet, and the rod
// fixed in its palm, hanging down to 'rodEnd' below the feet.
void arm(Figure& f, QPointF shoulder, QPointF elbow, QPointF wrist, QPointF tip, QPointF rodEnd, double b, double tone,
         bool front)
{
    f.parts.push_back({limb({shoulder, (shoulder + elbow) / 2, elbow, (elbow + wrist) / 2, wrist},
                            {12 * b, 11 * b, 7 * b, 7 * b, 5 * b}),
                       Lace::None, Paint::Gold, tone});
    f.parts.push_back({hand(wrist, tip, front ? 1.0 : -1.0), Lace::None, Paint::Gold, tone + 0.05});
    f.parts.push_back({armlet(shoulder + (elbow - shoulder) * 0.32, elbow - shoulder, 22 * b, front ? 1.0 : -1.0),
                       Lace::Edge, Paint::Gold, tone + 0.2});
    f.parts.push_back(
        {ring(wrist + (elbow - wrist) * 0.07, wrist - elbow, 12, 8.5 * b), Lace::None, Paint::Gold, tone + 0.25});
    // the pins of the shoulder and elbow joints
    f.ink.push_back({ellipse(shoulder + (elbow - shoulder) * 0.08, 3, 3), 3.0});
    f.ink.push_back({ellipse(elbow, 2.6, 2.6), 3.0});
    const QPointF palm = wrist + (tip - wrist) * 0.4;
    f.tuding.push_back({{palm, (palm + rodEnd) / 2, rodEnd}, {2.4, 2.2, 3.2}});
}

}  // namespace

Figure figure(WayangKind which)
{
    const Kind k = kindOf(which);
    const double b = k.bulk;
    Figure f;
    // everything above the waist leans forward with the body
    QTransform lean;
    lean.translate(4, -600);
    lean.rotate(k.lean);
    lean.translate(-4, 600);
    auto upper = [&](const QPainterPath& path, Lace lace, Paint paint, double tone) {
        f.parts.push_back({lean.map(path), lace, paint, tone});
    };

    if (which == WayangKind::Raja) {
        // the king's praba, the flame-edged wing rising behind his shoulders
        upper(spline({{-30, -700},
                      {-70, -760},
                      {-110, -830},
                      at({-150, -904}, true),
                      {-146, -852},
                      at({-186, -868}, true),
                      {-172, -820},
                      at({-214, -820}, true),
                      {-186, -780},
                      at({-226, -764}, true),
                      {-190, -738},
                      at({-222, -708}, true),
                      {-182, -694},
                      at({-198, -656}, true),
                      {-140, -650},
                      {-90, -632},
                      {-50, -628}},
                     true),
              Lace::Diamonds, Paint::Gold, -0.05);
    }

    // legs in profile on long pointed feet, the far one darker, with anklets
    f.parts.push_back({leg(k.rearKnee, k.rearAnkle, 16 * b), Lace::None, Paint::Gold, -0.3});
    f.parts.push_back({leg(k.frontKnee, k.frontAnkle, 16 * b), Lace::None, Paint::Gold, 0.0});
    for (double x : {k.rearAnkle, k.frontAnkle})
        f.parts.push_back({ring({x - 2, -60}, {0.1, 1}, 12, 12 * b), Lace::None, Paint::Gold, 0.25});

    cloth(f, which);

    // the arms hang from the shoulders, the far one over the back of the
    // cloth; their rods meet below the feet, either side of the central rod
    const QPointF rearShoulder = lean.map(QPointF(-80 * b, -700));
    const QPointF frontShoulder = lean.map(QPointF(84 * b, -698));
    arm(f, rearShoulder, k.rearElbow, k.rearWrist, k.rearTip, {-24, 210}, b, -0.3, false);

    // the thin neck reaching forward, then the chest: both shoulders broad
    // and square, narrowing to a slim waist
    {
        QTransform thick;  // the strong have thicker necks
        thick.translate(30, 0);
        thick.scale(b, 1);
        thick.translate(-30, 0);
        upper(thick.map(spline({{40, -808}, {62, -796}, {52, -756}, {42, -716}, {10, -718}, {24, -764}}, true)),
              Lace::None, Paint::Gold, 0.05);
    }
    upper(spline({{-84 * b, -702},
                  {-76 * b, -722},
                  {-46 * b, -734},
                  {-6, -738},
                  {34, -736},
                  {64 * b, -728},
                  {84 * b, -716},
                  {92 * b, -698},
                  {86 * b, -678},
                  {74 * b, -654},
                  {58 * b, -628},
                  {44 * b, -612},
                  at({38 * b, -598}, true),
                  at({-34 * b, -598}, true),
                  {-40 * b, -616},
                  {-52 * b, -642},
                  {-66 * b, -668},
                  {-80 * b, -688}},
                 true),
          Lace::None, Paint::Gold, 0.08);
    // belt and its buckle; the crescent necklace and the chain down the chest
    f.parts.push_back({spline({at({-40 * b, -616}, true), at({46 * b, -616}, true), at({44 * b, -588}, true),
                               at({-38 * b, -588}, true)},
                              true),
                       Lace::None, Paint::Red});
    f.parts.push_back({ellipse({30 * b, -602}, 12, 10), Lace::None, Paint::Gold, 0.35});
    upper(spline({{-46 * b, -730},
                  {-24 * b, -694},
                  {12, -682},
                  {44 * b, -698},
                  {62 * b, -730},
                  {42 * b, -722},
                  {12, -702},
                  {-26 * b, -714}},
                 true),
          Lace::Edge, Paint::Gold, 0.25);
    upper(limb({{12, -690}, {14, -662}, {12, -640}}, {3.2, 3.2, 3.2}), Lace::None, Paint::Gold, 0.3);
    upper(spline({{12, -648}, {22, -634}, at({12, -616}, true), {2, -634}}, true), Lace::None, Paint::Gold, 0.35);

    // the head, turned as the figure holds it
    {
        const Head h = head(which);
        QTransform t;
        t.translate(28, -836);
        t.rotate(k.bow);
        t.scale(1.1, 1.1);  // a little larger than the puppets have it, to read at the window's size
        t *= lean;
        for (const Part& p : h.parts)
            f.parts.push_back({t.map(p.path), p.lace, p.paint, p.tone});
        for (const QPainterPath& hole : h.holes)
            f.holes.push_back(t.map(hole));
        for (const Ink& i : h.ink)
            f.ink.push_back({t.map(i.path), i.width});
    }

    arm(f, frontShoulder, k.frontElbow, k.frontWrist, k.frontTip, {62, 210}, b, 0.0, true);

    // the central rod: split round the leather from the top of the head down,
    // a single handle below the feet, pointed to stand in the banana trunk
    f.gapit = {{lean.map(QPointF(-10, -960)),
                lean.map(QPointF(-14, -900)),
                lean.map(QPointF(-10, -820)),
                lean.map(QPointF(-2, -740)),
                lean.map(QPointF(4, -650)),
                {6, -560},
                {10, -440},
                {12, -330},
                {14, -180},
                {14, -10},
                {14, 20},
                {14, 50},
                {15, 90},
                {15, 115},
                {16, 140},
                {16, 232}},
               {3, 3, 3, 3, 3, 3, 3, 3, 3.5, 5, 9, 11, 8, 10, 7.5, 1.5}};
    return f;
}

}  // namespace art::puppet
