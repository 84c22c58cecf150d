// What a wayang figure is made of, shared between the drawings of the
// figures (wayang_figures.cpp) and the code that gilds, paints and cuts them
// (wayang.cpp). Everything is in figure space: 1000 units from the soles to
// the top of the headdress, feet at y = 0, facing right; the rods reach
// below the feet.
#pragma once

#include "wayang.h"

#include <QPainterPath>
#include <QPointF>

#include <vector>

namespace art::puppet {

// The holes chiselled through a part of the leather.
enum class Lace {
    None,  // plain (face, body, hands)
    Edge,  // one row of holes along the rim
    Rows,  // rows of holes following the rim, one inside the other
    Dots,  // rim row plus a staggered field of round holes
    Diamonds,  // rim row plus small lozenges
    Slots,  // rim row plus slanted slits (pleated cloth)
};

// What is painted on a part. Gold is gold leaf; hair is black; the colours
// are laid in bands from dark at the rim to light inside, as the puppet
// painters grade them, with a row of small gold teeth along the rim; the
// cloths carry their batik.
enum class Paint {
    Gold,
    Hair,
    Red,
    Green,
    Parang,  // the knight's cloth: slanting rows of gold on dark brown
    Dodot,  // the king's cloth: red with gold flowers
    Poleng,  // the strong one's cloth: checks of red, black, white and gold
};

struct Part {
    QPainterPath path;
    Lace lace = Lace::Edge;
    Paint paint = Paint::Gold;
    double tone = 0.0;  // below 0 darker (the far limbs), above 0 lighter
};

// A painted dark line over the gold: brows, moustache, the joints' pins.
struct Ink {
    QPainterPath path;
    double width;  // figure units
};

// A horn rod: its centre line and half width at every point, in figure units.
struct Rod {
    std::vector<QPointF> line;
    std::vector<double> halfWidth;
};

struct Figure {
    std::vector<Part> parts;  // back to front
    std::vector<QPainterPath> holes;  // cut through after gilding: eyes, mouth
    std::vector<Ink> ink;
    Rod gapit;  // the central rod, from the head to below the feet
    std::vector<Rod> tuding;  // the arm rods, from the hands down
};

Figure figure(WayangKind kind);

// A head in its own frame: the origin at the stud in the ear, x forward
// (towards the nose), y down; about 60 units from the hairline to the chin.
struct Head {
    std::vector<Part> parts;  // back to front
    std::vector<QPainterPath> holes;
    std::vector<Ink> ink;
};

Head head(WayangKind kind);

// A point of an outline; 'sharp' makes it a corner.
inline Pt at(QPointF q, bool sharp = false)
{
    return {q.x(), q.y(), sharp};
}

QPainterPath ellipse(QPointF c, double rx, double ry);

// The outline of 'line' drawn 'width' wide with round ends.
QPainterPath stroke(const QPainterPath& line, double width);

// A smooth closed outline around a centre line with a half width at every
// centre point, both ends rounded: limbs, ribbons, rods.
QPainterPath limb(const std::vector<QPointF>& centre, const std::vector<double>& halfWidth);

}  // namespace art::puppet
