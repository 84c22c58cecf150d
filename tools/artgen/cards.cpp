// Playing cards: see cards.h.
//
// A card is 70 x 95 pixels, far too small to draw directly, so each is drawn
// at four times the size and reduced. The court figures are busts mirrored
// top to bottom as on real cards, but drawn as wayang puppets so the cards
// belong to the same world as the main window. The back is in cardback.cpp.
//
// Lengths are written in card pixels and multiplied by px, the drawing pixels
// per card pixel; a card for high-density screens is the same drawing with px
// doubled, reduced to twice the size.
#include "cards.h"

#include "cards_court.h"
#include "cards_kit.h"
#include "paintkit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>

#include <cmath>

namespace art {

namespace cardkit {

const QColor cardWhite(252, 250, 244);
const QColor cardEdge(120, 116, 128);
const QColor around(12, 14, 34);  // the night behind the card's corners

QImage blankCard(double px, QPainterPath* outline)
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

}  // namespace cardkit

namespace {

using cardkit::blankCard;
using cardkit::H;
using cardkit::SS;
using cardkit::W;

const QColor suitRed(196, 16, 32);
const QColor suitBlack(18, 16, 22);
using court::line;
using court::robeGold;

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

// ---- court figures (drawn in cards_court.cpp) --------------------------

using Court = court::Figure;

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
        court::half(p, court, suitPath(suit), suitColour(suit), frame.width());
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
