// The parts of the court figures, shared by cards_court.cpp (the bust and
// its layout), cards_heads.cpp (faces and headdresses) and
// cards_attributes.cpp (what each figure holds).
#pragma once

#include "cards_court.h"

#include <QPen>

namespace art::court {

inline const QColor faceGold(238, 198, 112);  // the king's gilded face and body
inline const QColor skinLight(246, 214, 160);  // the queen's and the jack's
inline const QColor hair(20, 16, 22);

// The head in profile facing left, in the head's own units (the face runs
// from about x 48 to 98 and y 34 to 84). 'onePx' is one card pixel in these
// units: the eye and the brow are drawn two pixels wide so that they survive
// the reduction to the card's size.
void head(QPainter& p, Figure who, const QPen& outline, double onePx);

// The kris upright, its point at 'tipY' and the top of its guard at 'baseY',
// centred on x = 'cx', with the hilt below the guard.
void kris(QPainter& p, const QPen& outline, double cx, double baseY, double tipY);
// The spear: a long shaft, a leaf-shaped head at 'tipY' and a red tassel.
void spear(QPainter& p, const QPen& outline, double cx, double tipY);
// A lotus on its stem, the flower at 'flower', the stem from 'root'.
void lotus(QPainter& p, const QPen& outline, QPointF root, QPointF flower);

}  // namespace art::court
