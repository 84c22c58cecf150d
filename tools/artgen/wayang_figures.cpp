// The bodies of the three wayang figures: see wayang_parts.h; their heads
// are drawn in wayang_heads.cpp, their cloths in wayang_cloth.cpp and the
// pieces they are made of in wayang_limbs.cpp.
//
// They follow the leather puppets of Central Java. The head and the legs are
// in profile; the chest is turned towards the face, both shoulders showing,
// and the long thin neck rises from the front of the shoulders, so the head
// sits well forward of the body. The figures stand in a stride, the front
// foot a step ahead and the back leg slanting behind, both feet pointing the
// way the face looks: the refined figures with their legs close, the strong
// one wide with his knees bent outwards. The arms are long and jointed at
// the elbow: the back one hangs with its open hand near the knee, the front
// one reaches forward with the forefinger pointing. The puppets stand
// planted for the play, their soles on the banana trunk: the central rod
// runs up the figure's middle to the back of the head and down into the
// trunk, and a thin rod hangs from each hand.
#include "wayang_parts.h"

#include <QTransform>

#include <utility>

namespace art::puppet {
namespace {

struct Kind {
    double bulk;  // widens the chest, the neck and the limbs
    double lean;  // degrees the body leans forward from the waist
    double bow;  // degrees the head is turned down (negative: up)
    QPointF ear;  // where the head sits: the stud in its ear
    QPointF rearHip, rearKnee, rearAnkle;  // the legs
    QPointF frontHip, frontKnee, frontAnkle;
    double foot;  // heel to toe
    QPointF rearElbow, rearWrist, rearTip;  // the arms, down to the fingertips
    QPointF frontElbow, frontWrist, frontTip;
};

Kind kindOf(WayangKind k)
{
    switch (k) {
    case WayangKind::Satria:
        // a short stride, the front knee a little forward, the head bowed
        return {.bulk = 0.92,
                .lean = 6.0,
                .bow = 8.0,
                .ear = {64, -858},
                .rearHip = {-14, -540},
                .rearKnee = {-66, -300},
                .rearAnkle = {-112, -40},
                .frontHip = {30, -540},
                .frontKnee = {92, -310},
                .frontAnkle = {84, -40},
                .foot = 150,
                .rearElbow = {-112, -500},
                .rearWrist = {-30, -300},
                .rearTip = {-18, -212},
                .frontElbow = {104, -500},
                .frontWrist = {256, -376},
                .frontTip = {340, -360}};
    case WayangKind::Raja:
        // as the knight, a little broader, pointing lower
        return {.bulk = 1.0,
                .lean = 4.0,
                .bow = 4.0,
                .ear = {66, -858},
                .rearHip = {-16, -540},
                .rearKnee = {-70, -300},
                .rearAnkle = {-126, -40},
                .frontHip = {32, -540},
                .frontKnee = {96, -310},
                .frontAnkle = {88, -40},
                .foot = 150,
                .rearElbow = {-118, -500},
                .rearWrist = {-34, -302},
                .rearTip = {-22, -214},
                .frontElbow = {108, -500},
                .frontWrist = {226, -348},
                .frontTip = {300, -318}};
    case WayangKind::Gagah:
        break;
    }
    // the strong one: the feet wide apart, both knees bent outwards, the
    // head raised on a thick neck
    return {.bulk = 1.25,
            .lean = 2.0,
            .bow = -4.0,
            .ear = {84, -846},
            .rearHip = {-40, -520},
            .rearKnee = {-150, -290},
            .rearAnkle = {-176, -44},
            .frontHip = {44, -520},
            .frontKnee = {158, -296},
            .frontAnkle = {180, -44},
            .foot = 170,
            .rearElbow = {-150, -500},
            .rearWrist = {-92, -300},
            .rearTip = {-76, -208},
            .frontElbow = {132, -500},
            .frontWrist = {246, -390},
            .frontTip = {320, -384}};
}

// An arm from the shoulder, jointed at the elbow, with its armlet, bracelet
// and hand, and the rod fixed in the palm hanging down into the trunk below
// the feet.
void arm(Figure& f, QPointF shoulder, QPointF elbow, QPointF wrist, QPointF tip, double b, double tone, bool front)
{
    f.parts.push_back({limb({shoulder, shoulder + (elbow - shoulder) * 0.3, elbow}, {12.5 * b, 9.5 * b, 7 * b}),
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

// The king's praba: a curved shell behind the back shoulder, hugging it,
// laid in three layers, gold, red and gold, each smaller than the one behind.
void praba(Figure& f, const QTransform& lean)
{
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
        f.parts.push_back({lean.map(in.map(shell)), laces[i], paints[i], i == 2 ? 0.15 : -0.05});
    }
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

    // the legs in profile on long pointed feet, the far one darker, with
    // anklets; the cloth covers them down to the knees
    const double w = 16 * b;
    f.parts.push_back({leg(k.rearHip, k.rearKnee, k.rearAnkle, w, k.foot), Lace::None, Paint::Gold, -0.3});
    f.parts.push_back({leg(k.frontHip, k.frontKnee, k.frontAnkle, w, k.foot), Lace::None, Paint::Gold, 0.0});
    for (const auto& [knee, ankle] : {std::pair{k.rearKnee, k.rearAnkle}, std::pair{k.frontKnee, k.frontAnkle}})
        f.parts.push_back(
            {ring(ankle + (knee - ankle) * 0.07, knee - ankle, 12, 11 * b), Lace::None, Paint::Gold, 0.25});

    cloth(f, which);

    // the back arm hangs from the back shoulder over the back of the cloth
    const QPointF rearShoulder = lean.map(QPointF(-64 * b, -700));
    const QPointF frontShoulder = lean.map(QPointF(70 * b, -712));
    arm(f, rearShoulder, k.rearElbow, k.rearWrist, k.rearTip, b, -0.3, false);

    // the neck, rising from the front of the shoulders to under the ear
    {
        const QPointF base(46 * b, -726);
        const QPointF top = headAt.map(QPointF(22, 30));
        const double thick = b * b;  // the strong have thick necks
        upper(limb({base, (base + top) / 2 + QPointF(3, 0), top}, {15 * thick, 12 * thick, 12 * thick}), Lace::None,
              Paint::Gold, 0.05);
    }
    // the chest: the shoulders broad, the back one behind, the front one by
    // the neck; a back curving in to the waist and, in front, the chest and
    // the belly in profile, narrowing to a slim waist
    upper(spline({at({-28 * b, -598}, true),
                  {-34 * b, -620},
                  {-46 * b, -652},
                  {-64 * b, -678},
                  {-78 * b, -694},
                  {-76 * b, -710},
                  {-56 * b, -726},
                  {-24 * b, -738},
                  {20, -746},
                  {64, -744},
                  {88 * b, -730},
                  {104 * b, -712},
                  {110 * b, -692},
                  {104 * b, -672},
                  {90 * b, -656},
                  {76 * b, -644},
                  {70 * b, -626},
                  {58 * b, -608},
                  at({46 * b, -598}, true)},
                 true),
          Lace::None, Paint::Gold, 0.08);
    // belt and its buckle; the crescent necklace under the neck and the
    // chain down the chest
    f.parts.push_back({spline({at({-40 * b, -616}, true), at({48 * b, -616}, true), at({46 * b, -588}, true),
                               at({-38 * b, -588}, true)},
                              true),
                       Lace::None, Paint::Red});
    f.parts.push_back({ellipse({32 * b, -602}, 12, 10), Lace::None, Paint::Gold, 0.35});
    upper(
        spline({{12, -734}, {24, -706}, {46, -694}, {70, -704}, {82, -730}, {66, -722}, {46, -712}, {28, -720}}, true),
        Lace::Edge, Paint::Gold, 0.25);
    upper(limb({{46, -700}, {44, -670}, {40, -646}}, {3.2, 3.2, 3.2}), Lace::None, Paint::Gold, 0.3);
    upper(spline({{40, -654}, {50, -640}, at({40, -622}, true), {30, -640}}, true), Lace::None, Paint::Gold, 0.35);
    // the line under the chest, turned towards the face
    f.ink.push_back({lean.map(spline({{72 * b, -674}, {84 * b, -662}, {96 * b, -658}}, false)), 3.0});

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
