// The gunungan of the program's icons: see gunungan.h.
//
// The shapes are laid out in the units of the background's kayon (its foot
// at the origin, its point 1000 units up) so that the icon and the kayon the
// program shows behind its controls are recognisably the same figure, and
// only mapped onto the icons' square at the end. Everything inside is cut
// into the fill rather than drawn as lines of its own: an outlined arch with
// a house under it is what a small icon turns into a church window.
#include "gunungan.h"

#include "paintkit.h"
#include "wayang.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// From the kayon's units to the icons' 32-unit square: the foot on the
// bottom edge, the point near the top, a tenth broader than the kayon.
constexpr double kUp = 30.3 / 1000;
constexpr double kAcross = kUp * 1.04;

QTransform toIcon()
{
    QTransform t;
    t.translate(16, 31.2);
    t.scale(kAcross, kUp);
    return t;
}

// A width of 'px' pixels on an icon 'pixels' square, in the kayon's units.
double kayonWidth(double px, double pixels)
{
    return px * 32.0 / pixels / kUp;
}

// The tree of life with 'pairs' pairs of branches, each reaching out and
// curling back towards the trunk.
QPainterPath tree(int pairs)
{
    QPainterPath t;
    t.moveTo(0, -290);
    t.cubicTo(-8, -470, 8, -640, 0, -860);
    for (int i = 0; i < pairs; ++i) {
        const double f = pairs > 1 ? double(i) / (pairs - 1) : 0.0;
        // few branches keep lower and broader, where the leaf has room
        // for their curls
        const double y = -360 - f * (pairs > 3 ? 440 : 360);
        const double w = 170 - f * (pairs > 3 ? 120 : 80);
        for (double side : {-1.0, 1.0}) {
            t.moveTo(0, y);
            t.cubicTo(side * w * 0.4, y - 50, side * w * 0.95, y - 40, side * w, y + 10);
            t.cubicTo(side * w * 1.02, y + 44, side * w * 0.7, y + 52, side * w * 0.66, y + 26);
        }
    }
    return t;
}

// The gate at the foot of the tree: a roof in three tiers over a doorway;
// where the tiers would blur into each other, the roof as one stepped
// triangle and no doorway.
QPainterPath gate(bool tiers)
{
    QPainterPath g;
    if (!tiers) {
        g.addPath(
            spline({corner(-96, -258), corner(96, -258), corner(52, -318), corner(0, -380), corner(-52, -318)}, true));
        return g;
    }
    g.addPath(spline({corner(-92, -262), corner(92, -262), corner(66, -296), corner(-66, -296)}, true));
    g.addPath(spline({corner(-62, -304), corner(62, -304), corner(38, -332), corner(-38, -332)}, true));
    g.addPath(spline({corner(-30, -340), corner(30, -340), corner(0, -372)}, true));
    g.addPath(spline({corner(-40, -206), corner(-40, -246), {0, -256}, corner(40, -246), corner(40, -206)}, true));
    return g;
}

// Leaves between the branches, for the largest sizes.
QPainterPath leaves()
{
    QPainterPath l;
    for (int i = 0; i < 5; ++i) {
        const double y = -400 - i * 88.0;
        const double w = 110 - i * 18.0;
        for (double side : {-1.0, 1.0})
            l.addPath(spline({corner(side * 14, y),
                              {side * w * 0.5, y - 26},
                              corner(side * w * 0.8, y - 14),
                              {side * w * 0.45, y - 6}},
                             true));
    }
    return l;
}

// The leather's lace: dots on a staggered grid, kept clear of the rim and of
// the gate.
QPainterPath lace(double pixels)
{
    const double r = kayonWidth(pixels / 110.0, pixels);
    const double step = r * 4.4;
    const QPainterPath body = kayonOutline(KayonBase::Plinth);
    QPainterPath dots;
    int row = 0;
    for (double y = -200 - step; y > -960; y -= step * 0.87, ++row) {
        for (double x = (row % 2) * step / 2; x < 270; x += step) {
            for (double sx : {-1.0, 1.0}) {
                if (x == 0 && sx > 0)
                    continue;
                const QPointF c(sx * x, y);
                const double m = r * 3;
                const bool inside = body.contains(c + QPointF(m, 0)) && body.contains(c - QPointF(m, 0)) &&
                                    body.contains(c + QPointF(0, m)) && body.contains(c - QPointF(0, m));
                const bool byGate = std::abs(c.x()) < 120 && c.y() > -400;
                if (inside && !byGate)
                    dots.addEllipse(c, r, r);
            }
        }
    }
    return dots;
}

}  // namespace

QPainterPath gununganOutline()
{
    return toIcon().map(kayonOutline(KayonBase::Plinth));
}

QPainterPath gununganCuts(double pixels)
{
    QPainterPath cuts;
    if (pixels < 28)
        return cuts;
    const int pairs = pixels < 60 ? 3 : pixels < 100 ? 4 : 6;
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    // a branch needs a pixel and a half to stay whole in the two-colour
    // icons, which keep only the pixels covered at least half
    st.setWidth(kayonWidth(std::max(1.5, pixels / 48.0), pixels));
    cuts.addPath(st.createStroke(tree(pairs)));
    cuts.addPath(gate(pixels >= 128));
    if (pixels >= 100) {
        // a slot running round inside the rim, over the shoulders and the point
        QTransform inset;
        inset.translate(0, -560);
        inset.scale(0.84, 0.89);
        inset.translate(0, 560);
        QPainterPath upper;
        upper.addRect(QRectF(-400, -1100, 800, 860));
        st.setWidth(kayonWidth(pixels / 90.0, pixels));
        cuts.addPath(st.createStroke(inset.map(kayonOutline(KayonBase::Plinth))).intersected(upper));
        cuts.addPath(leaves());
        cuts.addPath(lace(pixels));
    }
    return toIcon().map(cuts);
}

}  // namespace art
