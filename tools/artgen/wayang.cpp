// Wayang figures: see wayang.h.
//
// Each figure is a list of parts, back to front, every part an outline in
// figure space. A part is gilded (a diagonal gold gradient, a darker rim and
// a dark edge) on a scratch layer of its own, its lace is punched through
// there, and only then is it laid over the parts behind it, so a hole shows
// the sky and not the part underneath.
#include "wayang.h"

#include <QLinearGradient>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

enum class Lace {
    None,      // plain gold (faces, hands)
    Edge,      // one row of holes along the rim
    Dots,      // rim row plus a staggered field of round holes
    Diamonds,  // rim row plus small lozenges
    Slots,     // rim row plus slanted slits (pleated cloth)
};

struct Part {
    QPainterPath path;
    Lace lace = Lace::Edge;
    double tone = 0.0;   // below 0 darker (rear limbs), above 0 lighter
};

struct Figure {
    std::vector<Part> parts;
    std::vector<QPainterPath> holes;   // explicit cut-outs: eyes, brows, mouths
    std::vector<QLineF> rods;          // the thin sticks worked by the puppeteer
    QPainterPath spine;                // the central stick, behind the figure
};

// A limb as a smooth closed outline around a centre line with a half width
// at every centre point; both ends are rounded.
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
    std::vector<Pt> pts;
    for (std::size_t i = 0; i < n; ++i)
        pts.push_back({left[i].x(), left[i].y()});
    // round tip beyond the last centre point
    {
        QPointF d = c[n - 1] - c[n - 2];
        d /= std::hypot(d.x(), d.y());
        const QPointF tip = c[n - 1] + d * hw[n - 1] * 0.9;
        pts.push_back({tip.x(), tip.y()});
    }
    for (std::size_t i = n; i-- > 0;)
        pts.push_back({right[i].x(), right[i].y()});
    {
        QPointF d = c[0] - c[1];
        d /= std::hypot(d.x(), d.y());
        const QPointF tip = c[0] + d * hw[0] * 0.9;
        pts.push_back({tip.x(), tip.y()});
    }
    return spline(pts, true);
}

QPainterPath ellipsePath(QPointF c, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath rotated(const QPainterPath& path, QPointF pivot, double deg, double scale = 1.0)
{
    QTransform t;
    t.translate(pivot.x(), pivot.y());
    t.rotate(deg);
    t.scale(scale, scale);
    t.translate(-pivot.x(), -pivot.y());
    return t.map(path);
}

// A hand with long curved fingers, from the wrist towards 'tip', and a thumb.
QPainterPath hand(QPointF wrist, QPointF tip, bool thumbUp)
{
    QPointF d = tip - wrist;
    const double len = std::hypot(d.x(), d.y());
    d /= len;
    const QPointF n(-d.y(), d.x());
    auto at = [&](double along, double side) { return wrist + d * (along * len) + n * (side * len); };
    const double s = thumbUp ? 1.0 : -1.0;
    QPainterPath p = spline({{at(0, 0.16 * s).x(), at(0, 0.16 * s).y()},
                             {at(0.35, 0.2 * s).x(), at(0.35, 0.2 * s).y()},
                             {at(0.75, 0.12 * s).x(), at(0.75, 0.12 * s).y()},
                             corner(at(1.0, -0.06 * s).x(), at(1.0, -0.06 * s).y()),
                             {at(0.7, -0.1 * s).x(), at(0.7, -0.1 * s).y()},
                             {at(0.3, -0.14 * s).x(), at(0.3, -0.14 * s).y()},
                             {at(0, -0.15 * s).x(), at(0, -0.15 * s).y()}},
                            true);
    // thumb: a short curl leaving the root of the hand
    p.addPath(spline({{at(0.15, 0.1 * s).x(), at(0.15, 0.1 * s).y()},
                      {at(0.35, 0.42 * s).x(), at(0.35, 0.42 * s).y()},
                      corner(at(0.62, 0.5 * s).x(), at(0.62, 0.5 * s).y()),
                      {at(0.45, 0.3 * s).x(), at(0.45, 0.3 * s).y()},
                      {at(0.35, 0.12 * s).x(), at(0.35, 0.12 * s).y()}},
                     true));
    return p.simplified();
}

// A band across a limb (armlet, bracelet, anklet) at centre 'c' across the
// limb direction 'dir', 'w' wide along the limb and 'h' half across.
QPainterPath band(QPointF c, QPointF dir, double w, double h)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    return spline({corner((c - dir * w / 2 + n * h).x(), (c - dir * w / 2 + n * h).y()),
                   corner((c + dir * w / 2 + n * h).x(), (c + dir * w / 2 + n * h).y()),
                   {(c + dir * w * 0.6).x(), (c + dir * w * 0.6).y()},
                   corner((c + dir * w / 2 - n * h).x(), (c + dir * w / 2 - n * h).y()),
                   corner((c - dir * w / 2 - n * h).x(), (c - dir * w / 2 - n * h).y()),
                   {(c - dir * w * 0.6).x(), (c - dir * w * 0.6).y()}},
                  true);
}

// The armlet with its upturned crest, typical of the puppets' upper arms.
QPainterPath armlet(QPointF c, QPointF dir, double size)
{
    dir /= std::hypot(dir.x(), dir.y());
    const QPointF n(-dir.y(), dir.x());
    QPainterPath p = band(c, dir, size * 0.7, size * 0.75);
    const QPointF base = c - n * size * 0.6;
    auto at = [&](double a, double b) { return base + dir * (a * size) - n * (b * size); };
    p.addPath(spline({{at(-0.3, 0).x(), at(-0.3, 0).y()},
                      {at(-0.5, 0.6).x(), at(-0.5, 0.6).y()},
                      corner(at(-0.9, 1.3).x(), at(-0.9, 1.3).y()),
                      {at(-0.1, 0.8).x(), at(-0.1, 0.8).y()},
                      {at(0.3, 0.1).x(), at(0.3, 0.1).y()}},
                     true));
    return p.simplified();
}

struct Kind {
    double bow;          // head tilt, degrees; positive bows the head
    double bulk;         // width of the chest and shoulders
    double stance;       // how far the front foot steps out
    bool crown;
    bool praba;
    bool roundEye;
    QPointF frontElbow, frontWrist, frontTip;
    QPointF rearElbow, rearWrist, rearTip;
};

Kind kindOf(WayangKind k)
{
    switch (k) {
    case WayangKind::Satria:
        return {10.0, 1.0, 0.0, false, false, false,
                {136, -448}, {196, -236}, {236, -172},
                {-126, -446}, {-122, -222}, {-118, -160}};
    case WayangKind::Raja:
        return {5.0, 1.06, 14.0, true, true, false,
                {150, -480}, {252, -400}, {318, -420},
                {-134, -452}, {-128, -256}, {-122, -196}};
    case WayangKind::Gagah:
        break;
    }
    return {-2.0, 1.24, 72.0, true, false, true,
            {168, -500}, {280, -560}, {336, -612},
            {-160, -470}, {-182, -286}, {-192, -226}};
}

// The face in profile, the eye, brow and mouth, the headdress: built upright
// around the neck and then bowed and scaled as a whole.
void addHead(Figure& f, const Kind& k)
{
    const QPointF pivot(5, -772);
    std::vector<Part> head;
    std::vector<QPainterPath> holes;

    // rear ornaments first: ribbons falling from the back of the head
    for (int r = 0; r < 2; ++r) {
        const double o = r * 20.0;
        head.push_back({limb({{-30.0 - o * 0.3, -888.0}, {-66.0 - o, -850.0}, {-58.0 - o, -792.0},
                              {-86.0 - o, -735.0}, {-80.0 - o, -672.0}},
                             {8, 7, 7, 6, 8}),
                        Lace::Edge, -0.15});
    }

    // hair at the nape, ending in a curl
    head.push_back({spline({{-18, -904}, {-46, -884}, {-56, -842}, {-52, -804}, corner(-70, -774),
                            {-40, -786}, {-22, -812}, {-14, -860}},
                           true),
                    Lace::Dots, -0.1});

    // face: forehead and nose in one long slanting line, a small mouth and
    // chin, the jaw rising steeply to the ear
    QPainterPath face;
    if (!k.roundEye) {
        face = spline({corner(20, -906), corner(116, -818), {94, -815}, {88, -810}, corner(80, -806),
                       {83, -799}, {74, -791}, {54, -792}, {30, -806}, {4, -826}, {-20, -852},
                       {-24, -882}, {-12, -900}},
                      true);
    } else {
        // the strong warrior: a shorter, heavier nose and a firmer chin
        face = spline({corner(24, -906), {60, -868}, corner(106, -830), {96, -821}, {86, -818},
                       corner(80, -812), {86, -800}, {78, -790}, {56, -788}, {30, -804}, {4, -826},
                       {-20, -852}, {-24, -882}, {-12, -900}},
                      true);
    }
    head.push_back({face, Lace::None, 0.12});

    // the sumping, a leaf worn behind the ear and pointing backwards
    head.push_back({spline({{-2, -842}, {-26, -862}, {-58, -858}, corner(-94, -830), {-62, -834},
                            {-34, -828}, {-8, -832}},
                           true),
                    Lace::Edge, 0.0});

    // eye, brow, mouth line: cut through, as on the leather puppets
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    if (!k.roundEye) {
        holes.push_back(spline({corner(34, -866), {52, -867}, corner(76, -846), {52, -856}}, true));
        st.setWidth(4.5);
        holes.push_back(st.createStroke(spline({{24, -882}, {52, -879}, {80, -862}}, false)));
        st.setWidth(3.5);
        holes.push_back(st.createStroke(spline({{64, -806}, {76, -806}}, false)));
    } else {
        holes.push_back(ellipsePath({54, -860}, 12, 10).subtracted(ellipsePath({57, -860}, 4.5, 4.5)));
        st.setWidth(5.5);
        holes.push_back(st.createStroke(spline({{30, -882}, {56, -884}, {80, -868}}, false)));
        // moustache curling back along the cheek
        st.setWidth(5.0);
        holes.push_back(st.createStroke(spline({{84, -816}, {64, -814}, {48, -806}, {44, -818}}, false)));
    }

    // forehead band with its row of points
    {
        std::vector<Pt> band = {corner(-34, -892), corner(30, -912)};
        for (int i = 0; i <= 6; ++i) {
            const double t = i / 6.0;
            const double x = 30 - 64 * t;
            const double y = -912 + 20 * t;
            band.push_back(corner(x + 2, y - 10));
            band.push_back(corner(x - 4, y - 22 - (i % 2 ? 0 : 9)));
            band.push_back(corner(x - 8, y - 10));
        }
        std::reverse(band.begin() + 2, band.end());
        head.push_back({spline(band, true).united(spline({corner(-36, -878), corner(34, -900),
                                                          corner(32, -914), corner(-36, -894)},
                                                         true)),
                        Lace::None, 0.2});
    }

    if (!k.crown) {
        // the hair bun, rising behind and curling forward into a hook
        head.push_back({spline({{-28, -898}, {-56, -926}, {-60, -968}, {-36, -1000}, {4, -1010},
                                {46, -994}, {70, -968}, corner(78, -934), {56, -956}, {28, -966},
                                {4, -958}, {-4, -936}, {12, -916}},
                               true),
                        Lace::Dots, 0.05});
        // a small garuda ornament at the back of the bun
        head.push_back({spline({{-52, -934}, {-84, -958}, corner(-120, -958), {-94, -944},
                                corner(-116, -926), {-84, -922}, {-54, -914}},
                               true),
                        Lace::Edge, 0.0});
    } else {
        const double tall = k.praba ? 1.0 : 0.8;
        // the crown: swelling above the band, rounded and leaning back, with a finial
        head.push_back({spline({corner(-40, -892), {-52, -940}, {-50, -900 - 100 * tall},
                                {-34, -900 - 150 * tall}, corner(-16, -900 - 176 * tall),
                                {4, -900 - 150 * tall}, {22, -900 - 90 * tall}, {30, -950},
                                corner(32, -910)},
                               true),
                        Lace::Diamonds, 0.1});
        head.push_back({spline({{-20, -900 - 170 * tall}, {-4, -900 - 196 * tall},
                                corner(-22, -900 - 226 * tall), {-34, -900 - 196 * tall}},
                               true),
                        Lace::None, 0.25});
        // garuda ornament at the back of the crown, its tail curling up
        head.push_back({spline({{-46, -948}, {-76, -992}, corner(-112, -1010), {-100, -980},
                                corner(-140, -966), {-104, -950}, corner(-132, -918), {-84, -920},
                                {-48, -912}},
                               true),
                        Lace::Edge, 0.0});
    }

    const double headScale = k.roundEye ? 0.9 : 0.86;
    for (auto& part : head) {
        part.path = rotated(part.path, pivot, k.bow, headScale);
        f.parts.push_back(part);
    }
    for (auto& h : holes)
        f.holes.push_back(rotated(h, pivot, k.bow, headScale));
}

// One leg in profile, the thigh hidden under the cloth: 'x' moves it forward.
QPainterPath leg(double x, double step)
{
    auto P = [&](double px, double py, bool sharp = false) {
        return Pt{px + x + step * (1.0 + py / 340.0), py, sharp};
    };
    return spline({P(-36, -340), P(-6, -340), P(-4, -250), P(0, -150), P(6, -56), P(24, -38),
                   P(60, -20), P(104, -7, true), P(78, 0), P(-20, 0, true), P(-24, -24),
                   P(-18, -62), P(-24, -150), P(-34, -250)},
                  true);
}

Figure build(WayangKind which)
{
    const Kind k = kindOf(which);
    Figure f;
    const double b = k.bulk;
    const double st = k.stance;

    f.spine = limb({{-4, -900}, {0, -500}, {4, 0}, {6, 150}}, {3, 4, 4.5, 1.2});

    // the wing-like ornament behind a king's shoulders
    if (k.praba) {
        f.parts.push_back({spline({{-30, -700}, {-80, -770}, {-150, -830}, corner(-214, -880),
                                   {-196, -826}, corner(-252, -834), {-214, -790},
                                   corner(-266, -776), {-218, -742}, corner(-262, -712),
                                   {-210, -692}, corner(-236, -650), {-160, -652}, {-96, -634},
                                   {-50, -640}},
                                  true),
                           Lace::Diamonds, -0.05});
    }

    // rear arm and its stick
    const QPointF rearShoulder(-100 * b, -708);
    f.parts.push_back({limb({rearShoulder, (rearShoulder + k.rearElbow) / 2, k.rearElbow,
                             (k.rearElbow + k.rearWrist) / 2, k.rearWrist},
                            {14 * b, 11 * b, 8, 7, 6}),
                       Lace::None, -0.25});
    f.parts.push_back({hand(k.rearWrist, k.rearTip, false), Lace::None, -0.2});
    f.parts.push_back({armlet(rearShoulder + (k.rearElbow - rearShoulder) * 0.3,
                              k.rearElbow - rearShoulder, 24),
                       Lace::None, -0.05});
    f.parts.push_back({band(k.rearWrist + (k.rearElbow - k.rearWrist) * 0.06, k.rearWrist - k.rearElbow, 11, 9),
                       Lace::None, 0.0});

    // the rear drape of the cloth, sweeping down and back to a long point
    // near the ankles
    f.parts.push_back({spline({{-44, -532}, {-84, -474}, {-118, -390}, {-146, -280},
                               corner(-186 - st * 0.5, -150), {-142, -196}, {-104, -250},
                               {-70, -330}, {-58, -430}},
                              true),
                       Lace::Slots, -0.1});

    // legs: the rear one darker, both in profile with long pointed feet
    f.parts.push_back({leg(-14, -st * 0.25), Lace::None, -0.25});
    f.parts.push_back({leg(64, st), Lace::None, -0.02});
    f.parts.push_back({band({-10 - st * 0.25, -50}, {0.15, 1}, 12, 19), Lace::None, 0.1});
    f.parts.push_back({band({68 + st, -50}, {0.15, 1}, 12, 19), Lace::None, 0.15});

    // the wrapped cloth over hips and thighs, and the pleated front panel
    f.parts.push_back({spline({{-40 * b, -552}, {40 * b, -552}, {62, -496},
                               {80 + st * 0.3, -420}, {94 + st * 0.5, -346},
                               corner(100 + st * 0.55, -296), {30, -326},
                               corner(-54 - st * 0.2, -372), {-64, -440}, {-54 * b, -510}},
                              true),
                       Lace::Diamonds, 0.0});
    f.parts.push_back({spline({corner(30, -540), corner(52, -540), {70 + st * 0.3, -430},
                               {86 + st * 0.5, -300}, corner(100 + st * 0.7, -160),
                               corner(90 + st * 0.7, -176), corner(82 + st * 0.7, -154),
                               corner(74 + st * 0.7, -172), corner(64 + st * 0.7, -152),
                               {54 + st * 0.5, -300}, {38, -440}},
                              true),
                       Lace::Slots, 0.12});

    // the kris worn at the back of the belt: its boat-shaped sheath top
    // pointing back and the hilt rising above it
    if (!k.roundEye) {
        f.parts.push_back({spline({{-30, -556}, {-70, -574}, {-112, -600}, corner(-146, -624),
                                   {-126, -596}, {-96, -568}, {-40, -540}},
                                  true),
                           Lace::Edge, 0.05});
        f.parts.push_back({spline({{-58, -570}, {-64, -604}, {-56, -630}, corner(-40, -640), {-42, -612},
                                   {-44, -578}},
                                  true),
                           Lace::None, 0.2});
    }

    // chest with both shoulders shown square, as the puppets have them
    f.parts.push_back({spline({corner(-108 * b, -706), {-98 * b, -726}, {-56 * b, -734},
                               {-18, -730}, {30, -728}, {78 * b, -734}, {110 * b, -724},
                               corner(118 * b, -704), {98 * b, -682}, {88 * b, -642},
                               {62 * b, -598}, {40 * b, -552}, {-38 * b, -552}, {-46 * b, -590},
                               {-64 * b, -640}, {-90 * b, -690}},
                              true),
                       Lace::None, 0.05});
    // neck
    f.parts.push_back({spline({{-16, -836}, {18, -832}, {24, -766}, {30, -720}, {-10, -722},
                               {-14, -770}},
                              true),
                       Lace::None, 0.08});
    // belt with the knot in front
    f.parts.push_back({spline({corner(-44 * b, -568), corner(46 * b, -568), corner(48 * b, -540),
                               corner(-44 * b, -540)},
                              true),
                       Lace::Edge, 0.15});
    f.parts.push_back({spline({{36 * b, -572}, {64 * b, -562}, corner(80 * b, -522), {56 * b, -532},
                               {36 * b, -536}},
                              true),
                       Lace::None, 0.2});
    // crescent necklace
    f.parts.push_back({spline({{-54 * b, -722}, {-28 * b, -676}, {8, -652}, {44 * b, -676},
                               {70 * b, -722}, {48 * b, -716}, {8, -682}, {-34 * b, -716}},
                              true),
                       Lace::Edge, 0.2});

    addHead(f, k);

    // front arm, in front of everything
    const QPointF frontShoulder(110 * b, -712);
    f.parts.push_back({limb({frontShoulder, (frontShoulder + k.frontElbow) / 2, k.frontElbow,
                             (k.frontElbow + k.frontWrist) / 2, k.frontWrist},
                            {15 * b, 12 * b, 8.5, 7.5, 6.5}),
                       Lace::None, 0.02});
    f.parts.push_back({hand(k.frontWrist, k.frontTip, true), Lace::None, 0.05});
    f.parts.push_back({armlet(frontShoulder + (k.frontElbow - frontShoulder) * 0.3,
                              k.frontElbow - frontShoulder, 26),
                       Lace::None, 0.15});
    f.parts.push_back({band(k.frontWrist + (k.frontElbow - k.frontWrist) * 0.06, k.frontWrist - k.frontElbow, 11, 10),
                       Lace::None, 0.2});

    // the sticks hang from the palms down past the feet
    auto stick = [](QPointF wrist, QPointF tip) {
        const QPointF palm = wrist + (tip - wrist) * 0.35;
        return QLineF(palm, QPointF(palm.x() * 0.85, 120));
    };
    f.rods.push_back(stick(k.rearWrist, k.rearTip));
    f.rods.push_back(stick(k.frontWrist, k.frontTip));
    return f;
}

QTransform placement(QPointF foot, double height, bool faceRight)
{
    QTransform t;
    t.translate(foot.x(), foot.y());
    const double s = height / 1000.0;
    t.scale(faceRight ? s : -s, s);
    return t;
}

// Gilds one part on a scratch layer: gradient, rim, edge; then punches its lace.
// 's' is layer pixels per figure unit; the floors on line widths and holes are
// pixels of the picture as designed, so they grow with 'scale'.
void gild(QPainter& out, const QPainterPath& path, Lace lace, double tone, double s, int scale)
{
    const double m = 4 * scale;   // room for the antialiased edge
    const QRectF box = path.boundingRect().adjusted(-m, -m, m, m);
    const QRect area = box.toAlignedRect();
    if (area.isEmpty())
        return;
    QImage layer = canvas(area.width(), area.height());
    QPainter q(&layer);
    q.setRenderHint(QPainter::Antialiasing);
    q.translate(-area.topLeft());

    const QColor hi = tone >= 0 ? mix(pal::goldLight, pal::goldPale, tone) : mix(pal::goldLight, pal::gold, -tone);
    const QColor mid = tone >= 0 ? mix(pal::gold, pal::goldLight, tone * 0.6) : mix(pal::gold, pal::goldDark, -tone * 0.8);
    const QColor lo = tone >= 0 ? pal::goldDark : mix(pal::goldDark, QColor(70, 40, 8), -tone);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, hi);
    g.setColorAt(0.45, mid);
    g.setColorAt(1.0, lo);
    q.setPen(Qt::NoPen);
    q.setBrush(g);
    q.drawPath(path);

    // a darker rim inside the edge gives the leather its thickness
    q.save();
    q.setClipPath(path);
    q.setPen(QPen(withAlpha(QColor(90, 52, 8), 0.55), std::max(1.0 * scale, 9.0 * s), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    q.setBrush(Qt::NoBrush);
    q.drawPath(path);
    q.restore();
    q.setPen(QPen(QColor(58, 32, 6), std::max(0.8 * scale, 2.6 * s)));
    q.setBrush(Qt::NoBrush);
    q.drawPath(path);

    if (lace != Lace::None) {
        q.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::black);
        const double hole = std::max(0.7 * scale, 2.8 * s);
        const double inset = 10.0 * s;
        const double step = 13.0 * s;
        // one row of holes following the rim
        const double len = path.length();
        const int count = int(len / step);
        for (int i = 0; i < count; ++i) {
            const double pct = path.percentAtLength(i * step);
            const QPointF at = path.pointAtPercent(pct);
            const double ang = path.angleAtPercent(pct) * M_PI / 180.0;
            const QPointF nrm(std::sin(ang), std::cos(ang));
            for (double sign : {1.0, -1.0}) {
                const QPointF c = at + nrm * (inset * sign);
                const QPointF deeper = at + nrm * (inset * 2.0 * sign);
                if (path.contains(c) && path.contains(deeper)) {
                    q.drawEllipse(c, hole, hole);
                    break;
                }
            }
        }
        if (lace != Lace::Edge) {
            // the field inside the rim row
            QPainterPathStroker st;
            st.setWidth(inset * 3.4);
            const QPainterPath inner = path.subtracted(st.createStroke(path));
            q.save();
            q.setClipPath(inner);
            const double gap = (lace == Lace::Slots ? 11.0 : 15.0) * s;
            int row = 0;
            for (double y = box.top(); y < box.bottom(); y += gap * 0.87, ++row) {
                for (double x = box.left() + (row % 2) * gap / 2; x < box.right(); x += gap) {
                    if (lace == Lace::Dots) {
                        q.drawEllipse(QPointF(x, y), hole, hole);
                    } else if (lace == Lace::Diamonds) {
                        const double r = hole * 1.5;
                        q.drawPolygon(QPolygonF({QPointF(x, y - r), QPointF(x + r * 0.7, y),
                                                 QPointF(x, y + r), QPointF(x - r * 0.7, y)}));
                    } else {
                        q.save();
                        q.translate(x, y);
                        q.rotate(62);
                        q.drawRoundedRect(QRectF(-hole * 2.2, -hole * 0.55, hole * 4.4, hole * 1.1),
                                          hole * 0.5, hole * 0.5);
                        q.restore();
                    }
                }
            }
            q.restore();
        }
    }
    q.end();
    out.drawImage(area.topLeft(), layer);
}

void drawRod(QPainter& p, const QLineF& rod, double s, int scale)
{
    // horn sticks: dark, with a faint warm light along one side
    QPen dark(QColor(40, 22, 10, 230), std::max(1.0 * scale, 7.0 * s), Qt::SolidLine, Qt::RoundCap);
    p.setPen(dark);
    p.drawLine(rod);
    QPen light(QColor(190, 130, 60, 140), std::max(0.5 * scale, 2.0 * s), Qt::SolidLine, Qt::RoundCap);
    p.setPen(light);
    p.drawLine(rod.translated(-1.5 * s, 0));
}

QPainterPath kayonOutline()
{
    // the leaf-shaped mountain: a pointed top, swelling shoulders, a straight base
    return spline({corner(0, -1000), {40, -900}, {110, -760}, {200, -600}, {250, -460},
                   {262, -330}, {240, -240}, corner(200, -200), corner(150, -200), corner(150, -110),
                   corner(210, -110), corner(210, -40), corner(245, -40), corner(245, 0),
                   corner(-245, 0), corner(-245, -40), corner(-210, -40), corner(-210, -110),
                   corner(-150, -110), corner(-150, -200), corner(-200, -200), {-240, -240},
                   {-262, -330}, {-250, -460}, {-200, -600}, {-110, -760}, {-40, -900}},
                  true);
}

} // namespace

QImage wayangLayer(const QSize& size, WayangKind kind, QPointF foot, double height, bool faceRight, int scale)
{
    const Figure f = build(kind);
    const QTransform t = placement(foot, height, faceRight);
    const double s = height / 1000.0;
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 26, 10));
    p.drawPath(t.map(f.spine));

    for (const Part& part : f.parts)
        gild(p, t.map(part.path), part.lace, part.tone, s, scale);

    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const auto& h : f.holes)
        p.drawPath(t.map(h));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    for (const auto& r : f.rods)
        drawRod(p, t.map(r), s, scale);
    return img;
}

QPainterPath wayangSilhouette(WayangKind kind, QPointF foot, double height, bool faceRight)
{
    const Figure f = build(kind);
    const QTransform t = placement(foot, height, faceRight);
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const Part& part : f.parts)
        all.addPath(part.path);
    QPainterPathStroker st;
    st.setWidth(6.0);
    for (const auto& r : f.rods) {
        QPainterPath line;
        line.moveTo(r.p1());
        line.lineTo(r.p2());
        all.addPath(st.createStroke(line));
    }
    all.addPath(f.spine);
    return t.map(all);
}

QPainterPath kayonSilhouette(QPointF foot, double height, double tiltDeg)
{
    QTransform t;
    t.translate(foot.x(), foot.y());
    t.rotate(tiltDeg);
    t.scale(height / 1000.0, height / 1000.0);
    return t.map(kayonOutline());
}

QImage kayonLayer(const QSize& size, QPointF foot, double height, double tiltDeg, int scale)
{
    QTransform t;
    t.translate(foot.x(), foot.y());
    t.rotate(tiltDeg);
    const double s = height / 1000.0;
    t.scale(s, s);
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    gild(p, t.map(kayonOutline()), Lace::Dots, 0.0, s, scale);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);

    // a slot running round inside the rim, as on the leather kayon
    {
        QTransform inset;
        inset.translate(0, -560);
        inset.scale(0.86, 0.9);
        inset.translate(0, 560);
        const QPainterPath rim = inset.map(kayonOutline());
        QPainterPath upper;
        upper.addRect(QRectF(-400, -1100, 800, 880));
        st.setWidth(7.0);
        p.drawPath(t.map(st.createStroke(rim).intersected(upper)));
    }

    // the tree of life: a trunk and pairs of branches ending in curls
    QPainterPath tree;
    tree.moveTo(0, -290);
    tree.cubicTo(-8, -470, 8, -640, 0, -860);
    for (int i = 0; i < 6; ++i) {
        const double y = -360 - i * 88.0;
        const double w = 170 - i * 24.0;
        for (double side : {-1.0, 1.0}) {
            tree.moveTo(0, y);
            tree.cubicTo(side * w * 0.4, y - 50, side * w * 0.95, y - 40, side * w, y + 10);
            // the curl: a shrinking spiral back towards the trunk
            tree.cubicTo(side * w * 1.02, y + 44, side * w * 0.7, y + 52, side * w * 0.66, y + 26);
            tree.cubicTo(side * w * 0.64, y + 10, side * w * 0.78, y + 4, side * w * 0.8, y + 20);
        }
    }
    st.setWidth(11.0);
    p.drawPath(t.map(st.createStroke(tree)));
    // leaves between the branches
    for (int i = 0; i < 5; ++i) {
        const double y = -400 - i * 88.0;
        const double w = 110 - i * 18.0;
        for (double side : {-1.0, 1.0})
            p.drawPath(t.map(spline({corner(side * 14, y), {side * w * 0.5, y - 26}, corner(side * w * 0.8, y - 14),
                                     {side * w * 0.45, y - 6}},
                                    true)));
    }

    // the gate at the foot of the mountain: stepped roof, posts and doorway
    QPainterPath gate;
    gate.addPath(spline({corner(-92, -262), corner(92, -262), corner(66, -296), corner(-66, -296)}, true));
    gate.addPath(spline({corner(-62, -304), corner(62, -304), corner(38, -332), corner(-38, -332)}, true));
    gate.addPath(spline({corner(-30, -340), corner(30, -340), corner(0, -372)}, true));
    gate.addPath(spline({corner(-40, -206), corner(-40, -246), {0, -256}, corner(40, -246), corner(40, -206)}, true));
    p.drawPath(t.map(gate));
    return img;
}

} // namespace art
