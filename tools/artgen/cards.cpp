// Playing cards: see cards.h.
//
// A card is 70 x 95 pixels, far too small to draw directly, so each is drawn
// at four times the size and reduced. The court figures are half-length and
// mirrored top to bottom as on real cards, but drawn as shadow-puppet
// profiles so the cards belong to the same world as the main window.
//
// Lengths are written in card pixels and multiplied by px, the drawing pixels
// per card pixel; a card for high-density screens is the same drawing with px
// doubled, reduced to twice the size.
#include "cards.h"

#include "paintkit.h"
#include "wayang.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

constexpr int W = 70, H = 95;
constexpr double SS = 4.0;  // supersampling factor

const QColor cardWhite(252, 250, 244);
const QColor cardEdge(120, 116, 128);
const QColor around(12, 14, 34);  // the night behind the card's corners
const QColor suitRed(196, 16, 32);
const QColor suitBlack(18, 16, 22);
const QColor robeRed(184, 22, 34);
const QColor robeBlue(30, 62, 150);
const QColor robeGold(226, 172, 48);
const QColor skin(250, 230, 196);
const QColor line(22, 16, 20);

enum class Suit { Spade, Heart, Diamond, Club };

// Suit shapes in a unit box: centred on 0, one unit high.
QPainterPath suitPath(Suit suit)
{
    QPainterPath p;
    switch (suit) {
    case Suit::Heart:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.12, 0.3, -0.5, 0.1, -0.5, -0.2);
        p.cubicTo(-0.5, -0.42, -0.34, -0.5, -0.25, -0.5);
        p.cubicTo(-0.1, -0.5, -0.02, -0.4, 0, -0.3);
        p.cubicTo(0.02, -0.4, 0.1, -0.5, 0.25, -0.5);
        p.cubicTo(0.34, -0.5, 0.5, -0.42, 0.5, -0.2);
        p.cubicTo(0.5, 0.1, 0.12, 0.3, 0, 0.5);
        p.closeSubpath();
        break;
    case Suit::Diamond:
        p.moveTo(0, -0.5);
        p.quadTo(0.16, -0.2, 0.38, 0);
        p.quadTo(0.16, 0.2, 0, 0.5);
        p.quadTo(-0.16, 0.2, -0.38, 0);
        p.quadTo(-0.16, -0.2, 0, -0.5);
        p.closeSubpath();
        break;
    case Suit::Spade:
        p.moveTo(0, -0.5);
        p.cubicTo(0.1, -0.32, 0.5, -0.12, 0.5, 0.12);
        p.cubicTo(0.5, 0.3, 0.38, 0.38, 0.26, 0.38);
        p.cubicTo(0.14, 0.38, 0.06, 0.32, 0.03, 0.24);
        p.cubicTo(0.05, 0.38, 0.12, 0.46, 0.2, 0.5);
        p.lineTo(-0.2, 0.5);
        p.cubicTo(-0.12, 0.46, -0.05, 0.38, -0.03, 0.24);
        p.cubicTo(-0.06, 0.32, -0.14, 0.38, -0.26, 0.38);
        p.cubicTo(-0.38, 0.38, -0.5, 0.3, -0.5, 0.12);
        p.cubicTo(-0.5, -0.12, -0.1, -0.32, 0, -0.5);
        p.closeSubpath();
        break;
    case Suit::Club: {
        p.setFillRule(Qt::WindingFill);
        p.addEllipse(QPointF(0, -0.25), 0.22, 0.22);
        p.addEllipse(QPointF(-0.25, 0.07), 0.22, 0.22);
        p.addEllipse(QPointF(0.25, 0.07), 0.22, 0.22);
        p.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
        QPainterPath stem;
        stem.moveTo(-0.04, 0.05);
        stem.cubicTo(-0.04, 0.3, -0.1, 0.44, -0.2, 0.5);
        stem.lineTo(0.2, 0.5);
        stem.cubicTo(0.1, 0.44, 0.04, 0.3, 0.04, 0.05);
        stem.closeSubpath();
        p.addPath(stem);
        p = p.simplified();
        break;
    }
    }
    return p;
}

QColor suitColour(Suit s)
{
    return (s == Suit::Heart || s == Suit::Diamond) ? suitRed : suitBlack;
}

// A pip of the suit, 'size' pixels (final) high, centred on 'c' (final
// pixels); 'flip' turns it upside down as on the lower half of a card.
void pip(QPainter& p, Suit suit, QPointF c, double size, double px, bool flip = false)
{
    QTransform t;
    t.translate(c.x() * px, c.y() * px);
    t.scale(size * px, size * px * (flip ? -1 : 1));
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(t.map(suitPath(suit)));
}

QImage blankCard(double px, QPainterPath* outline = nullptr)
{
    QImage img = canvas(int(W * px), int(H * px), around);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5 * px, 0.5 * px, (W - 1) * px, (H - 1) * px), 5 * px, 5 * px);
    p.setPen(QPen(cardEdge, 0.9 * px));
    p.setBrush(cardWhite);
    p.drawPath(card);
    if (outline)
        *outline = card;
    return img;
}

// Rank and suit in the top-left corner and, turned, in the bottom-right one.
void indices(QPainter& p, const QString& rank, Suit suit, double px)
{
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(int(12 * px));
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.6 * px);
    QPainterPath text;
    text.addText(0, 0, f, rank);
    const QRectF tb = text.boundingRect();
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(W * px, H * px);
            p.rotate(180);
        }
        // centre the rank over the pip in a column 12 pixels wide
        const double cx = 7.7 * px;
        QTransform t;
        t.translate(cx - tb.center().x(), 3.6 * px - tb.top());
        p.setPen(Qt::NoPen);
        p.setBrush(suitColour(suit));
        p.drawPath(t.map(text));
        pip(p, suit, QPointF(7.7, 21.0), 7.6, px);
        p.restore();
    }
}

// ---- court figures --------------------------------------------------------

enum class Court { King, Queen, Jack };

// The upper half of a court figure inside the frame's half (0..fw, 0..fh in
// drawing pixels): a puppet's head in profile, shoulders in colour blocks,
// and the figure's attribute.
void courtHalf(QPainter& p, Court court, Suit suit, double fw)
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
    const QColor robeA = court == Court::King ? robeRed : court == Court::Queen ? robeBlue : QColor(34, 32, 40);
    const QColor robeB = court == Court::King ? robeBlue : robeRed;

    // the attribute behind the figure
    if (court == Court::King) {
        // a kris, its wavy blade raised behind the shoulder
        QPainterPath blade = spline({corner(118, 150),
                                     {126, 120},
                                     {118, 100},
                                     {130, 76},
                                     {122, 54},
                                     {134, 32},
                                     corner(132, 10),
                                     {142, 32},
                                     {134, 54},
                                     {142, 76},
                                     {130, 100},
                                     {138, 120},
                                     corner(130, 150)},
                                    true);
        QLinearGradient g(118, 0, 142, 0);
        g.setColorAt(0, QColor(230, 232, 240));
        g.setColorAt(1, QColor(150, 156, 172));
        p.setPen(outline);
        p.setBrush(g);
        p.drawPath(blade);
    } else if (court == Court::Jack) {
        // a spear with a leaf-shaped head
        QPainterPath shaft;
        shaft.addRect(QRectF(130, 40, 7, 110));
        fill(shaft, QColor(150, 92, 40));
        fill(spline({corner(133.5, 0), {146, 22}, {140, 40}, corner(133.5, 46), {127, 40}, {121, 22}}, true),
             QColor(220, 224, 234));
        fill(spline({corner(124, 42), corner(143, 42), corner(140, 52), corner(127, 52)}, true), robeGold);
    }

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
    // hair behind, black
    fill(spline({{96, 44}, {112, 56}, {114, 76}, corner(108, 96), {100, 84}, {92, 70}}, true), line);
    const QPainterPath face = spline({corner(76, 34),
                                      corner(50, 62),
                                      {60, 63},
                                      {62, 66},
                                      corner(58, 69),
                                      {62, 72},
                                      {64, 78},
                                      {76, 80},
                                      {90, 74},
                                      {98, 60},
                                      {98, 42}},
                                     true);
    fill(face, skin);
    // eye and brow
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawPath(spline({corner(62, 50), {70, 48}, corner(78, 51), {70, 52}}, true));
    p.setPen(QPen(line, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spline({{60, 44}, {70, 42}, {80, 46}}, false));
    // ear ornament
    p.setPen(outline);
    p.setBrush(robeGold);
    p.drawEllipse(QPointF(92, 60), 4.5, 4.5);

    // headwear
    if (court == Court::King) {
        // tall crown leaning back, gold with red jewels
        const QPainterPath crown = spline(
            {corner(70, 40), corner(98, 40), {103, 28}, {102, 16}, corner(97, 8), {87, 13}, {77, 22}, corner(72, 32)},
            true);
        fill(crown, robeGold);
        p.setPen(Qt::NoPen);
        p.setBrush(robeRed);
        p.drawEllipse(QPointF(86, 31), 3.6, 3.6);
        p.drawEllipse(QPointF(94, 19), 2.6, 2.6);
        p.setBrush(robeBlue);
        p.drawEllipse(QPointF(80, 33), 2.5, 2.5);
        // beard
        fill(spline({{62, 74}, {70, 84}, {80, 88}, {92, 80}, {86, 74}, {72, 76}}, true), line);
    } else if (court == Court::Queen) {
        // hair bun with a gold comb, and a lotus held up before the face
        fill(spline({{78, 40}, {84, 22}, {100, 14}, {116, 22}, {118, 40}, {104, 48}, {90, 48}}, true), line);
        fill(spline({corner(82, 38), {90, 26}, {104, 22}, corner(114, 30), {104, 30}, {92, 36}}, true), robeGold);
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
        // young knight: a small cap with a feather curling back
        fill(spline({corner(74, 40), {78, 24}, {92, 18}, {104, 24}, corner(102, 44)}, true), robeRed);
        fill(spline({corner(74, 42), corner(102, 44), corner(102, 50), corner(76, 48)}, true), robeGold);
        fill(spline({{98, 24}, {114, 8}, {132, 10}, corner(142, 24), {126, 18}, {112, 20}, {104, 28}}, true), robeGold);
    }

    p.restore();

    // the suit sign in the free upper corner of the frame
    QTransform t;
    t.translate(20, 22);
    t.scale(28, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(t.map(suitPath(suit)));
    p.restore();
}

QImage courtCard(Court court, Suit suit, const QString& rank, int scale)
{
    const double px = SS * scale;
    QImage img = blankCard(px);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(14.5 * px, 8.5 * px, 41 * px, 78 * px);
    const double half = frame.height() / 2;

    p.save();
    p.setClipRect(frame);
    p.fillRect(frame, QColor(255, 248, 228));
    for (int side = 0; side < 2; ++side) {
        p.save();
        if (side == 0) {
            p.translate(frame.topLeft());
        } else {
            p.translate(frame.bottomRight());
            p.rotate(180);
        }
        p.setClipRect(QRectF(0, 0, frame.width(), half), Qt::IntersectClip);
        courtHalf(p, court, suit, frame.width());
        p.restore();
    }
    p.restore();
    // frame lines: a gold rule inside a dark one, and the gold divider
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 0.9 * px));
    p.drawRect(frame);
    p.setPen(QPen(robeGold, 0.8 * px));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    indices(p, rank, suit, px);
    p.end();
    return reduce(img, W * scale, H * scale);
}

QImage numberCard(Suit suit, const QString& rank, const std::vector<QPointF>& pips, double size, int scale)
{
    const double px = SS * scale;
    QImage img = blankCard(px);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPointF& c : pips)
        pip(p, suit, c, size, px, c.y() > H / 2.0 + 1);
    indices(p, rank, suit, px);
    p.end();
    return reduce(img, W * scale, H * scale);
}

QImage aceOfSpades(int scale)
{
    const double px = SS * scale;
    QImage img = blankCard(px);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(35 * px, 47.5 * px);

    // a ring of gold and red flourishes behind the great spade
    p.setPen(QPen(robeGold, 0.9 * px));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 24 * px, 27 * px);
    p.setPen(QPen(suitRed, 0.5 * px));
    p.drawEllipse(c, 22 * px, 25 * px);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const QPointF at = c + QPointF(std::cos(a) * 24 * px, std::sin(a) * 27 * px);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? suitRed : robeGold);
        p.drawEllipse(at, 1.3 * px, 1.3 * px);
    }

    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(38 * px, 42 * px);
    const QPainterPath spade = t.map(suitPath(Suit::Spade));
    p.setPen(Qt::NoPen);
    p.setBrush(suitBlack);
    p.drawPath(spade);
    // a gold line inside the edge and a star in the heart of the spade
    QPainterPathStroker st;
    st.setWidth(4.2 * px);
    const QPainterPath inner = spade.subtracted(st.createStroke(spade));
    p.setPen(QPen(robeGold, 0.6 * px));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner);
    QPolygonF star;
    const QPointF sc = c + QPointF(0, 1.5 * px);
    for (int i = 0; i < 16; ++i) {
        const double r = (i % 2 ? 2.2 : 6.0) * px;
        const double a = i * M_PI / 8 - M_PI / 2;
        star << sc + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(robeGold);
    p.drawPolygon(star);
    p.setBrush(suitRed);
    p.drawEllipse(sc, 1.3 * px, 1.3 * px);

    indices(p, "A", Suit::Spade, px);
    p.end();
    return reduce(img, W * scale, H * scale);
}

}  // namespace

QImage cardBack(int scale)
{
    const double px = SS * scale;
    QPainterPath card;
    QImage img = blankCard(px, &card);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF field(4 * px, 4 * px, (W - 8) * px, (H - 8) * px);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 3 * px, 3 * px);
    {
        QRadialGradient g(field.center(), field.height() * 0.7);
        g.setColorAt(0.0, QColor(168, 14, 32));
        g.setColorAt(1.0, QColor(110, 4, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(fieldPath);
    }

    // kawung, the batik of four plump oval petals round a small dot, in gold.
    // The petals are fat, a little over half as wide as long, with red
    // showing all round each: thin ones read as a lattice of crosses on so
    // small a card, and ones touching their neighbours as a gold net.
    p.save();
    p.setClipPath(fieldPath);
    const double cell = 11 * px;
    const QPointF origin = field.center();
    const double along = cell * 0.31;  // from the motif's centre to a petal's centre
    const double half = cell * 0.26;  // half the petal's length
    const double wide = cell * 0.145;  // half its width
    for (int j = -5; j <= 5; ++j) {
        for (int i = -4; i <= 4; ++i) {
            const QPointF c = origin + QPointF(i * cell, j * cell);
            for (int k = 0; k < 4; ++k) {
                p.save();
                p.translate(c);
                p.rotate(45 + k * 90);
                QRadialGradient g(QPointF(along, 0), half);
                g.setColorAt(0.0, QColor(246, 204, 104));
                g.setColorAt(1.0, QColor(206, 148, 46));
                p.setPen(QPen(QColor(96, 8, 20), 0.35 * px));
                p.setBrush(g);
                p.drawEllipse(QPointF(along, 0), half, wide);
                p.restore();
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 236, 200));
            p.drawEllipse(c, cell * 0.06, cell * 0.06);
        }
    }
    p.restore();

    // gold double rule around the field
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(robeGold, 0.8 * px));
    p.drawRoundedRect(field.adjusted(1.6 * px, 1.6 * px, -1.6 * px, -1.6 * px), 2 * px, 2 * px);
    p.setPen(QPen(QColor(250, 236, 200), 0.5 * px));
    p.drawRoundedRect(field.adjusted(3.0 * px, 3.0 * px, -3.0 * px, -3.0 * px), 1.5 * px, 1.5 * px);

    // the medallion: a dark oval holding a golden kayon
    const QPointF mc = field.center();
    QPainterPath medal;
    medal.addEllipse(mc, 17 * px, 23 * px);
    p.setPen(QPen(robeGold, 1.0 * px));
    {
        QRadialGradient g(mc, 23 * px);
        g.setColorAt(0.0, QColor(40, 10, 40));
        g.setColorAt(1.0, QColor(14, 6, 24));
        p.setBrush(g);
    }
    p.drawPath(medal);
    p.setPen(QPen(QColor(250, 236, 200), 0.45 * px));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mc, 15 * px, 21 * px);
    const QImage kayon = kayonLayer(img.size(), mc + QPointF(0, 16 * px), 33 * px, 0, scale);
    p.drawImage(0, 0, kayon);
    p.end();
    return reduce(img, W * scale, H * scale);
}

QImage cardFace(Card card, int scale)
{
    switch (card) {
    case Card::KingOfSpades:
        return courtCard(Court::King, Suit::Spade, "K", scale);
    case Card::QueenOfClubs:
        return courtCard(Court::Queen, Suit::Club, "Q", scale);
    case Card::JackOfHearts:
        return courtCard(Court::Jack, Suit::Heart, "J", scale);
    case Card::AceOfSpades:
        return aceOfSpades(scale);
    case Card::ThreeOfDiamonds:
        break;
    }
    return numberCard(Suit::Diamond, "3", {{35, 20}, {35, 47.5}, {35, 75}}, 15, scale);
}

}  // namespace art
