// The playing cards dealt on the main window: one back for all five and the
// five faces, each 70 x 95 pixels.
#pragma once

#include <QImage>

namespace art {

enum class Card { KingOfSpades, ThreeOfDiamonds, QueenOfClubs, AceOfSpades, JackOfHearts };

// At 'scale' 2 the same card, drawn at twice the size for high-density screens.
QImage cardBack(int scale = 1);
QImage cardFace(Card card, int scale = 1);

}  // namespace art
