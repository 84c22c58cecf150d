// Shadow puppets (wayang kulit) in gold: three figures of the Javanese
// play, drawn from outlines in a figure space 1000 units tall (the soles at
// y = 0, the top of the headdress near y = -1000, facing right), each planted
// on its central rod with a rod hanging from either hand; and the kayon, the
// leaf-shaped mountain that opens and closes a play. The pictures place them
// with a transform and receive a transparent layer with the lace already cut
// out.
#pragma once

#include "paintkit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

namespace art {

enum class WayangKind {
    Satria,  // slim refined knight, head bowed, rice-grain eye, hair knot with two claws
    Raja,  // king with a low rounded crown and the praba, a plate like a folded wing, behind his shoulders
    Gagah,  // broad strong one, head raised, round eye, great curled knot, wide straight stance
};

// A figure on a transparent layer of 'size'. 'foot' is where the soles stand,
// 'height' the figure's height from the soles to the top of its head-dress in
// pixels of the layer; the rods reach a little below the soles, into the
// banana trunk they stand on.
// 'faceRight' false mirrors it. The lace is cut through, so what lies behind
// shows in the holes. 'scale' is how many times larger than designed the
// picture is drawn: the thinnest lines and smallest holes, kept visible in
// small figures, grow with it.
QImage wayangLayer(const QSize& size, WayangKind kind, QPointF foot, double height, bool faceRight, int scale = 1);

// How the kayon's foot is made: on a stepped plinth, or with a straight base
// to push into the banana trunk on the stage.
enum class KayonBase { Plinth, Planted };

// The kayon's outline in the figure space (its point at y = -1000, its foot
// at y = 0): on a stepped plinth, or with its base running straight down to
// be sunk in the banana trunk. The icons draw the same leaf.
QPainterPath kayonOutline(KayonBase base);

// The kayon: the pointed leaf-shaped mountain, as a gold lace layer, standing
// on 'foot' with the given height; 'scale' as for wayangLayer.
QImage kayonLayer(const QSize& size, QPointF foot, double height, double tiltDeg, int scale = 1,
                  KayonBase base = KayonBase::Plinth);

// The banana trunk the puppets are planted in, lying along the stage in
// 'trunk' (drawing pixels, 'px' of them to a designed pixel), its cut end at
// the left.
void bananaTrunk(QPainter& p, const QRectF& trunk, double px);

}  // namespace art
