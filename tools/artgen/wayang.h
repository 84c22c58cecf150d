// Shadow-puppet (wayang kulit) figures in gold: three kinds of warrior drawn
// from outlines in a figure space 1000 units tall (feet at y = 0, the top of
// the headdress near y = -1000, facing right), and the kayon, the leaf-shaped
// mountain that opens and closes a play. The pictures place them with a
// transform and receive a transparent layer with the lace already cut out.
#pragma once

#include "paintkit.h"

#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QTransform>

namespace art {

enum class WayangKind {
    Satria,   // slim noble knight, head bowed, hair in a curled bun
    Raja,     // king with a tall crown and the wing-like ornament behind the shoulders
    Gagah,    // broad, strong warrior, head raised, round eye, wide stance
};

// A figure on a transparent layer of 'size'. 'foot' is where the feet stand,
// 'height' the figure's height in pixels of the layer; 'faceRight' false
// mirrors it. The lace is cut through, so what lies behind shows in the holes.
// 'scale' is how many times larger than designed the picture is drawn: the
// thinnest lines and smallest holes, kept visible in small figures, grow with it.
QImage wayangLayer(const QSize& size, WayangKind kind, QPointF foot, double height, bool faceRight,
                   int scale = 1);

// The outline of a figure alone (same placement rules), for faint silhouettes.
QPainterPath wayangSilhouette(WayangKind kind, QPointF foot, double height, bool faceRight);

// The kayon: the pointed leaf-shaped mountain, as a gold lace layer, standing
// on 'foot' with the given height; 'scale' as for wayangLayer.
QImage kayonLayer(const QSize& size, QPointF foot, double height, double tiltDeg, int scale = 1);
QPainterPath kayonSilhouette(QPointF foot, double height, double tiltDeg);

} // namespace art
