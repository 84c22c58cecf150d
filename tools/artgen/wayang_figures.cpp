// The bodies of the three wayang figures: see wayang_parts.h; their heads
// are drawn in wayang_heads.cpp.
//
// They follow the leather puppets of Central Java: the head and the legs in
// profile, the chest and both shoulders seen from the front, long thin arms
// jointed at the elbow and hanging to the knees. Both feet point the way the
// face looks, the front one a step ahead: the refined figures stand with
// their feet close, the strong one wide. A small head sits forward on a long
// neck. The puppets stand planted for the play, their soles on the banana
// trunk: the central rod runs up the figure's middle to the back of the head
// and down into the trunk, and a thin rod hangs from each hand.
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

// One leg in profile from the knee, hidden under the cloth, to a long flat
// foot pointing forward (+x); 'w' is the half width of the calf. The shin is
// straight in front, the calf swells behind, the heel is short and the toes
// end in a point.
QPainterPath leg(QPointF knee, double ankleX, double w)
{
    const QPointF ankle(ankleX, -38);
    const QPointF d = ankle - knee;
    const double L = 150;  // the foot, heel to toe
    return spline({at(knee + QPointF(w * 0.8, 0)), at(knee + d * 0.5 + QPointF(w * 0.55, 0)),
                   at(ankle + QPointF(w * 0.4, 0)), at({ankleX + L * 0.3, -18}), at({ankleX + L * 0.6, -7}),
                   at({ankleX + L * 0.84, -1}, true), at({ankleX - L * 0.2, 0}, true), at({ankleX - L * 0.24, -12}),
                   at(ankle - QPointF(w * 0.6, 6)), at(knee + d * 0.62 - QPointF(w * 0.8, 0)),
                   at(knee + d * 0.28 - QPointF(w * 1.15, 0)), at(knee - QPointF(w * 0.8, 0))},
                  true);
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
        return {0.92,         7.0,         8.0,         -24,         46,          {-12, -330}, {22, -334},
                {-104, -520}, {-90, -300}, {-74, -214}, {104, -522}, {126, -302}, {142, -216}};
    case WayangKind::Raja:
        return {1.0,          4.0,         4.0,         -28,         52,          {-14, -330}, {26, -334},
                {-110, -524}, {-98, -304}, {-82, -218}, {112, -526}, {134, -306}, {150, -220}};
    case WayangKind::Gagah:
        break;
    }
    return {1.25,         2.0,          -4.0,         -118,        132,         {-52, -392}, {62, -398},
            {-136, -530}, {-130, -320}, {-116, -234}, {140, -532}, {162, -322}, {180, -236}};
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
// fixed in its palm, hanging down to 'rodEnd' in the trunk below the feet.
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
        // the king's praba: a curved shell behind the back shoulder, hugging
        // it, laid in three layers, gold, red and gold, each smaller than
        // the one behind it
        const QPainterPath shell = spline({at({-10, -742}, true),
                                           {-60, -772},
                                           {-110, -778},
                                           {-146, -756},
                                           {-164, -716},
                                           {-162, -662},
                                           at({-150, -612}, true),
                                           {-132, -650},
                                           {-110, -688},
                                           {-76, -712},
                                           {-40, -722}},
                                          true);
        const double sizes[] = {1.0, 0.86, 0.72};
        const Paint paints[] = {Paint::Gold, Paint::Red, Paint::Gold};
        const Lace laces[] = {Lace::Rows, Lace::None, Lace::Dots};
        for (int i = 0; i < 3; ++i) {
            QTransform in;
            in.translate(-40, -700);
            in.scale(sizes[i], sizes[i]);
            in.translate(40, 700);
            upper(in.map(shell), laces[i], paints[i], i == 2 ? 0.15 : -0.05);
        }
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
    arm(f, rearShoulder, k.rearElbow, k.rearWrist, k.rearTip, {-24, 60}, b, -0.3, false);

    // the long thin neck reaching forward, then the chest: both shoulders broad
    // and square, narrowing to a slim waist
    {
        QTransform thick;  // the strong have thicker necks
        thick.translate(30, 0);
        thick.scale(b, 1);
        thick.translate(-30, 0);
        upper(thick.map(spline({{54, -818}, {70, -812}, {54, -766}, {38, -716}, {14, -718}, {36, -772}}, true)),
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
        t.translate(46, -852);
        t.rotate(k.bow);
        t.scale(1.06, 1.06);
        t *= lean;
        for (const Part& p : h.parts)
            f.parts.push_back({t.map(p.path), p.lace, p.paint, p.tone});
        for (const QPainterPath& hole : h.holes)
            f.holes.push_back(t.map(hole));
        for (const Ink& i : h.ink)
            f.ink.push_back({t.map(i.path), i.width});
    }

    arm(f, frontShoulder, k.frontElbow, k.frontWrist, k.frontTip, {62, 60}, b, 0.0, true);

    // the central rod: split round the leather from the back of the head
    // down, behind the face, then a handle pushed into the banana trunk
    f.gapit = {{lean.map(QPointF(22, -958)),
                lean.map(QPointF(20, -900)),
                lean.map(QPointF(16, -840)),
                lean.map(QPointF(8, -760)),
                lean.map(QPointF(4, -650)),
                {6, -560},
                {10, -440},
                {12, -330},
                {14, -180},
                {14, -10},
                {14, 30},
                {15, 90}},
               {3, 3, 3, 3, 3, 3, 3, 3, 3.5, 5, 8, 4}};
    return f;
}

}  // namespace art::puppet
