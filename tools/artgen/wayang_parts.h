// What a wayang figure is made of, shared between the drawings of the
// figures (wayang_figures.cpp, wayang_heads.cpp, wayang_cloth.cpp,
// wayang_limbs.cpp) and the code that gilds, paints and cuts them
// (wayang_leather.cpp, wayang.cpp). Everything is in figure space: 1000
// units from the soles to the top of the headdress, feet at y = 0, facing
// right; the rods reach below the feet.
#pragma once

#include "wayang.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

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

// A painted dark line over the gold: eyes, brows, moustache, the joints'
// pins. A filled one is painted over its whole inside as well.
struct Ink {
    QPainterPath path;
    double width;  // figure units
    bool filled = false;
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

// ---- the pieces a body is built from (wayang_limbs.cpp) ----

// A hand from the wrist towards 'tip' with long slender fingers and the thumb
// on the side 'thumbSide' (+1 or -1) of the hand's line: either open, the
// fingers held together and spreading a little at their tips, or pointing,
// the forefinger stretched out and the others curled into the palm.
QPainterPath hand(QPointF wrist, QPointF tip, double thumbSide, bool pointing);

// A ring round a limb (bracelet, anklet) at 'c', 'w' units along the limb
// direction 'dir' and 'h' half across it.
QPainterPath ring(QPointF c, QPointF dir, double w, double h);

// The armlet of the upper arm with its upturned crest on the side 'back'.
QPainterPath armlet(QPointF c, QPointF dir, double size, double back);

// A leg in profile from the hip, hidden under the cloth, over the knee to a
// long flat foot pointing forward (+x) that stands on y = 0; 'w' is the half
// width of the calf, 'foot' the length of the foot from heel to toe.
QPainterPath leg(QPointF hip, QPointF knee, QPointF ankle, double w, double foot);

// The lines painted over such a foot, standing under 'ankle': the clefts
// between its toes.
std::vector<Ink> toes(QPointF ankle, double foot);

// ---- how a part is made (wayang_leather.cpp) ----

// Layer pixels per figure unit.
double pixelsPerUnit(const QTransform& t);

// Gilds or paints one part on a scratch layer of its own, punches its lace
// through there and lays it over 'out'. The floors on line widths and holes
// are pixels of the picture as designed, so they grow with 'scale'.
void drawPart(QPainter& out, const Part& part, const QTransform& t, int scale);

// The cloth round the hips and legs to below the knees, in each figure's
// own way of wearing it, with the pleated panel in front and the flap
// behind (wayang_cloth.cpp).
void cloth(Figure& f, WayangKind kind);

}  // namespace art::puppet
