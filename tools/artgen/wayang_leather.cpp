// How a part of a wayang figure is made: gilded or painted, then punched
// with its lace; see wayang_parts.h.
//
// Every part is worked on a scratch layer of its own, its lace is punched
// through there, and only then is it laid over the parts behind it, so a
// hole shows the sky and not the part underneath.
#include "wayang_parts.h"

#include <QLinearGradient>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace art::puppet {

double pixelsPerUnit(const QTransform& t)
{
    return std::hypot(t.m11(), t.m12());
}

namespace {

// Calls 'visit' at the points of a staggered grid over 'r': rows 'rowStep'
// apart, every other row shifted by half a 'gap'.
template <typename Visit>
void staggered(const QRectF& r, double gap, double rowStep, Visit visit)
{
    int row = 0;
    for (double y = r.top(); y < r.bottom() + gap; y += rowStep, ++row)
        for (double x = r.left() + (row % 2) * gap / 2; x < r.right() + gap; x += gap)
            visit(QPointF(x, y));
}

// Walks round the outline of 'path' every 'step' pixels from 'start' and
// calls 'visit' with each point, the direction along the outline there and
// the normal pointing into the part ('probe' pixels in is inside).
template <typename Visit>
void alongRim(const QPainterPath& path, double start, double step, double probe, Visit visit)
{
    const double len = path.length();
    for (double l = start; l < len; l += step) {
        const double pct = path.percentAtLength(l);
        const QPointF on = path.pointAtPercent(pct);
        const double ang = path.angleAtPercent(pct) * M_PI / 180.0;
        const QPointF along(std::cos(ang), -std::sin(ang));
        QPointF in(-along.y(), along.x());
        if (!path.contains(on + in * probe))
            in = -in;
        visit(on, along, in);
    }
}

// Gold leaf: a diagonal gradient, a darker rim inside the edge that gives
// the leather its thickness, and a dark edge.
void gold(QPainter& q, const QPainterPath& path, const QRectF& box, double tone, double s, int scale)
{
    const QColor hi = tone >= 0 ? mix(pal::goldLight, pal::goldPale, tone) : mix(pal::goldLight, pal::gold, -tone);
    const QColor mid =
        tone >= 0 ? mix(pal::gold, pal::goldLight, tone * 0.6) : mix(pal::gold, pal::goldDark, -tone * 0.8);
    const QColor lo = tone >= 0 ? pal::goldDark : mix(pal::goldDark, QColor(70, 40, 8), -tone);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, hi);
    g.setColorAt(0.45, mid);
    g.setColorAt(1.0, lo);
    q.setPen(Qt::NoPen);
    q.setBrush(g);
    q.drawPath(path);
    q.save();
    q.setClipPath(path);
    q.setPen(QPen(withAlpha(QColor(90, 52, 8), 0.55), std::max(1.0 * scale, 9.0 * s), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    q.setBrush(Qt::NoBrush);
    q.drawPath(path);
    q.restore();
}

// The three bands a colour is laid in, from the rim inwards.
struct Grade {
    QColor dark, mid, light;
};

Grade gradeOf(Paint paint)
{
    switch (paint) {
    case Paint::Green:
        return {{12, 52, 30}, {30, 100, 56}, {84, 150, 84}};
    case Paint::Hair:
        return {{14, 10, 12}, {24, 18, 20}, {40, 30, 30}};
    case Paint::Parang:
        return {{40, 18, 12}, {58, 28, 18}, {70, 36, 22}};
    case Paint::Poleng:
        return {{30, 14, 10}, {30, 14, 10}, {30, 14, 10}};
    default:
        return {{90, 8, 16}, {146, 22, 30}, {198, 56, 44}};
    }
}

// The batik of a cloth, in figure units through 't', clipped to the part.
void batik(QPainter& q, Paint paint, const QPainterPath& units, const QTransform& t)
{
    const QRectF r = units.boundingRect();
    q.save();
    q.setTransform(t, true);
    q.setPen(Qt::NoPen);
    if (paint == Paint::Hair) {
        // fine gold stippling, as the hair is punched and touched with gold
        q.setBrush(pal::goldDark);
        staggered(r, 11, 8.8, [&](QPointF c) { q.drawEllipse(c, 2.4, 2.4); });
    } else if (paint == Paint::Parang) {
        // slanting wavy bands of gold with a row of small pale dots between
        const double gap = 26;
        QPen band(pal::gold, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        for (double d = -r.height() - gap; d < r.width() + r.height() + gap; d += gap) {
            const QPointF a(r.left() + d, r.bottom()), b(r.left() + d + r.height(), r.top());
            QPointF u = b - a;
            const double len = std::hypot(u.x(), u.y());
            u /= len;
            const QPointF n(-u.y(), u.x());
            QPainterPath wave;
            for (double l = 0; l <= len; l += 3) {
                const QPointF c = a + u * l + n * (3.2 * std::sin(l / 20.0 * 2 * M_PI));
                if (l == 0)
                    wave.moveTo(c);
                else
                    wave.lineTo(c);
            }
            q.setPen(band);
            q.setBrush(Qt::NoBrush);
            q.drawPath(wave);
            q.setPen(Qt::NoPen);
            q.setBrush(pal::goldPale);
            for (double l = 10; l < len; l += 20)
                q.drawEllipse(a + u * l + n * gap / 2, 2.3, 2.3);
        }
    } else if (paint == Paint::Dodot) {
        // small gold flowers of four dots
        q.setBrush(pal::goldLight);
        staggered(r, 24, 24, [&](QPointF c) {
            for (const QPointF d : {QPointF(0, -3.4), QPointF(3.4, 0), QPointF(0, 3.4), QPointF(-3.4, 0)})
                q.drawEllipse(c + d, 2.2, 2.2);
        });
    } else if (paint == Paint::Poleng) {
        // checks of the four colours of the strong one's cloth
        const QColor colours[] = {{186, 26, 30}, {18, 14, 18}, {236, 226, 200}, {214, 160, 52}};
        const double cell = 22;
        const int i0 = int(std::floor(r.left() / cell)), j0 = int(std::floor(r.top() / cell));
        for (int j = j0; j * cell < r.bottom(); ++j) {
            for (int i = i0; i * cell < r.right(); ++i) {
                q.setBrush(colours[((i + 2 * j) % 4 + 4) % 4]);
                q.drawRect(QRectF(i * cell, j * cell, cell, cell));
            }
        }
    }
    q.restore();
}

// A painted part: graded colour, its batik, the row of small gold teeth along
// the rim that the puppet painters put on every coloured edge, a gold rim.
void painted(QPainter& q, const Part& part, const QPainterPath& path, const QTransform& t, double s, int scale)
{
    const Grade g = gradeOf(part.paint);
    auto shade = [&](const QColor& c) { return part.tone < 0 ? mix(c, QColor(0, 0, 0), -part.tone) : c; };
    q.setPen(Qt::NoPen);
    q.setBrush(shade(g.light));
    q.drawPath(path);
    q.save();
    q.setClipPath(path);
    batik(q, part.paint, part.path, t);
    q.setBrush(Qt::NoBrush);
    if (part.paint != Paint::Poleng) {
        q.setPen(QPen(withAlpha(shade(g.mid), 0.8), 32 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.drawPath(path);
        q.setPen(QPen(withAlpha(shade(g.dark), 0.9), 16 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.drawPath(path);
    }
    const QColor rim = shade(pal::gold);
    if (part.paint != Paint::Hair && part.path.length() > 400) {
        // the teeth, pointing inwards from the rim
        q.setPen(Qt::NoPen);
        q.setBrush(rim);
        alongRim(path, 5 * s, 10 * s, 6 * s, [&](QPointF on, QPointF along, QPointF in) {
            q.drawPolygon(QPolygonF({on - along * 4 * s, on + along * 4 * s, on + in * 10 * s}));
        });
    }
    q.setPen(QPen(rim, std::max(0.8 * scale, 6.0 * s)));
    q.setBrush(Qt::NoBrush);
    q.drawPath(path);
    q.restore();
}

// Punches the lace of a part: a row of holes inside the rim, and for some
// a field of holes inside that row.
void lace(QPainter& q, const QPainterPath& path, const QRectF& box, Lace kind, double s, int scale)
{
    if (kind == Lace::None)
        return;
    q.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    q.setPen(Qt::NoPen);
    q.setBrush(Qt::black);
    const double hole = std::max(0.7 * scale, 4.0 * s);
    const double inset = 12.0 * s;
    const double step = 17.0 * s;
    const int rows = kind == Lace::Rows ? 3 : 1;
    for (int row = 0; row < rows; ++row) {
        const double depth = inset * (1.0 + 1.1 * row);
        alongRim(path, 0.5 * row * step, step, depth, [&](QPointF on, QPointF, QPointF in) {
            const QPointF c = on + in * depth;
            if (path.contains(c) && path.contains(c + in * inset))
                q.drawEllipse(c, hole, hole);
        });
    }
    if (kind != Lace::Edge && kind != Lace::Rows) {
        QPainterPathStroker st;
        st.setWidth(inset * 3.4);
        const QPainterPath inner = path.subtracted(st.createStroke(path));
        q.save();
        q.setClipPath(inner);
        const double gap = (kind == Lace::Slots ? 13.0 : 19.0) * s;
        staggered(box, gap, gap * 0.87, [&](QPointF c) {
            if (kind == Lace::Dots) {
                q.drawEllipse(c, hole, hole);
            } else if (kind == Lace::Diamonds) {
                const double r = hole * 1.5;
                q.drawPolygon(QPolygonF(
                    {c + QPointF(0, -r), c + QPointF(r * 0.7, 0), c + QPointF(0, r), c + QPointF(-r * 0.7, 0)}));
            } else {
                q.save();
                q.translate(c);
                q.rotate(62);
                q.drawRoundedRect(QRectF(-hole * 2.2, -hole * 0.55, hole * 4.4, hole * 1.1), hole * 0.5, hole * 0.5);
                q.restore();
            }
        });
        q.restore();
    }
    q.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace

void drawPart(QPainter& out, const Part& part, const QTransform& t, int scale)
{
    const double s = pixelsPerUnit(t);
    const QPainterPath path = t.map(part.path);
    const double m = 4 * scale;  // room for the antialiased edge
    const QRectF box = path.boundingRect().adjusted(-m, -m, m, m);
    const QRect area = box.toAlignedRect();
    if (area.isEmpty())
        return;
    QImage layer = canvas(area.width(), area.height());
    QPainter q(&layer);
    q.setRenderHint(QPainter::Antialiasing);
    q.translate(-area.topLeft());
    if (part.paint == Paint::Gold)
        gold(q, path, box, part.tone, s, scale);
    else
        painted(q, part, path, t, s, scale);
    q.setPen(QPen(QColor(58, 32, 6), std::max(0.8 * scale, 2.6 * s)));
    q.setBrush(Qt::NoBrush);
    q.drawPath(path);
    lace(q, path, box, part.lace, s, scale);
    q.end();
    out.drawImage(area.topLeft(), layer);
}

}  // namespace art::puppet
