// The playing cards dealt on the main window: one back for all five and the
// five faces, each 70 x 95 pixels.
#pragma once

#include <QImage>

namespace art {

enum class Card { KingOfSpades, ThreeOfDiamonds, QueenOfClubs, AceOfSpades, JackOfHearts };

QImage cardBack();
QImage cardFace(Card card);

} // namespace art
