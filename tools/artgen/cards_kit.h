// What the card's face and back share (cards.cpp, cardback.cpp).
#pragma once

#include <QImage>
#include <QPainterPath>

namespace art::cardkit {

constexpr int W = 70, H = 95;  // a card, in card pixels
constexpr double SS = 4.0;  // each card is drawn this many times larger and reduced

// A white card with rounded corners on the night behind it, 'px' drawing
// pixels to the card pixel; 'outline', if given, receives the card's edge.
QImage blankCard(double px, QPainterPath* outline = nullptr);

}  // namespace art::cardkit
