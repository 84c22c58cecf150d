// Wayang figures: see wayang.h; what they are made of is in wayang_parts.h
// and how each is drawn in wayang_figures.cpp.
//
// Every part, back to front, is gilded or painted and punched with its lace
// (wayang_leather.cpp) and laid over the parts behind it. Then the mouths
// are cut, the dark painted lines laid on, eyes and brows among them, and
// the horn rods fixed over the leather.
#include "wayang.h"

#include "wayang_parts.h"

#include <QPainterPathStroker>

#include <algorithm>

namespace art {
namespace {

using puppet::drawPart;
using puppet::Lace;
using puppet::Paint;
using puppet::Part;
using puppet::pixelsPerUnit;

QTransform placement(QPointF foot, double height, bool faceRight)
{
    QTransform t;
    t.translate(foot.x(), foot.y());
    const double s = height / 1000.0;
    t.scale(faceRight ? s : -s, s);
    return t;
}

// A horn rod: warm brown with a dark edge and a light streak down its middle,
// so it shows both on the gold and against the night.
void drawRod(QPainter& p, const puppet::Rod& rod, const QTransform& t, int scale)
{
    const double s = pixelsPerUnit(t);
    std::vector<double> hw = rod.halfWidth;
    for (double& w : hw)
        w = std::max(w, 0.55 * scale / s);
    p.setPen(QPen(QColor(30, 16, 6, 230), std::max(0.5 * scale, 1.4 * s)));
    p.setBrush(QColor(118, 72, 32));
    p.drawPath(t.map(puppet::limb(rod.line, hw)));
    QPainterPath streak;
    streak.moveTo(t.map(rod.line.front()));
    for (std::size_t i = 1; i < rod.line.size(); ++i)
        streak.lineTo(t.map(rod.line[i]));
    p.setPen(
        QPen(QColor(226, 168, 96, 170), std::max(0.35 * scale, 1.6 * s), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(streak);
}

}  // namespace

QPainterPath kayonOutline(KayonBase base)
{
    if (base == KayonBase::Planted)
        // the leaf-shaped mountain: a pointed top, swelling shoulders, the
        // sides running down nearly straight to the base
        return spline({corner(0, -1000),
                       {40, -900},
                       {110, -760},
                       {200, -600},
                       {250, -460},
                       {262, -330},
                       {256, -200},
                       corner(244, 0),
                       corner(-244, 0),
                       {-256, -200},
                       {-262, -330},
                       {-250, -460},
                       {-200, -600},
                       {-110, -760},
                       {-40, -900}},
                      true);
    // the same mountain on a stepped foot
    return spline({corner(0, -1000),   {40, -900},        {110, -760},        {200, -600},        {250, -460},
                   {262, -330},        {240, -240},       corner(200, -200),  corner(150, -200),  corner(150, -110),
                   corner(210, -110),  corner(210, -40),  corner(245, -40),   corner(245, 0),     corner(-245, 0),
                   corner(-245, -40),  corner(-210, -40), corner(-210, -110), corner(-150, -110), corner(-150, -200),
                   corner(-200, -200), {-240, -240},      {-262, -330},       {-250, -460},       {-200, -600},
                   {-110, -760},       {-40, -900}},
                  true);
}

QImage wayangLayer(const QSize& size, WayangKind kind, QPointF foot, double height, bool faceRight, int scale)
{
    const puppet::Figure f = puppet::figure(kind);
    const QTransform t = placement(foot, height, faceRight);
    const double s = pixelsPerUnit(t);
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    for (const Part& part : f.parts)
        drawPart(p, part, t, scale);

    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPainterPath& h : f.holes)
        p.drawPath(t.map(h));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QColor ink(34, 18, 8, 235);
    for (const puppet::Ink& i : f.ink) {
        p.setPen(QPen(ink, std::max(0.6 * scale, i.width * s), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(i.filled ? QBrush(ink) : QBrush(Qt::NoBrush));
        p.drawPath(t.map(i.path));
    }

    drawRod(p, f.gapit, t, scale);
    for (const puppet::Rod& r : f.tuding)
        drawRod(p, r, t, scale);
    return img;
}

QImage kayonLayer(const QSize& size, QPointF foot, double height, double tiltDeg, int scale, KayonBase base)
{
    // planted, the gate stands on the base and the tree grows down to it
    const double drop = base == KayonBase::Planted ? 150 : 0;
    QTransform t;
    t.translate(foot.x(), foot.y());
    t.rotate(tiltDeg);
    const double s = height / 1000.0;
    t.scale(s, s);
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawPart(p, {kayonOutline(base), Lace::Dots, Paint::Gold, 0.0}, t, scale);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);

    // a slot running round inside the rim, as on the leather kayon
    {
        QTransform inset;
        inset.translate(0, -560);
        inset.scale(0.86, 0.9);
        inset.translate(0, 560);
        const QPainterPath rim = inset.map(kayonOutline(base));
        QPainterPath upper;
        upper.addRect(QRectF(-400, -1100, 800, 880 + drop * 0.8));
        st.setWidth(7.0);
        p.drawPath(t.map(st.createStroke(rim).intersected(upper)));
    }

    // the tree of life: a trunk and pairs of branches ending in curls
    QPainterPath tree;
    tree.moveTo(0, -290 + drop * 0.6);
    tree.cubicTo(-8, -470, 8, -640, 0, -860);
    for (int i = 0; i < 6; ++i) {
        const double y = -360 - i * 88.0;
        const double w = 170 - i * 24.0;
        for (double side : {-1.0, 1.0}) {
            tree.moveTo(0, y);
            tree.cubicTo(side * w * 0.4, y - 50, side * w * 0.95, y - 40, side * w, y + 10);
            // the curl: a shrinking spiral back towards the trunk
            tree.cubicTo(side * w * 1.02, y + 44, side * w * 0.7, y + 52, side * w * 0.66, y + 26);
            tree.cubicTo(side * w * 0.64, y + 10, side * w * 0.78, y + 4, side * w * 0.8, y + 20);
        }
    }
    st.setWidth(11.0);
    p.drawPath(t.map(st.createStroke(tree)));
    // leaves between the branches
    for (int i = 0; i < 5; ++i) {
        const double y = -400 - i * 88.0;
        const double w = 110 - i * 18.0;
        for (double side : {-1.0, 1.0})
            p.drawPath(t.map(spline({corner(side * 14, y),
                                     {side * w * 0.5, y - 26},
                                     corner(side * w * 0.8, y - 14),
                                     {side * w * 0.45, y - 6}},
                                    true)));
    }

    // the gate at the foot of the mountain: stepped roof, posts and doorway
    QPainterPath gate;
    gate.addPath(spline({corner(-92, -262), corner(92, -262), corner(66, -296), corner(-66, -296)}, true));
    gate.addPath(spline({corner(-62, -304), corner(62, -304), corner(38, -332), corner(-38, -332)}, true));
    gate.addPath(spline({corner(-30, -340), corner(30, -340), corner(0, -372)}, true));
    gate.addPath(spline({corner(-40, -206), corner(-40, -246), {0, -256}, corner(40, -246), corner(40, -206)}, true));
    gate.translate(0, drop);
    p.drawPath(t.map(gate));
    return img;
}

}  // namespace art
