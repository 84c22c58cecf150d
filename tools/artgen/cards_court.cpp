// The court figures of the playing cards: see cards_court.h.
//
// They are wayang busts, mirrored top to bottom as on real cards: the head
// in profile over a chest seen from the front, with the gold necklace
// (kalung). The king and the jack have a man's broad square shoulders and
// the armlets (kelat bahu) the puppets wear; the queen has her own body,
// narrower, the shoulders falling from the neck, her arms bare but for a
// bracelet, her chest wrapped in a breast cloth (kemben). The heads are
// drawn in cards_heads.cpp, what the figures hold in cards_attributes.cpp.
#include "cards_court.h"

#include "cards_court_parts.h"
#include "paintkit.h"

namespace art::court {
namespace {

struct Fill {
    QPainter& p;
    const QPen& outline;
    void operator()(const QPainterPath& path, const QColor& c) const
    {
        p.setPen(outline);
        p.setBrush(c);
        p.drawPath(path);
    }
};

// The necklace: a gold crescent under the neck, 'w' wide on each side of
// the middle, with a red pendant.
void necklace(QPainter& p, const QPen& outline, double w, double drop, double onePx)
{
    const double c = 86.5;
    Fill{p, outline}(spline({corner(c - w, 108),
                             {c, 108 + drop * 0.6},
                             corner(c + w, 108),
                             corner(c + w + 4, 112),
                             {c, 110 + drop},
                             corner(c - w - 4, 112)},
                            true),
                     robeGold);
    p.setPen(outline);
    p.setBrush(robeRed);
    p.drawEllipse(QPointF(c, 112 + drop), 1.2 * onePx, 1.4 * onePx);
}

// A man's shoulders, broad and square, the upper arms and the chest down to
// the card's middle, with the armlets (kelat bahu) the puppets wear.
void manBust(QPainter& p, const QPen& outline, const QColor& body, double onePx)
{
    const Fill fill{p, outline};
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
    p.setPen(QPen(line, 0.9 * onePx, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spline({{50, 142}, {64, 148}, {80, 144}}, false));
    p.drawPath(spline({{92, 144}, {108, 148}, {122, 142}}, false));
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
    necklace(p, outline, 20.5, 21, onePx);
}

// A woman's shoulders, narrow and falling from the neck, bare arms without
// ornament, and the breast cloth (kemben) with its gold upper edge and a row
// of gold flowers.
void womanBust(QPainter& p, const QPen& outline, const QColor& body, const QColor& cloth, double onePx)
{
    const Fill fill{p, outline};
    fill(spline({corner(30, 160),
                 {31, 144},
                 {36, 130},
                 {48, 119},
                 {64, 112},
                 {76, 109},
                 {97, 109},
                 {109, 112},
                 {125, 119},
                 {137, 130},
                 {142, 144},
                 corner(143, 160)},
                true),
         body);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(spline({{50, 160}, {48, 146}, {51, 134}}, false));
    p.drawPath(spline({{123, 160}, {125, 146}, {122, 134}}, false));
    fill(spline(
             {corner(48, 136), {66, 131}, {86.5, 134}, {107, 131}, corner(125, 136), corner(126, 160), corner(47, 160)},
             true),
         cloth);
    p.setPen(QPen(robeGold, 1.4 * onePx, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spline({{51, 138}, {66, 134}, {86.5, 137}, {107, 134}, {122, 138}}, false));
    p.setPen(Qt::NoPen);
    p.setBrush(robeGold);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(59 + i * 18.5, 150 + (i % 2) * 4), 0.9 * onePx, 0.9 * onePx);
    necklace(p, outline, 15, 16, onePx);
}

// The queen's hand raised before her shoulder, holding the lotus's stem,
// a gold bracelet at the wrist.
void lotusHand(QPainter& p, const QPen& outline, double onePx)
{
    const Fill fill{p, outline};
    fill(spline({corner(27, 132), corner(37, 132), {41, 146}, corner(47, 160), corner(32, 160), {28, 146}}, true),
         skinLight);
    fill(spline({corner(25, 119), {31, 115}, {37, 117}, {39, 124}, corner(37, 131), corner(27, 132), {24, 126}}, true),
         skinLight);
    p.setPen(QPen(line, 0.7 * onePx, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 123), QPointF(31, 123));
    p.drawLine(QPointF(25, 127), QPointF(31, 127));
    fill(spline({corner(26, 131), corner(38, 131), corner(39, 137), corner(27, 137)}, true), robeGold);
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
    if (who == Figure::Queen)
        womanBust(p, outline, body, robeBlue, onePx);
    else
        manBust(p, outline, body, onePx);

    // the neck, then the head: the queen's smaller and bowed
    p.setPen(outline);
    p.setBrush(body);
    if (who == Figure::Queen)
        p.drawPath(spline({{78, 112}, {80, 94}, {95, 92}, {96, 112}}, true));
    else
        p.drawPath(spline({{76, 112}, {78, 94}, {98, 92}, {100, 112}}, true));
    p.save();
    double scale = 1.28;
    if (who == Figure::Queen) {
        scale = 1.16;
        p.translate(84, 76);
        p.rotate(-12);
    } else if (who == Figure::King) {
        // a little smaller and lower than the jack's: the crown stands high
        scale = 1.2;
        p.translate(86, 80);
    } else {
        p.translate(86, 74);
    }
    p.scale(scale, scale);
    p.translate(-74, -57);
    head(p, who, QPen(line, 3.0 / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), onePx / scale);
    p.restore();

    // what each holds up before the face, below the suit sign
    if (who == Figure::King)
        kris(p, outline, 26, 112, 44);
    else if (who == Figure::Jack)
        spear(p, outline, 42, 4);
    else {
        lotus(p, outline, QPointF(36, 160), QPointF(26, 88));
        lotusHand(p, outline, onePx);
    }

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
