// The dream window's sky and the clarification dialogs' river at night:
// see scenes.h, and scenes.cpp for how every scene is drawn.
#include "scenekit.h"
#include "scenes.h"
#include "wayang.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

QImage dreamBackground(int scale)
{
    const int W = 640, H = 480;
    const double px = SS * scale;
    QImage img = canvas(int(W * px), int(H * px), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0xD2EA3);

    // the two radio groups at the top, the check boxes in the middle, the
    // buttons at the bottom: stars stay faint wherever text may be
    const std::vector<QRectF> calm = {
        {0, 0, 200, 90}, {424, 0, 201, 73}, {20, 100, 600, 320}, {11, 439, 52, 24}, {470, 430, 160, 40},
    };
    const auto allow = calmMask(calm, 4.0, px);
    const QRectF all(0, 0, W * px, H * px);

    {
        QLinearGradient g(0, 0, 0, H * px);
        g.setColorAt(0.0, QColor(5, 6, 20));
        g.setColorAt(0.5, QColor(14, 12, 40));
        g.setColorAt(1.0, QColor(30, 12, 42));
        p.fillRect(all, g);
    }
    nebula(p, QPointF(462 * px, 150 * px), 170 * px, QColor(90, 80, 160), 0.22);
    nebula(p, QPointF(80 * px, 420 * px), 220 * px, QColor(100, 20, 60), 0.18);
    nebula(p, QPointF(600 * px, 380 * px), 200 * px, QColor(50, 30, 110), 0.2);
    starField(p, all, rng, 700, px, allow);

    // the crescent moon in the open sky below the colour group and left of
    // the king, where no control covers it
    const QPointF moon(462 * px, 152 * px);
    const double mr = 27 * px;
    nebula(p, moon, mr * 3.2, QColor(255, 230, 170), 0.16);
    {
        QPainterPath disc;
        disc.addEllipse(moon, mr, mr);
        QPainterPath bite;
        bite.addEllipse(moon + QPointF(mr * 0.48, -mr * 0.22), mr * 0.95, mr * 0.95);
        // the unlit part, barely visible in earthshine
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 56, 90, 110));
        p.drawPath(disc);
        QRadialGradient g(moon - QPointF(mr * 0.5, -mr * 0.2), mr * 1.3);
        g.setColorAt(0.0, pal::goldPale);
        g.setColorAt(0.7, QColor(246, 214, 140));
        g.setColorAt(1.0, QColor(214, 160, 80));
        p.setBrush(g);
        p.drawPath(disc.subtracted(bite));
    }

    // a faint band of the Milky Way across the upper sky
    milkyWay(p, QPointF(-40 * px, 300 * px), QPointF(680 * px, 20 * px), 60 * px, rng, 600, allow, scale);

    // the puppet play's kayon and a king, faint as if seen through the dream,
    // where no control lies over them: the kayon in the open sky at the left
    // between the upper check boxes and the lower ones, rising out of a mist
    // that hides its base; the king in the middle under the feelings, facing
    // the kayon, his head and shoulders clear of the check boxes, his feet
    // in the clouds
    {
        QImage kayon = kayonLayer(img.size(), QPointF(98 * px, 366 * px), 172 * px, -3, scale, KayonBase::Planted);
        {
            QPainter fade(&kayon);
            fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient g(0, 300 * px, 0, 364 * px);
            g.setColorAt(0.0, Qt::black);
            g.setColorAt(1.0, Qt::transparent);
            fade.fillRect(QRectF(0, 300 * px, W * px, (H - 300) * px), g);
        }
        const QImage king =
            wayangLayer(img.size(), WayangKind::Raja, QPointF(332 * px, 452 * px), 296 * px, false, scale);
        glow(p, img.size(), 4.0, 10, scale, QColor(255, 170, 80), 0.25, [&](QPainter& q) {
            q.drawImage(0, 0, kayon);
            q.drawImage(0, 0, king);
        });
        p.save();
        p.setOpacity(0.3);
        p.drawImage(0, 0, kayon);
        p.drawImage(0, 0, king);
        p.restore();
        glow(p, img.size(), 4.0, 10, scale, QColor(170, 140, 205), 0.35, [&](QPainter& q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Qt::white);
            q.drawEllipse(QPointF(98 * px, 358 * px), 74 * px, 9 * px);
            q.drawEllipse(QPointF(150 * px, 352 * px), 40 * px, 5 * px);
        });
    }

    // soft clouds drifting along the bottom edge: a dim back row, a brighter
    // front row lit from above by the moon
    for (int row = 0; row < 2; ++row) {
        glow(p, img.size(), 4.0, row == 0 ? 18 : 10, scale, row == 0 ? QColor(90, 70, 140) : QColor(170, 140, 205),
             row == 0 ? 0.5 : 0.38, [&](QPainter& q) {
                 q.setPen(Qt::NoPen);
                 q.setBrush(Qt::white);
                 Rng crng(0xC10D + row);
                 for (int i = 0; i < 22; ++i) {
                     const double x = crng.uniform(-40, W + 40) * px;
                     const double y = crng.uniform(row == 0 ? 440 : 468, row == 0 ? 470 : 505) * px;
                     const double r = crng.uniform(14, 34) * px;
                     q.drawEllipse(QPointF(x, y), r * 1.9, r);
                 }
             });
    }
    // a thin wisp across the moon
    glow(p, img.size(), 4.0, 8, scale, QColor(180, 160, 210), 0.35, [&](QPainter& q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawEllipse(QPointF(440 * px, 168 * px), 60 * px, 5 * px);
        q.drawEllipse(QPointF(492 * px, 174 * px), 42 * px, 3.5 * px);
    });
    p.end();
    return reduce(img, W * scale, H * scale);
}

QImage deathBackground(int scale)
{
    const int W = 430, H = 615;
    const double px = SS * scale;
    QImage img = canvas(int(W * px), int(H * px), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0xDEA7);

    // the dialogs show the picture from its top-left corner with white text
    // over all of it, so that whole area keeps to faint small stars
    const std::vector<QRectF> calm = {{0, 0, 377, 297}};
    const auto allow = calmMask(calm, 0.0, px);
    const double horizon = 246;
    const QRectF sky(0, 0, W * px, horizon * px);

    skyGradient(p, sky, horizon * px, QColor(34, 22, 56));
    nebula(p, QPointF(400 * px, 130 * px), 140 * px, QColor(120, 110, 170), 0.16);
    starField(p, sky, rng, 420, px, allow);

    // a small pale moon low in the east, outside the dialogs' view
    const QPointF moon(398 * px, 150 * px);
    nebula(p, moon, 60 * px, QColor(230, 220, 200), 0.22);
    p.setPen(Qt::NoPen);
    {
        QRadialGradient g(moon - QPointF(4 * px, 4 * px), 16 * px);
        g.setColorAt(0.0, QColor(250, 246, 232));
        g.setColorAt(1.0, QColor(200, 196, 190));
        p.setBrush(g);
        p.drawEllipse(moon, 13 * px, 13 * px);
    }

    // the water: darker towards us, with long ripples catching the moonlight
    const QRectF water(0, horizon * px, W * px, (H - horizon) * px);
    {
        QLinearGradient g(water.topLeft(), water.bottomLeft());
        g.setColorAt(0.0, QColor(26, 22, 52));
        g.setColorAt(0.3, QColor(12, 14, 34));
        g.setColorAt(1.0, QColor(3, 4, 12));
        p.fillRect(water, g);
    }
    for (int i = 0; i < 260; ++i) {
        const double y = horizon + 3 + std::pow(rng.uniform(), 1.6) * (H - horizon - 10);
        const double depth = (y - horizon) / (H - horizon);
        // ripples gather under the moon and widen as they come closer
        const double x = 398 + rng.normal() * (12 + 90 * depth);
        const double len = (4 + 26 * depth) * rng.uniform(0.5, 1.5);
        const double a = std::clamp(0.55 - depth * 0.45, 0.08, 0.6) * rng.uniform(0.4, 1.0);
        p.setPen(QPen(QColor(230, 225, 210, int(255 * a)), (0.5 + 1.2 * depth) * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF((x - len / 2) * px, y * px), QPointF((x + len / 2) * px, y * px));
    }
    for (int i = 0; i < 120; ++i) {
        // faint sky reflections elsewhere on the water
        const double y = horizon + 4 + rng.uniform() * (H - horizon - 8);
        const double x = rng.uniform(0, W);
        const double len = rng.uniform(3, 14);
        p.setPen(QPen(QColor(150, 150, 210, int(40 * rng.uniform())), px * 0.8));
        p.drawLine(QPointF((x - len / 2) * px, y * px), QPointF((x + len / 2) * px, y * px));
    }

    // the far bank: a low line of trees, a temple roof, mist on the water
    p.setPen(Qt::NoPen);
    {
        std::vector<QPointF> pts;
        Rng trng(0x7EE5);
        for (double x = -10; x <= W + 10; x += 6)
            pts.push_back({x * px, (horizon - 6 - 10 * std::abs(std::sin(x * 0.045)) - trng.uniform(0, 6)) * px});
        QPainterPath bank = ridge(W * px, (horizon + 2) * px, pts);
        // a tiered roof rising from the trees on the right
        const double cx = 330 * px, base = (horizon - 14) * px;
        for (int t = 0; t < 3; ++t) {
            const double w = (26 - t * 7) * px, y = base - t * 9 * px;
            bank.addPolygon(QPolygonF({QPointF(cx - w, y), QPointF(cx - w * 0.55, y - 10 * px),
                                       QPointF(cx + w * 0.55, y - 10 * px), QPointF(cx + w, y)}));
        }
        bank.addRect(QRectF(cx - 1.2 * px, base - 42 * px, 2.4 * px, 10 * px));
        p.setBrush(QColor(6, 6, 14));
        p.drawPath(bank.simplified());
    }
    glow(p, img.size(), 4.0, 12, scale, QColor(150, 150, 200), 0.3, [&](QPainter& q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawRect(QRectF(-20 * px, (horizon - 2) * px, (W + 40) * px, 10 * px));
    });

    // a small boat drifting with its lantern, and the lantern's trembling
    // reflection; dark against the moonlit water
    {
        const QPointF boat(210 * px, 430 * px);
        const double s = px * 1.1;
        QPainterPath hull = spline(
            {corner(-70, -14), {-30, -4}, {30, -4}, corner(72, -16), {60, -2}, {30, 8}, {-30, 8}, {-60, -2}}, true);
        QPainterPath figure = spline({{-8, -6}, {-10, -26}, {-6, -40}, {2, -44}, {8, -36}, {10, -22}, {8, -6}}, true);
        figure.addEllipse(QPointF(0, -50), 6, 6);
        QTransform t;
        t.translate(boat.x(), boat.y());
        t.scale(s, s);
        p.setBrush(QColor(4, 4, 10));
        p.drawPath(t.map(hull));
        p.drawPath(t.map(figure));
        QPainterPath pole;
        pole.moveTo(40, -10);
        pole.lineTo(30, -56);
        QPainterPathStroker pst;
        pst.setWidth(2.0);
        p.drawPath(t.map(pst.createStroke(pole)));
        const QPointF lamp = t.map(QPointF(29, -58));
        nebula(p, lamp, 22 * px, QColor(255, 180, 90), 0.5);
        drawStar(p, lamp, 1.6 * px, QColor(255, 230, 170));
        for (int i = 0; i < 10; ++i) {
            const double y = 446 + i * 4.5;
            const double w = 3 + i * 0.8;
            const double x = 242 + rng.uniform(-2, 2);
            p.setPen(QPen(QColor(255, 190, 110, int(150 - i * 13)), px, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF((x - w) * px, y * px), QPointF((x + w) * px, y * px));
        }
        p.setPen(Qt::NoPen);
    }

    // reeds at the near bank, black against the water
    {
        QPainterPath reeds;
        Rng rrng(0x2EED);
        for (int i = 0; i < 46; ++i) {
            const bool left = i < 26;
            const double x = left ? rrng.uniform(-5, 120) : rrng.uniform(330, 440);
            const double h = rrng.uniform(30, 90) * (left ? 1.0 : 0.8);
            const double bend = rrng.uniform(-12, 12);
            QPainterPath r;
            r.moveTo(x * px, (H + 2) * px);
            r.quadTo((x + bend * 0.2) * px, (H - h * 0.6) * px, (x + bend) * px, (H - h) * px);
            QPainterPathStroker rs;
            rs.setWidth(rrng.uniform(1.2, 2.4) * px);
            reeds.addPath(rs.createStroke(r));
        }
        p.setBrush(QColor(2, 2, 6));
        p.drawPath(reeds);
    }
    p.end();
    return reduce(img, W * scale, H * scale);
}

}  // namespace art
