// The court figures of the playing cards: see cards_court.h.
//
// They are half-length wayang figures, mirrored top to bottom as on real
// cards. The face has no muzzle: the forehead and the nose are one straight
// line down to a sharp point, and the small mouth and chin sit well behind
// it; the eye is the narrow rice-grain eye of the refined figures. The king
// wears a low rounded crown with the garuda at its back and holds up a kris,
// the wavy blade with its broad base and bent hilt; the queen wears her hair
// in a bun; the young knight has a hair knot curling forward like a claw,
// and a spear with a leaf-shaped head and a tassel.
#include "cards_court.h"

#include "paintkit.h"

#include <QLinearGradient>

#include <cmath>
#include <vector>

namespace art::court {
namespace {

// The kris, upright: seven waves from the broad base at 'baseY' to the point
// at 'tipY', centred on x = 'cx'; the asymmetric guard (ganja) under the
// blade and the hilt bent forward below it.
void kris(QPainter& p, const QPen& outline, double cx, double baseY, double tipY)
{
    std::vector<Pt> left, right;
    const int n = 28;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const double y = baseY + (tipY - baseY) * t;
        const double x = cx + 3.5 * std::sin(t * 7 * M_PI) * (1 - t * 0.5);
        const double w = 12.0 * (1 - t * 0.8);
        left.push_back({x - w, y});
        right.push_back({x + w, y});
    }
    std::vector<Pt> pts = left;
    pts.front().sharp = true;
    pts.push_back(corner(cx, tipY - 8));
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        pts.push_back(*it);
    pts.back().sharp = true;
    p.setPen(outline);
    p.setBrush(QColor(92, 98, 114));
    p.drawPath(spline(pts, true));
    // the pale damascening along the blade
    QPainterPath pamor;
    for (int i = 2; i <= n - 6; ++i) {
        const double t = double(i) / n;
        const QPointF c(cx - 4 + 3.5 * std::sin(t * 7 * M_PI) * (1 - t * 0.5), baseY + (tipY - baseY) * t);
        if (i == 2)
            pamor.moveTo(c);
        else
            pamor.lineTo(c);
    }
    p.setPen(QPen(QColor(200, 206, 220), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pamor);
    // the guard, wider on the front side, and the hilt bent forward
    p.setPen(outline);
    p.setBrush(robeGold);
    p.setBrush(QColor(120, 70, 30));
    p.drawPath(spline({{cx - 7, baseY + 6},
                       {cx + 7, baseY + 6},
                       {cx + 6, baseY + 18},
                       {cx - 2, baseY + 28},
                       corner(cx - 14, baseY + 30),
                       {cx - 11, baseY + 20},
                       {cx - 8, baseY + 13}},
                      true));
    p.setBrush(robeGold);
    p.drawPath(spline({corner(cx - 20, baseY + 2),
                       {cx - 14, baseY - 5},
                       corner(cx + 13, baseY - 3),
                       corner(cx + 13, baseY + 6),
                       corner(cx - 16, baseY + 8)},
                      true));
}

// The spear: a long shaft, a narrow leaf-shaped head with a dark midrib, a
// gold collar and a red tassel under it.
void spear(QPainter& p, const QPen& outline, double cx, double tipY)
{
    p.setPen(outline);
    p.setBrush(QColor(150, 92, 40));
    p.drawRect(QRectF(cx - 3, tipY + 40, 6, 140));
    p.setBrush(robeRed);
    p.drawPath(spline({{cx - 3, tipY + 44},
                       {cx - 12, tipY + 56},
                       corner(cx - 10, tipY + 70),
                       {cx - 4, tipY + 62},
                       corner(cx, tipY + 72),
                       {cx + 4, tipY + 62},
                       corner(cx + 10, tipY + 70),
                       {cx + 12, tipY + 56},
                       {cx + 3, tipY + 44}},
                      true));
    QLinearGradient g(cx - 8, 0, cx + 8, 0);
    g.setColorAt(0, QColor(150, 156, 172));
    g.setColorAt(0.5, QColor(236, 238, 244));
    g.setColorAt(1, QColor(140, 146, 162));
    p.setBrush(g);
    p.drawPath(spline({corner(cx, tipY),
                       {cx + 10, tipY + 18},
                       {cx + 7, tipY + 30},
                       corner(cx, tipY + 36),
                       {cx - 7, tipY + 30},
                       {cx - 10, tipY + 18}},
                      true));
    p.setPen(QPen(QColor(70, 74, 88), 1.4));
    p.drawLine(QPointF(cx, tipY + 6), QPointF(cx, tipY + 32));
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawPath(spline(
        {corner(cx - 6, tipY + 34), corner(cx + 6, tipY + 34), corner(cx + 5, tipY + 44), corner(cx - 5, tipY + 44)},
        true));
}

}  // namespace

// The upper half of a court figure inside the frame's half (0..fw, 0..fh in
// drawing pixels): a puppet's head in profile, shoulders in colour blocks,
// and the figure's attribute.
void half(QPainter& p, Figure who, const QPainterPath& suitSign, const QColor& suitColour, double fw)
{
    const double u = fw / 168.0;  // designed on a half 168 x 156
    p.save();
    p.scale(u, u);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(line, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto fill = [&](const QPainterPath& path, const QColor& c) {
        p.setPen(outline);
        p.setBrush(c);
        p.drawPath(path);
    };
    const QColor robeA = who == Figure::King ? robeRed : who == Figure::Queen ? robeBlue : QColor(34, 32, 40);
    const QColor robeB = who == Figure::King ? robeBlue : robeRed;

    // the attribute held up before the face, below the suit sign
    if (who == Figure::King)
        kris(p, outline, 32, 116, 40);
    else if (who == Figure::Jack)
        spear(p, outline, 42, 4);

    // shoulders and chest in colour blocks, with a gold collar
    fill(spline({corner(10, 158), {18, 134}, {46, 120}, {86, 115}, {128, 120}, {152, 134}, corner(160, 158)}, true),
         robeA);
    fill(spline({corner(62, 158), {66, 138}, {86, 129}, {106, 138}, corner(110, 158)}, true), robeB);
    fill(spline({{46, 122}, {86, 115}, {126, 122}, {118, 135}, {86, 130}, {54, 135}}, true), robeGold);
    // the collar's row of beads
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(58 + i * 9.4, 128 - std::sin(i / 6.0 * M_PI) * 4), 1.8, 1.8);
    // a lozenge pattern on the outer robe
    p.setBrush(robeGold);
    for (int i = 0; i < 4; ++i) {
        for (double x : {28.0 + i * 8, 144.0 - i * 8}) {
            const double y = 148 + (i % 2) * 6;
            p.drawPolygon(QPolygonF({QPointF(x, y - 5), QPointF(x + 3.5, y), QPointF(x, y + 5), QPointF(x - 3.5, y)}));
        }
    }

    // neck and head in profile, facing left, drawn a little larger than designed
    fill(spline({{76, 120}, {78, 96}, {98, 94}, {100, 120}}, true), skin);
    p.save();
    p.translate(86, 70);
    p.scale(1.3, 1.3);
    p.translate(-74, -57);
    // hair at the back of the head, black
    if (who == Figure::Queen)
        fill(spline({{96, 42}, {110, 52}, {114, 70}, corner(108, 90), {100, 80}, {92, 66}}, true), line);
    else
        fill(spline({{96, 40}, {108, 48}, {110, 64}, corner(104, 80), {98, 72}, {92, 62}}, true), line);
    // the face: one straight line from the hairline to the nose's point,
    // then straight back under it to the small mouth and chin
    const QPainterPath face = spline({corner(78, 34),
                                      corner(48, 65),
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
                                     true);
    fill(face, skin);
    // the lock of hair in front of the ear
    fill(spline({{86, 44}, {90, 46}, {88, 60}, {90, 70}, corner(94, 78), {86, 72}, {84, 58}}, true), line);
    // the rice-grain eye and the brow along the nose line
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawPath(spline({corner(63, 54), {71, 49}, corner(80, 51), {72, 55}}, true));
    p.setPen(QPen(line, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spline({{68, 44}, {75, 42}, {81, 45}}, false));
    p.drawLine(QPointF(65, 73), QPointF(59, 72));
    // the stud in the ear and the leaf behind it
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawPath(spline({{96, 58}, {104, 62}, {108, 72}, corner(106, 84), {100, 72}, {94, 66}}, true));
    p.drawEllipse(QPointF(94, 60), 4, 4);

    // headwear, each with a gold band with small teeth along the hairline
    auto band = [&](double back) {
        fill(spline({corner(76, 38), corner(80, 31), corner(84, 35), corner(88, 30), corner(92, 35), corner(96, 31),
                     corner(back, 36), corner(back, 44), corner(74, 42)},
                    true),
             robeGold);
    };
    if (who == Figure::King) {
        // a low rounded crown, a red jewel over the brow, the garuda at the
        // back looking behind
        fill(spline({{110, 24}, {120, 16}, corner(130, 18), {122, 22}, {128, 28}, {118, 30}, corner(110, 34)}, true),
             robeGold);
        fill(spline({corner(78, 34), {76, 22}, {84, 12}, {96, 9}, {106, 14}, {111, 26}, corner(108, 42)}, true),
             robeGold);
        fill(spline({corner(77, 26), {92, 22}, corner(110, 26), corner(110, 31), {92, 28}, corner(77, 32)}, true),
             robeRed);
        band(106);
        p.setPen(Qt::NoPen);
        p.setBrush(robeRed);
        p.drawEllipse(QPointF(84, 18), 2.6, 3.0);
    } else if (who == Figure::Queen) {
        // hair in a bun at the back with a gold comb, a lotus held up before
        // the face
        fill(spline({{80, 38}, {84, 24}, {98, 16}, {114, 22}, {118, 38}, {106, 48}, {90, 46}}, true), line);
        fill(spline({corner(86, 30), {94, 22}, {106, 20}, corner(114, 28), {104, 28}, {94, 32}}, true), robeGold);
        band(100);
        QPainterPath stem;
        stem.moveTo(36, 160);
        stem.quadTo(30, 120, 26, 86);
        p.setPen(QPen(QColor(40, 110, 50), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        for (int i = -2; i <= 2; ++i) {
            QTransform t;
            t.translate(26, 86);
            t.rotate(i * 28);
            fill(t.map(spline({corner(0, 0), {-7, -12}, corner(0, -26), {7, -12}}, true)),
                 i == 0 ? QColor(250, 190, 200) : QColor(236, 140, 160));
        }
    } else {
        // the young knight's hair knot rising at the back and curling
        // forward at the top like a claw, tied with a red band
        fill(spline({corner(80, 34), {80, 22}, {90, 12}, {104, 12}, {112, 22}, {112, 36}, corner(106, 44)}, true),
             line);
        fill(spline({{98, 14}, {90, 4}, {78, 2}, corner(66, 10), {78, 9}, {88, 12}, corner(94, 20)}, true), robeGold);
        fill(spline({corner(82, 26), {96, 22}, corner(112, 26), corner(112, 31), {96, 28}, corner(81, 31)}, true),
             robeRed);
        band(104);
    }

    p.restore();

    // the suit sign in the free upper corner of the frame
    QTransform t;
    t.translate(20, 22);
    t.scale(28, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour);
    p.drawPath(t.map(suitSign));
    p.restore();
}

}  // namespace art::court
