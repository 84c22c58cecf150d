// The bodies of the three wayang figures: see wayang_parts.h; their heads
// are drawn in wayang_heads.cpp, their cloths in wayang_cloth.cpp and the
// pieces they are made of in wayang_limbs.cpp.
//
// They follow the leather puppets of Central Java. The head and the legs are
// in profile, but the shoulders are seen from the front: one broad flat bar
// with an arm hanging from either end, the chest narrowing below it to a
// slim waist. The long thin neck rises from the front half of the shoulders
// and leans forward, so the head sits ahead of the body. The cloth reaches
// below the knees, so the legs are short under it, and the feet are long
// and flat on the ground, both pointing the way the face looks: the refined
// figures stand with their feet close, the strong one wide, his legs
// straight. The arms are long and jointed at the elbow: the back one hangs
// with its open hand by the cloth, the front one reaches forward with the
// forefinger pointing. The puppets stand planted for the play, their soles
// on the banana trunk: the central rod runs up the figure's middle to the
// back of the head and down into the trunk, and a thin rod hangs from each
// hand.
#include "wayang_parts.h"

#include <QTransform>

#include <utility>

namespace art::puppet {
namespace {

struct Kind {
    double bulk;  // widens the neck and the limbs
    double lean;  // degrees the body leans forward from the waist
    double bow;  // degrees the head is turned down (negative: up)
    QPointF ear;  // where the head sits: the stud in its ear
    double backShoulder, frontShoulder;  // where the arms hang from, either side of the middle
    double waist;  // half the width of the waist
    QPointF rearHip, rearKnee, rearAnkle;  // the legs
    QPointF frontHip, frontKnee, frontAnkle;
    double foot;  // heel to toe
    QPointF rearElbow, rearWrist, rearTip;  // the arms, down to the fingertips
    QPointF frontElbow, frontWrist, frontTip;
};

// The height of the shoulders' top edge.
constexpr double shoulderTop = -752;

Kind kindOf(WayangKind k)
{
    switch (k) {
    case WayangKind::Satria:
        // the feet close, the front knee a little forward, the head bowed
        return {.bulk = 0.92,
                .lean = 5.0,
                .bow = 8.0,
                .ear = {72, -860},
                .backShoulder = 112,
                .frontShoulder = 100,
                .waist = 36,
                .rearHip = {-22, -520},
                .rearKnee = {-58, -236},
                .rearAnkle = {-96, -40},
                .frontHip = {28, -520},
                .frontKnee = {70, -240},
                .frontAnkle = {82, -40},
                .foot = 190,
                .rearElbow = {-150, -556},
                .rearWrist = {-86, -392},
                .rearTip = {-70, -300},
                .frontElbow = {150, -560},
                .frontWrist = {282, -452},
                .frontTip = {368, -440}};
    case WayangKind::Raja:
        // as the knight, a little broader, pointing lower
        return {.bulk = 1.0,
                .lean = 4.0,
                .bow = 4.0,
                .ear = {74, -860},
                .backShoulder = 120,
                .frontShoulder = 106,
                .waist = 40,
                .rearHip = {-24, -520},
                .rearKnee = {-62, -236},
                .rearAnkle = {-104, -40},
                .frontHip = {30, -520},
                .frontKnee = {72, -240},
                .frontAnkle = {86, -40},
                .foot = 190,
                .rearElbow = {-160, -556},
                .rearWrist = {-94, -390},
                .rearTip = {-78, -298},
                .frontElbow = {156, -560},
                .frontWrist = {262, -430},
                .frontTip = {342, -404}};
    case WayangKind::Gagah:
        break;
    }
    // the strong one: the feet wide apart on straight legs, the head raised
    // on a thick neck
    return {.bulk = 1.22,
            .lean = 2.0,
            .bow = -4.0,
            .ear = {90, -848},
            .backShoulder = 148,
            .frontShoulder = 136,
            .waist = 52,
            .rearHip = {-46, -510},
            .rearKnee = {-130, -262},
            .rearAnkle = {-196, -42},
            .frontHip = {52, -510},
            .frontKnee = {138, -266},
            .frontAnkle = {200, -42},
            .foot = 210,
            .rearElbow = {-196, -548},
            .rearWrist = {-150, -380},
            .rearTip = {-134, -288},
            .frontElbow = {190, -556},
            .frontWrist = {292, -446},
            .frontTip = {372, -436}};
}

// An arm from the shoulder, jointed at the elbow, with its armlet, bracelet
// and hand, and the rod fixed in the palm hanging down into the trunk below
// the feet.
void arm(Figure& f, QPointF shoulder, QPointF elbow, QPointF wrist, QPointF tip, double b, double tone, bool front)
{
    f.parts.push_back({limb({shoulder, shoulder + (elbow - shoulder) * 0.3, elbow}, {16 * b, 11 * b, 7.5 * b}),
                       Lace::None, Paint::Gold, tone});
    f.parts.push_back({limb({elbow, elbow + (wrist - elbow) * 0.3, wrist}, {7.5 * b, 6.5 * b, 4.5 * b}), Lace::None,
                       Paint::Gold, tone + 0.05});
    // the front hand points, the back one hangs open; the thumb is on top of
    // a hand reaching forward and in front of one hanging down
    f.parts.push_back({hand(wrist, tip, -1.0, front), Lace::None, Paint::Gold, tone + 0.05});
    f.parts.push_back({armlet(shoulder + (elbow - shoulder) * 0.3, elbow - shoulder, 22 * b, front ? 1.0 : -1.0),
                       Lace::Edge, Paint::Gold, tone + 0.2});
    f.parts.push_back(
        {ring(wrist + (elbow - wrist) * 0.07, wrist - elbow, 12, 7.5 * b), Lace::None, Paint::Gold, tone + 0.25});
    // the pins of the shoulder and elbow joints
    f.ink.push_back({ellipse(shoulder + (elbow - shoulder) * 0.06, 3, 3), 3.0});
    f.ink.push_back({ellipse(elbow, 2.6, 2.6), 3.0});
    const QPointF palm = wrist + (tip - wrist) * 0.3;
    const QPointF rodEnd(palm.x() * 0.45, 60);
    f.tuding.push_back({{palm, (palm + rodEnd) / 2, rodEnd}, {2.4, 2.2, 3.2}});
}

// The king's praba: a broad plate behind the shoulders like a folded wing,
// rising from behind the neck to the level of the ear, sweeping back and
// narrowing down the back to a point by the waist, its outer edge cut into
// feathers; laid in three layers, gold, red and gold, each smaller than the
// one behind.
void praba(Figure& f, const QTransform& lean)
{
    // the leading edge rises from behind the neck and rounds over at the
    // height of the chin; the back edge runs down in feathers to the tip
    std::vector<Pt> outline = {at({-20, -752}, true), {-30, -792},  {-64, -822}, {-112, -836},
                               {-164, -830},          {-212, -806}, {-250, -770}};
    const QPointF feathers[][2] = {{{-278, -738}, {-264, -722}},
                                   {{-296, -696}, {-278, -682}},
                                   {{-308, -650}, {-290, -638}},
                                   {{-314, -604}, {-296, -592}}};
    for (const auto& feather : feathers) {
        outline.push_back(at(feather[0]));
        outline.push_back(at(feather[1], true));
    }
    outline.push_back(at({-316, -548}, true));
    for (const QPointF q : {QPointF(-276, -572), QPointF(-236, -602), QPointF(-190, -642), QPointF(-146, -682),
                            QPointF(-100, -716), QPointF(-64, -740)})
        outline.push_back(at(q));
    const QPainterPath shell = spline(outline, true);
    // the layers shrink towards the shoulder, leaving the feathers' edge
    const double sizes[] = {1.0, 0.8, 0.6};
    const Paint paints[] = {Paint::Gold, Paint::Red, Paint::Gold};
    const Lace laces[] = {Lace::Rows, Lace::None, Lace::Dots};
    for (int i = 0; i < 3; ++i) {
        QTransform in;
        in.translate(-110, -780);
        in.scale(sizes[i], sizes[i]);
        in.translate(110, 780);
        f.parts.push_back({lean.map(in.map(shell)), laces[i], paints[i], i == 2 ? 0.15 : -0.05});
    }
    // the shafts of the feathers, from under the red layer out to the notches
    const QPointF root(-150, -730);
    for (const auto& feather : feathers)
        f.ink.push_back(
            {lean.map(spline({at(root), at((root + feather[1]) / 2 + QPointF(4, 6)), at(feather[1])}, false)), 2.5});
}

// The chest seen from the front: the shoulders one broad flat bar from the
// back shoulder to the front one, each end rounded over the joint of its
// arm, narrowing below the arms to the waist; in front the breast swells a
// little towards the face.
QPainterPath chest(const Kind& k)
{
    const double bs = -k.backShoulder, fs = k.frontShoulder, w = k.waist, t = shoulderTop;
    return spline({at({-w, -598}, true),
                   {-w - 4, -628},
                   {(bs - w) * 0.5, -670},
                   {bs + 14, -700},
                   {bs + 2, -714},
                   {bs - 6, t + 22},
                   {bs - 2, t + 8},
                   {bs + 12, t + 1},
                   {bs * 0.5, t - 4},
                   {0, t - 6},
                   {fs * 0.5, t - 5},
                   {fs - 12, t},
                   {fs + 2, t + 8},
                   {fs + 6, t + 22},
                   {fs - 2, -714},
                   {fs - 14, -700},
                   {(fs + w) * 0.5 + 14, -682},
                   {(fs + w) * 0.5 + 10, -660},
                   {w + 8, -636},
                   at({w, -598}, true)},
                  true);
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
    // the head's own frame, before the lean
    QTransform headAt;
    headAt.translate(k.ear.x(), k.ear.y());
    headAt.rotate(k.bow);
    headAt.scale(1.06, 1.06);
    const QTransform headUp = headAt * lean;

    if (which == WayangKind::Raja)
        praba(f, lean);

    // the legs in profile on long flat feet, the far one darker, with
    // anklets; the cloth covers them to below the knees
    const double w = 16 * b;
    f.parts.push_back({leg(k.rearHip, k.rearKnee, k.rearAnkle, w, k.foot), Lace::None, Paint::Gold, -0.3});
    f.parts.push_back({leg(k.frontHip, k.frontKnee, k.frontAnkle, w, k.foot), Lace::None, Paint::Gold, 0.0});
    for (const auto& [knee, ankle] : {std::pair{k.rearKnee, k.rearAnkle}, std::pair{k.frontKnee, k.frontAnkle}}) {
        f.parts.push_back(
            {ring(ankle + (knee - ankle) * 0.1, knee - ankle, 14, 11 * b), Lace::None, Paint::Gold, 0.25});
        for (const Ink& i : toes(ankle, k.foot))
            f.ink.push_back(i);
    }

    cloth(f, which);

    // the arms hang from the ends of the shoulders, the back one behind the
    // chest
    const QPointF rearShoulder = lean.map(QPointF(-k.backShoulder, shoulderTop + 18));
    const QPointF frontShoulder = lean.map(QPointF(k.frontShoulder, shoulderTop + 18));
    arm(f, rearShoulder, k.rearElbow, k.rearWrist, k.rearTip, b, -0.3, false);

    // the neck, rising from the front half of the shoulders to under the ear
    {
        const QPointF base(30 * b, shoulderTop + 10);
        const QPointF top = headAt.map(QPointF(22, 30));
        const double thick = b * b;  // the strong have thick necks
        upper(limb({base, (base + top) / 2 + QPointF(3, 0), top}, {17 * thick, 12 * thick, 12 * thick}), Lace::None,
              Paint::Gold, 0.05);
    }
    upper(chest(k), Lace::None, Paint::Gold, 0.08);
    // the line of the collarbones and, in front, under the breast
    f.ink.push_back({lean.map(spline({{-k.backShoulder + 30, shoulderTop + 22},
                                      {0, shoulderTop + 30},
                                      {k.frontShoulder - 30, shoulderTop + 22}},
                                     false)),
                     2.5});
    f.ink.push_back({lean.map(spline({{k.waist + 4, -668},
                                      {(k.frontShoulder + k.waist) * 0.5, -666},
                                      {(k.frontShoulder + k.waist) * 0.5 + 14, -676}},
                                     false)),
                     3.0});
    // belt and its buckle; the crescent necklace across the top of the chest
    // and the chain down its middle
    f.parts.push_back({spline({at({-k.waist - 6, -618}, true), at({k.waist + 8, -618}, true),
                               at({k.waist + 6, -588}, true), at({-k.waist - 4, -588}, true)},
                              true),
                       Lace::None, Paint::Red});
    f.parts.push_back({ellipse({k.waist * 0.6, -603}, 12, 10), Lace::None, Paint::Gold, 0.35});
    upper(spline({{-40 * b, shoulderTop + 2},
                  {-20 * b, shoulderTop + 30},
                  {20, shoulderTop + 44},
                  {60 * b, shoulderTop + 30},
                  {78 * b, shoulderTop + 2},
                  {56 * b, shoulderTop + 16},
                  {20, shoulderTop + 24},
                  {-18 * b, shoulderTop + 16}},
                 true),
          Lace::Edge, Paint::Gold, 0.25);
    upper(limb({{20, shoulderTop + 42}, {20, -680}, {18, -654}}, {3.2, 3.2, 3.2}), Lace::None, Paint::Gold, 0.3);
    upper(spline({{18, -664}, {28, -650}, at({18, -632}, true), {8, -650}}, true), Lace::None, Paint::Gold, 0.35);

    // the head, turned as the figure holds it
    {
        const Head h = head(which);
        for (const Part& p : h.parts)
            f.parts.push_back({headUp.map(p.path), p.lace, p.paint, p.tone});
        for (const QPainterPath& hole : h.holes)
            f.holes.push_back(headUp.map(hole));
        for (const Ink& i : h.ink)
            f.ink.push_back({headUp.map(i.path), i.width, i.filled});
    }

    arm(f, frontShoulder, k.frontElbow, k.frontWrist, k.frontTip, b, 0.0, true);

    // the central rod: split round the leather from above the head down,
    // behind the ear, through the middle of the body, then a handle pushed
    // into the banana trunk
    f.gapit = {{headUp.map(QPointF(-18, -196)),
                headUp.map(QPointF(-16, -130)),
                headUp.map(QPointF(-14, -60)),
                headUp.map(QPointF(-10, 10)),
                lean.map(QPointF(18, -720)),
                lean.map(QPointF(10, -640)),
                {8, -560},
                {10, -440},
                {12, -330},
                {14, -180},
                {14, -10},
                {14, 30},
                {15, 90}},
               {3, 3, 3, 3, 3, 3, 3, 3, 3, 3.5, 5, 8, 4}};
    return f;
}

}  // namespace art::puppet
