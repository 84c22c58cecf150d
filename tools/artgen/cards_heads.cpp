// The court figures' heads: see cards_court_parts.h.
//
// The face has no muzzle: the forehead and the nose are one straight line
// down to a sharp point, and the small mouth and chin sit well behind it.
// The eye is the narrow rice-grain eye of the refined figures, and the eye
// and the brow are dark lines two card pixels wide: at the card's size a
// finer line fades into the skin. What tells the three apart is what they
// wear on the head: the king's crown (makutha) with its pointed front band
// (jamang) and the garuda's head at its back looking behind; the queen's
// bun at the nape (sanggul) with its hairpins (cunduk); the young knight's
// hair knot curling forward over the top like a shrimp's claw (supit urang)
// and the curl at his nape (ukel).
#include "cards_court_parts.h"
#include "paintkit.h"

#include <cmath>

namespace art::court {
namespace {

struct Drawing {
    QPainter& p;
    const QPen& outline;
    void fill(const QPainterPath& path, const QColor& c) const
    {
        p.setPen(outline);
        p.setBrush(c);
        p.drawPath(path);
    }
    void stroke(const QPainterPath& path, const QColor& c, double width) const
    {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    void dot(QPointF c, double r, const QColor& colour) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(c, r, r);
    }
};

// The face with its eye, brow, mouth and the ornament of the ear; 'nose'
// shortens the nose's point for the queen's finer profile.
void face(const Drawing& d, const QColor& skin, double onePx, double nose)
{
    d.fill(spline({corner(78, 34),
                   corner(48 + nose, 65 - nose * 0.4),
                   {56, 66},
                   corner(61, 67),
                   {60, 71},
                   corner(65, 73),
                   {62, 76},
                   {64, 80},
                   {72, 84},
                   {84, 81},
                   {94, 72},
                   {98, 58},
                   {98, 40}},
                  true),
           skin);
    const double line2 = 1.8 * onePx;
    // the rice-grain eye slanting along the nose line, and the brow above it
    d.stroke(spline({{65, 55}, {71, 52.5}, {79, 51.5}}, false), line, line2);
    d.stroke(spline({{71, 44.5}, {77, 42.5}, {84, 43.5}}, false), line, line2);
    // the mouth, a short stroke under the nose
    d.stroke(spline({{65, 72.5}, {60, 71.5}}, false), line, onePx * 1.2);
    // the stud in the ear and the leaf (sumping) behind it
    d.fill(spline({{96, 58}, {104, 62}, {108, 72}, corner(106, 84), {100, 72}, {94, 66}}, true), robeGold);
    d.p.setPen(d.outline);
    d.p.setBrush(robeRed);
    d.p.drawEllipse(QPointF(94, 61), 3.6, 3.6);
}

void king(const Drawing& d, double onePx)
{
    // the hair falling behind the ear
    d.fill(spline({{96, 40}, {108, 48}, {110, 64}, corner(104, 80), {98, 72}, {92, 62}}, true), hair);
    face(d, faceGold, onePx, 0);
    // the garuda at the back of the crown (garuda mungkur), looking behind:
    // a crest of feathers flaring up from its head, the head with a round
    // eye, the hooked beak open to the back over a red mouth
    d.fill(spline({corner(106, 22),
                   {106, 8},
                   {111, -2},
                   {119, -6},
                   corner(126, -4),
                   {119, -1},
                   {116, 4},
                   corner(122, 4),
                   {116, 10},
                   corner(110, 22)},
                  true),
           robeGold);
    d.fill(spline({corner(130, 24), corner(137, 21), corner(136, 28), corner(128, 31)}, true), robeRed);
    d.fill(spline({corner(107, 40),
                   {108, 24},
                   {113, 13},
                   {122, 10},
                   {131, 12},
                   {138, 17},
                   corner(141, 25),
                   {136, 21},
                   corner(129, 22),
                   corner(133, 29),
                   {126, 33},
                   {118, 40},
                   corner(112, 44)},
                  true),
           robeGold);
    d.dot(QPointF(121, 20), 1.35 * onePx, QColor(255, 250, 236));
    d.dot(QPointF(121.6, 20), 0.75 * onePx, line);
    // the crown in three tiers, each narrower, a row of red stones on the
    // lowest, a bud-shaped point on top
    d.fill(spline({corner(95, 2), {94, -3}, corner(97.5, -8), {101, -3}, corner(100, 2)}, true), robeGold);
    d.fill(spline({corner(88, 11), {89, 4}, {97, 1}, {104, 4}, corner(105, 11)}, true), robeGold);
    d.fill(
        spline({corner(84, 34), corner(85, 20), {87, 12}, {96, 8}, {106, 12}, corner(108, 20), corner(109, 36)}, true),
        robeGold);
    d.stroke(spline({{85, 20}, {96, 18}, {108, 20}}, false), line, onePx * 0.8);
    for (int i = 0; i < 3; ++i)
        d.dot(QPointF(90 + i * 7.5, 26), 0.9 * onePx, robeRed);
    d.dot(QPointF(96.5, 13), 0.8 * onePx, robeRed);
    // the front band, its front end rising into a point over the brow
    d.fill(spline({corner(75, 41),
                   corner(70, 21),
                   {76, 25},
                   corner(82, 31),
                   corner(109, 31),
                   corner(109, 40),
                   corner(79, 41)},
                  true),
           robeGold);
    d.dot(QPointF(77, 34), 0.9 * onePx, robeRed);
}

void queen(const Drawing& d, double onePx)
{
    // the bun low at the nape, tied with a gold band
    d.fill(spline({{100, 50}, {110, 44}, {120, 50}, {122, 64}, {114, 74}, {102, 72}, {97, 62}}, true), hair);
    d.stroke(spline({{106, 46}, {110, 58}, {108, 72}}, false), robeGold, onePx * 1.1);
    // the hairpins standing from the top of the hair, each with a flower
    for (const auto& [root, tip] : {std::pair{QPointF(93, 28), QPointF(94, 12)},
                                    {QPointF(99, 30), QPointF(107, 14)},
                                    {QPointF(104, 35), QPointF(118, 25)}}) {
        QPainterPath pin;
        pin.moveTo(root);
        pin.lineTo(tip);
        d.stroke(pin, line, onePx * 1.2);
        d.stroke(pin, robeGold, onePx * 0.6);
        d.p.setPen(d.outline);
        d.p.setBrush(robeGold);
        d.p.drawEllipse(tip, 1.2 * onePx, 1.2 * onePx);
    }
    face(d, skinLight, onePx, 4);
    // the hair drawn back smoothly over the head to the bun, a thin gold
    // band at the hairline
    d.fill(spline({corner(79, 37),
                   {81, 28},
                   {90, 22},
                   {101, 23},
                   {108, 32},
                   {108, 46},
                   {104, 54},
                   {98, 52},
                   {96, 42},
                   corner(86, 38)},
                  true),
           hair);
    d.stroke(spline({{79, 37}, {88, 36}, {97, 38}}, false), robeGold, onePx * 1.1);
    // red lips
    d.dot(QPointF(61.5, 71.5), 0.9 * onePx, robeRed);
}

void jack(const Drawing& d, double onePx)
{
    // the curl at the nape, a spiral of hair behind the neck
    d.fill(spline({{98, 62},
                   {106, 62},
                   {110, 72},
                   {106, 82},
                   {98, 84},
                   {94, 78},
                   {98, 72},
                   {102, 76},
                   corner(100, 80),
                   {104, 76},
                   {102, 68}},
                  true),
           hair);
    face(d, skinLight, onePx, 0);
    // the hair close over the skull down to the nape
    d.fill(spline({corner(79, 36),
                   {82, 26},
                   {92, 22},
                   {104, 24},
                   {110, 34},
                   {109, 50},
                   {104, 64},
                   {98, 62},
                   {96, 46},
                   corner(86, 38)},
                  true),
           hair);
    // the knot (supit urang): a thick lock rising from the crown of the head
    // and arching forward over it, split at its end into the two prongs of a
    // shrimp's claw. Strands drawn along it in a lighter grey make it hair:
    // solid black, the arch would read as a scorpion's tail.
    const QPainterPath knot = spline({corner(98, 28),
                                      {101, 20},
                                      {98, 15},
                                      {92, 13.5},
                                      corner(85, 15),
                                      {81, 18},
                                      corner(75, 19),
                                      {78, 13},
                                      corner(82, 11),
                                      {77, 9.5},
                                      corner(70, 9),
                                      {80, 4},
                                      {93, 2.5},
                                      {105, 5},
                                      {112, 13},
                                      {113, 21},
                                      corner(111, 28)},
                                     true);
    d.fill(knot, hair);
    const QColor strand(88, 92, 118);
    d.stroke(spline({{107, 23}, {107, 15}, {101, 9}, {92, 7}, {82, 8}}, false), strand, onePx * 0.5);
    d.stroke(spline({{102, 23}, {102.5, 17}, {97, 11.5}, {89, 11}, {84, 12.5}}, false), strand, onePx * 0.5);
    // the gold band that ties the knot at its root, its top edge rising in
    // three points like a front band's, a red stone in the middle
    d.fill(spline({corner(96, 32), corner(96, 25), corner(99, 21), corner(101.5, 24), corner(104.5, 19),
                   corner(107.5, 24), corner(110, 21), corner(113, 25), corner(113, 32)},
                  true),
           robeGold);
    d.dot(QPointF(104.5, 28), 0.8 * onePx, robeRed);
    // a thin gold band at the hairline
    d.stroke(spline({{79, 37}, {90, 35}, {100, 37}}, false), robeGold, onePx * 1.1);
}

}  // namespace

void head(QPainter& p, Figure who, const QPen& outline, double onePx)
{
    const Drawing d{p, outline};
    switch (who) {
    case Figure::King:
        king(d, onePx);
        break;
    case Figure::Queen:
        queen(d, onePx);
        break;
    case Figure::Jack:
        jack(d, onePx);
        break;
    }
}

}  // namespace art::court
