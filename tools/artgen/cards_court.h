// The court figures of the playing cards (cards_court.cpp and its parts),
// drawn for cards.cpp, which lays them out on the card.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace art::court {

inline const QColor robeRed(184, 22, 34);
inline const QColor robeBlue(30, 62, 150);
inline const QColor robeGold(226, 172, 48);
inline const QColor skin(250, 230, 196);
inline const QColor line(22, 16, 20);

enum class Figure { King, Queen, Jack };

// The upper half of a court figure inside the frame's half (0..fw wide, its
// height a little under that), facing left: a wayang bust, the head in
// profile over a bare chest, the figure's attribute, and 'suitSign' (a suit
// shape one unit high) in 'suitColour' in the free upper corner.
void half(QPainter& p, Figure who, const QPainterPath& suitSign, const QColor& suitColour, double fw);

}  // namespace art::court
