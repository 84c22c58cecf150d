// The court figures of the playing cards: see cards_court.h.
//
// They are wayang busts, mirrored top to bottom as on real cards: the head
// in profile over a bare chest seen from the front, with the gold necklace
// (kalung) and the armlets (kelat bahu) the puppets wear; the queen's chest
// is wrapped in a breast cloth (kemben). The heads are drawn in
// cards_heads.cpp, what the figures hold in cards_attributes.cpp.
#include "cards_court.h"

#include "cards_court_parts.h"
#include "paintkit.h"

namespace art::court {
namespace {

// The shoulders, the upper arms and the chest down to the card's middle,
// with the necklace and the armlets; 'cloth' wraps the chest in a kemben.
void bust(QPainter& p, const QPen& outline, const QColor& body, const QColor* cloth, double onePx)
{
    auto fill = [&](const QPainterPath& path, const QColor& c) {
        p.setPen(outline);
        p.setBrush(c);
        p.drawPath(path);
    };
    // sloping shoulders, the upper arms hanging at the sides
    fill(spline({corner(12, 160),
                 {14, 138},
                 {22, 124},
                 {40, 114},
                 {66, 108},
                 {106, 108},
                 {132, 114},
                 {150, 124},
                 {158, 138},
                 corner(160, 160)},
                true),
         body);
    // where the upper arms meet the chest, and the chest's two muscles
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(spline({{40, 160}, {38, 142}, {42, 128}}, false));
    p.drawPath(spline({{132, 160}, {134, 142}, {130, 128}}, false));
    if (!cloth) {
        p.setPen(QPen(line, 0.9 * onePx, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(spline({{50, 142}, {64, 148}, {80, 144}}, false));
        p.drawPath(spline({{92, 144}, {108, 148}, {122, 142}}, false));
    }
    if (cloth) {
        // the breast cloth, its upper edge gold, with a row of gold flowers
        fill(spline({corner(37, 134),
                     {62, 128},
                     {86, 131},
                     {110, 128},
                     corner(133, 134),
                     corner(134, 160),
                     corner(36, 160)},
                    true),
             *cloth);
        p.setPen(QPen(robeGold, 1.4 * onePx, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(spline({{40, 136}, {62, 131}, {86, 134}, {110, 131}, {130, 136}}, false));
        p.setPen(Qt::NoPen);
        p.setBrush(robeGold);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(52 + i * 22, 148 + (i % 2) * 4), 0.9 * onePx, 0.9 * onePx);
    }
    // the armlets, each a gold band with a small peak and a red stone
    for (double side : {-1.0, 1.0}) {
        auto x = [side](double at) { return 86 + side * (at - 86); };
        fill(spline({corner(x(13), 136),
                     {x(26), 134},
                     corner(x(30), 128),
                     {x(34), 135},
                     corner(x(40), 137),
                     corner(x(40), 146),
                     {x(26), 148},
                     corner(x(12), 145)},
                    true),
             robeGold);
        p.setPen(Qt::NoPen);
        p.setBrush(robeRed);
        p.drawEllipse(QPointF(x(28), 141), 0.9 * onePx, 0.9 * onePx);
    }
    // the necklace: a gold crescent under the neck with a red pendant
    fill(spline({corner(66, 108), {86, 122}, corner(108, 108), corner(112, 112), {87, 131}, corner(62, 112)}, true),
         robeGold);
    p.setPen(outline);
    p.setBrush(robeRed);
    p.drawEllipse(QPointF(87, 133), 1.2 * onePx, 1.4 * onePx);
}

}  // namespace

void half(QPainter& p, Figure who, const QPainterPath& suitSign, const QColor& suitColour, double fw)
{
    const double u = fw / 168.0;  // designed on a half 168 x 156
    const double onePx = 168.0 / 41.0;  // a card pixel in those units: the frame is 41 pixels wide
    p.save();
    p.scale(u, u);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(line, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    const QColor body = who == Figure::King ? faceGold : skinLight;
    const QColor kemben = robeBlue;
    bust(p, outline, body, who == Figure::Queen ? &kemben : nullptr, onePx);

    // the neck, then the head: the queen's smaller and bowed
    p.setPen(outline);
    p.setBrush(body);
    p.drawPath(spline({{76, 112}, {78, 94}, {98, 92}, {100, 112}}, true));
    p.save();
    double scale = 1.28;
    if (who == Figure::Queen) {
        scale = 1.16;
        p.translate(84, 76);
        p.rotate(-12);
    } else {
        p.translate(86, 74);
    }
    p.scale(scale, scale);
    p.translate(-74, -57);
    head(p, who, QPen(line, 3.0 / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), onePx / scale);
    p.restore();

    // what each holds up before the face, below the suit sign
    if (who == Figure::King)
        kris(p, outline, 24, 112, 46);
    else if (who == Figure::Jack)
        spear(p, outline, 42, 4);
    else
        lotus(p, outline, QPointF(36, 160), QPointF(26, 88));

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
