// What the window backgrounds share (scenekit.cpp): the supersampling
// factor, the calm rectangles where controls sit, the night sky and its
// stars, the comet, the ridges and the volcano, and the banyan.
#pragma once

#include "paintkit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <vector>

namespace art {

constexpr double SS = 2.0;  // supersampling factor

// How freely stars may shine at a point (in drawing pixels, px to a designed
// pixel): dimmed inside the calm rectangles (given in designed pixels) and a
// margin around them.
std::function<double(QPointF)> calmMask(std::vector<QRectF> calm, double margin, double px);

void skyGradient(QPainter& p, const QRectF& r, double horizon, QColor low);

// A faint band of the Milky Way: a soft glow along a line and many tiny stars
// clustered around it. Points and width are in drawing pixels.
void milkyWay(QPainter& p, QPointF a, QPointF b, double width, Rng& rng, int stars,
              const std::function<double(QPointF)>& allow, int scale);

void nebula(QPainter& p, QPointF c, double r, QColor colour, double alpha);

// A comet diving from 'tailEnd' towards 'head' (drawing pixels): a bright
// nucleus, a short coma and two tails, the dust tail broad and curved, the ion
// tail straight.
void comet(QPainter& p, QPointF head, QPointF tailEnd, int scale);

// Rolling ridge silhouette across the picture.
QPainterPath ridge(double w, double h, const std::vector<QPointF>& pts);

// A volcano's cone seen from afar: slopes hollowing as they rise to a
// short, broken crater rim. All in drawing pixels.
QPainterPath volcano(double cx, double base, double width, double height, double crater);

// A banyan (beringin) at night: a trunk of stems grown together, limbs
// spreading wide, a broad crown of leaf clumps with the sky showing through
// here and there, and curtains of air roots hanging from the limbs. 'foot'
// is the base of the trunk in drawing pixels, 'px' drawing pixels per
// designed pixel.
QPainterPath banyan(QPointF foot, double px, Rng& rng);

}  // namespace art
