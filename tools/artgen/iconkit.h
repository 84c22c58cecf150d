// What the small pictures share (iconkit.cpp): the icons' gold, the
// two-colour cut, supersampled drawing and a star polygon.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

namespace art::iconkit {

inline const QColor gold(232, 178, 60);
inline const QColor black(0, 0, 0);

// Draws with 'shape', white on black, on a 32-unit square at 16 times the
// final pixel, then reduces it to 32 x 32 ('scale' times that for
// high-density screens) and cuts it to two colours: gold where at least half
// of a pixel was covered, black elsewhere.
QImage twoColour(const std::function<void(QPainter&)>& shape, int scale);
// The same on a square of any size: the shape's 32 units fill 'pixels'.
QImage twoColourSquare(const std::function<void(QPainter&)>& shape, int pixels);

// The same cut for a picture that is already drawn pixel by pixel: gold
// where 'coverage' (grey levels) is at least half.
QImage twoColour(const QImage& coverage);

// Draws with 'draw' in the units of a picture designed at 'size', on a canvas
// 'detail' times larger for smooth edges and 'scale' times larger again for
// high-density screens, and reduces it to 'size' times 'scale'.
QImage supersampled(QSize size, double detail, int scale, QColor fill, const std::function<void(QPainter&)>& draw);

// A star of 'points' points round 'c', the first one straight up ('turn'
// radians turns it), with the current pen and brush.
void starPolygon(QPainter& p, QPointF c, double outer, double inner, int points, double turn = 0);

}  // namespace art::iconkit
