// Window backgrounds: see scenes.h.
//
// Every scene is painted at twice its size and reduced at the end, which
// smooths the stars and the fine lace of the figures. Controls sit on these
// pictures, so each scene keeps a list of calm rectangles (in final pixels)
// where only faint small stars may appear and nothing bright is placed.
#include "scenes.h"

#include "paintkit.h"
#include "wayang.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr double SS = 2.0;   // supersampling factor

// How freely stars may shine at a point (in supersampled pixels): dimmed
// inside the calm rectangles (given in final pixels) and a margin around them.
std::function<double(QPointF)> calmMask(std::vector<QRectF> calm, double margin)
{
    return [calm = std::move(calm), margin](QPointF p) {
        const QPointF q = p / SS;
        double a = 1.0;
        for (const QRectF& r : calm) {
            const QRectF grown = r.adjusted(-margin, -margin, margin, margin);
            if (grown.contains(q))
                a = std::min(a, 0.35);
        }
        return a;
    };
}

void skyGradient(QPainter& p, const QRectF& r, double horizon, QColor low)
{
    QLinearGradient g(r.topLeft(), QPointF(r.left(), horizon));
    g.setColorAt(0.0, pal::night0);
    g.setColorAt(0.55, pal::night1);
    g.setColorAt(0.85, pal::night2);
    g.setColorAt(1.0, low);
    p.fillRect(r, g);
}

// A faint band of the Milky Way: a soft glow along a line and many tiny stars
// clustered around it.
void milkyWay(QPainter& p, QPointF a, QPointF b, double width, Rng& rng, int stars,
              const std::function<double(QPointF)>& allow)
{
    const QSizeF size(p.device()->width(), p.device()->height());
    glow(p, size.toSize(), 4.0, int(width / 4.0), QColor(120, 110, 190), 0.22, [&](QPainter& q) {
        QPen pen(Qt::white, width, Qt::SolidLine, Qt::RoundCap);
        q.setPen(pen);
        q.drawLine(a, b);
    });
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    for (int i = 0; i < stars; ++i) {
        const double t = rng.uniform();
        const double off = rng.normal() * width * 0.35;
        const QPointF pos = a + d * t + n * off;
        const double alpha = allow(pos);
        if (alpha <= 0.0)
            continue;
        const double r = (0.3 + 0.5 * rng.uniform()) * SS;
        drawStar(p, pos, r, QColor(225, 225, 255, int(90 + 110 * rng.uniform() * alpha)));
    }
}

void nebula(QPainter& p, QPointF c, double r, QColor colour, double alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0.0, withAlpha(colour, alpha));
    g.setColorAt(0.5, withAlpha(colour, alpha * 0.4));
    g.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A comet diving from 'tailEnd' towards 'head': a bright nucleus, a short
// coma and two tails, the dust tail broad and curved, the ion tail straight.
void comet(QPainter& p, QPointF head, QPointF tailEnd, double scale)
{
    const QPointF d = tailEnd - head;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QSize size(p.device()->width(), p.device()->height());

    // dust tail: a wedge widening away from the head and bending away from
    // the comet's path, brightest near the head
    glow(p, size, 2.0, int(12 * scale), QColor(255, 222, 165), 1.0, [&](QPainter& q) {
        QPainterPath tail;
        tail.moveTo(head + n * 2 * scale);
        tail.cubicTo(head + u * len * 0.35 + n * 16 * scale, head + u * len * 0.75 + n * 44 * scale,
                     tailEnd + n * 76 * scale);
        tail.lineTo(tailEnd - n * 4 * scale);
        tail.cubicTo(head + u * len * 0.7 - n * 3 * scale, head + u * len * 0.3 - n * 4 * scale,
                     head - n * 2 * scale);
        tail.closeSubpath();
        QLinearGradient g(head, tailEnd + n * 25 * scale);
        g.setColorAt(0.0, QColor(255, 255, 255, 255));
        g.setColorAt(0.15, QColor(255, 255, 255, 190));
        g.setColorAt(0.5, QColor(255, 255, 255, 80));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(Qt::NoPen);
        q.setBrush(g);
        q.drawPath(tail);
    });
    // ion tail: thin, bluish and straight, leaving the dust tail's inner edge
    glow(p, size, 2.0, int(4 * scale), QColor(150, 190, 255), 0.7, [&](QPainter& q) {
        QLinearGradient g(head, head + u * len);
        g.setColorAt(0.0, QColor(255, 255, 255, 220));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(QPen(QBrush(g), 2.0 * scale, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(head, head + u * len - n * 6 * scale);
    });
    // coma and nucleus
    nebula(p, head, 22 * scale, QColor(255, 236, 190), 0.6);
    nebula(p, head, 8 * scale, QColor(255, 250, 230), 0.8);
    drawStar(p, head, 3.0 * scale, QColor(255, 255, 245), 5.0);
}

// Rolling ridge silhouette across the picture.
QPainterPath ridge(double w, double h, const std::vector<QPointF>& pts)
{
    std::vector<Pt> ps;
    ps.push_back(corner(0, h));
    for (const QPointF& q : pts)
        ps.push_back({q.x(), q.y()});
    ps.push_back(corner(w, h));
    return spline(ps, true);
}

// A coconut palm: a tapering curved trunk and a crown of arching, drooping
// fronds, each a rib with leaflets hanging from both sides like a feather.
QPainterPath palm(QPointF base, double height, double lean, Rng& rng)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QPointF top = base + QPointF(lean * height, -height);
    const QPointF mid = base + QPointF(lean * height * 0.15, -height * 0.55);
    {
        // trunk outline: both sides of the curve, wide at the foot
        std::vector<Pt> side;
        const int steps = 12;
        std::vector<QPointF> left, right;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            const QPointF at = (1 - t) * (1 - t) * base + 2 * (1 - t) * t * mid + t * t * top;
            const QPointF tan = 2 * (1 - t) * (mid - base) + 2 * t * (top - mid);
            const double l = std::hypot(tan.x(), tan.y());
            const QPointF nrm(-tan.y() / l, tan.x() / l);
            const double w = height * (0.028 - 0.012 * t);
            left.push_back(at + nrm * w);
            right.push_back(at - nrm * w);
        }
        for (const QPointF& q : left)
            side.push_back({q.x(), q.y()});
        for (auto it = right.rbegin(); it != right.rend(); ++it)
            side.push_back({it->x(), it->y()});
        side.front().sharp = true;
        side.back().sharp = true;
        path.addPath(spline(side, true));
    }
    QPainterPathStroker rib;
    rib.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < 11; ++i) {
        const double ang = (-180.0 + i * 36.0 + rng.uniform(-8, 8)) * M_PI / 180.0;
        const double dx = std::cos(ang);
        const double up = std::sin(ang);   // negative: the frond first rises
        const double len = height * rng.uniform(0.36, 0.48) * (0.75 + 0.25 * std::abs(dx));
        const QPointF ctl = top + QPointF(dx * len * 0.55, (up * 0.5 - 0.35) * len);
        const QPointF tip = top + QPointF(dx * len * 0.95, (0.2 + 0.4 * (1 - std::abs(up))) * len * 0.9);
        QPainterPath r;
        r.moveTo(top);
        r.quadTo(ctl, tip);
        rib.setWidth(height * 0.012);
        path.addPath(rib.createStroke(r));
        QPainterPath leaves;
        for (int j = 2; j < 16; ++j) {
            const double t = j / 16.0;
            const QPointF at = (1 - t) * (1 - t) * top + 2 * (1 - t) * t * ctl + t * t * tip;
            const QPointF tan = 2 * (1 - t) * (ctl - top) + 2 * t * (tip - ctl);
            const double l = std::hypot(tan.x(), tan.y());
            const QPointF u = tan / l;
            const double leaf = height * 0.09 * std::sin(M_PI * (0.15 + 0.85 * t)) + height * 0.012;
            for (double sgn : {-1.0, 1.0}) {
                // leaflets point forward along the rib and hang down
                const QPointF dir = u * 0.55 + QPointF(-u.y(), u.x()) * sgn * 0.45 + QPointF(0, 0.6);
                const double dl = std::hypot(dir.x(), dir.y());
                leaves.moveTo(at);
                leaves.lineTo(at + dir / dl * leaf);
            }
        }
        rib.setWidth(height * 0.008);
        path.addPath(rib.createStroke(leaves));
    }
    return path;
}

} // namespace

QImage mainBackground()
{
    const int W = 735, H = 487;
    QImage img = canvas(int(W * SS), int(H * SS), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0x7E4A9A01);

    // where the program's labels, fields and buttons sit, and the card prompt
    const std::vector<QRectF> calm = {
        {13, 25, 114, 16}, {13, 46, 92, 24}, {289, 25, 78, 16}, {289, 46, 46, 26},
        {289, 80, 78, 13}, {487, 25, 66, 16}, {487, 46, 66, 24}, {487, 80, 78, 13},
        {28, 360, 85, 24}, {26, 439, 95, 26}, {496, 440, 73, 27}, {585, 440, 129, 27},
        {150, 13, 258, 29},
    };
    const auto allow = calmMask(calm, 6.0);
    const QRectF all(0, 0, W * SS, H * SS);

    skyGradient(p, all, 400 * SS, QColor(60, 18, 40));
    nebula(p, QPointF(470 * SS, 230 * SS), 260 * SS, QColor(60, 30, 110), 0.22);
    nebula(p, QPointF(160 * SS, 300 * SS), 200 * SS, QColor(110, 20, 50), 0.16);
    nebula(p, QPointF(650 * SS, 330 * SS), 180 * SS, QColor(130, 30, 40), 0.14);

    milkyWay(p, QPointF(-40 * SS, 390 * SS), QPointF(780 * SS, 90 * SS), 70 * SS, rng, 1400, allow);
    starField(p, all, rng, 900, SS, allow);

    comet(p, QPointF(498 * SS, 156 * SS), QPointF(775 * SS, 36 * SS), SS);

    // the three warriors: the knight and the strong one face each other,
    // the king stands behind the strong one
    struct Placed { WayangKind kind; double x; bool right; double height; };
    const Placed figures[] = {
        {WayangKind::Satria, 232, true, 282},
        {WayangKind::Gagah, 430, false, 282},
        {WayangKind::Raja, 626, false, 288},
    };
    const double ground = 398;
    std::vector<QImage> layers;
    for (const Placed& f : figures)
        layers.push_back(wayangLayer(img.size(), f.kind, QPointF(f.x * SS, ground * SS), f.height * SS, f.right));
    // a warm halo around the gold, as if lit from below by a lamp
    glow(p, img.size(), 4.0, 10, QColor(255, 170, 60), 0.4, [&](QPainter& q) {
        for (const QImage& l : layers)
            q.drawImage(0, 0, l);
    });

    // the land: far volcanoes, then the near ridge the sticks are planted in
    p.setPen(Qt::NoPen);
    {
        QLinearGradient g(0, 320 * SS, 0, H * SS);
        g.setColorAt(0.0, QColor(34, 22, 52));
        g.setColorAt(1.0, QColor(10, 8, 20));
        p.setBrush(g);
        p.drawPath(ridge(W * SS, H * SS, {{0, 372 * SS}, {90 * SS, 360 * SS}, {200 * SS, 338 * SS},
                                           {262 * SS, 322 * SS}, {320 * SS, 340 * SS}, {420 * SS, 362 * SS},
                                           {520 * SS, 346 * SS}, {610 * SS, 318 * SS}, {680 * SS, 336 * SS},
                                           {W * SS, 352 * SS}}));
    }
    for (const QImage& l : layers)
        p.drawImage(0, 0, l);
    {
        QLinearGradient g(0, 380 * SS, 0, H * SS);
        g.setColorAt(0.0, QColor(12, 10, 22));
        g.setColorAt(1.0, QColor(3, 3, 8));
        p.setBrush(g);
        p.drawPath(ridge(W * SS, H * SS, {{0, 392 * SS}, {120 * SS, 400 * SS}, {260 * SS, 394 * SS},
                                           {400 * SS, 398 * SS}, {560 * SS, 392 * SS}, {W * SS, 398 * SS}}));
        p.setBrush(QColor(3, 3, 8));
        Rng prng(0x9A1E);
        p.drawPath(palm(QPointF(30 * SS, 420 * SS), 150 * SS, 0.12, prng));
        p.drawPath(palm(QPointF(70 * SS, 430 * SS), 110 * SS, -0.2, prng));
        p.drawPath(palm(QPointF(712 * SS, 425 * SS), 140 * SS, -0.14, prng));
    }
    p.end();
    return reduce(img, W, H);
}

QImage dreamBackground()
{
    const int W = 640, H = 480;
    QImage img = canvas(int(W * SS), int(H * SS), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0xD2EA3);

    // the two radio groups at the top, the check boxes in the middle, the
    // buttons at the bottom: stars stay faint wherever text may be
    const std::vector<QRectF> calm = {
        {0, 0, 200, 90}, {424, 0, 201, 73}, {20, 100, 600, 320}, {11, 439, 52, 24}, {470, 430, 160, 40},
    };
    const auto allow = calmMask(calm, 4.0);
    const QRectF all(0, 0, W * SS, H * SS);

    {
        QLinearGradient g(0, 0, 0, H * SS);
        g.setColorAt(0.0, QColor(5, 6, 20));
        g.setColorAt(0.5, QColor(14, 12, 40));
        g.setColorAt(1.0, QColor(30, 12, 42));
        p.fillRect(all, g);
    }
    nebula(p, QPointF(312 * SS, 40 * SS), 170 * SS, QColor(90, 80, 160), 0.22);
    nebula(p, QPointF(80 * SS, 420 * SS), 220 * SS, QColor(100, 20, 60), 0.18);
    nebula(p, QPointF(600 * SS, 380 * SS), 200 * SS, QColor(50, 30, 110), 0.2);
    starField(p, all, rng, 700, SS, allow);

    // the crescent moon in the free space between the two radio groups
    const QPointF moon(312 * SS, 44 * SS);
    const double mr = 27 * SS;
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
    milkyWay(p, QPointF(-40 * SS, 300 * SS), QPointF(680 * SS, 20 * SS), 60 * SS, rng, 600, allow);

    // the puppet play's kayon at the left edge and a king at the right, faint
    // as if seen through the dream
    {
        const QImage kayon = kayonLayer(img.size(), QPointF(34 * SS, 486 * SS), 260 * SS, 6);
        const QImage king = wayangLayer(img.size(), WayangKind::Raja, QPointF(600 * SS, 476 * SS), 310 * SS, false);
        glow(p, img.size(), 4.0, 10, QColor(255, 170, 80), 0.25, [&](QPainter& q) {
            q.drawImage(0, 0, kayon);
            q.drawImage(0, 0, king);
        });
        p.save();
        p.setOpacity(0.3);
        p.drawImage(0, 0, kayon);
        p.drawImage(0, 0, king);
        p.restore();
    }

    // soft clouds drifting along the bottom edge: a dim back row, a brighter
    // front row lit from above by the moon
    for (int row = 0; row < 2; ++row) {
        glow(p, img.size(), 4.0, row == 0 ? 18 : 10, row == 0 ? QColor(90, 70, 140) : QColor(170, 140, 205),
             row == 0 ? 0.5 : 0.38, [&](QPainter& q) {
                 q.setPen(Qt::NoPen);
                 q.setBrush(Qt::white);
                 Rng crng(0xC10D + row);
                 for (int i = 0; i < 22; ++i) {
                     const double x = crng.uniform(-40, W + 40) * SS;
                     const double y = crng.uniform(row == 0 ? 440 : 468, row == 0 ? 470 : 505) * SS;
                     const double r = crng.uniform(14, 34) * SS;
                     q.drawEllipse(QPointF(x, y), r * 1.9, r);
                 }
             });
    }
    // a thin wisp across the moon
    glow(p, img.size(), 4.0, 8, QColor(180, 160, 210), 0.35, [&](QPainter& q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawEllipse(QPointF(290 * SS, 60 * SS), 70 * SS, 6 * SS);
        q.drawEllipse(QPointF(350 * SS, 66 * SS), 50 * SS, 4 * SS);
    });
    p.end();
    return reduce(img, W, H);
}

QImage deathBackground()
{
    const int W = 430, H = 615;
    QImage img = canvas(int(W * SS), int(H * SS), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0xDEA7);

    // the dialogs show the picture from its top-left corner with white text
    // over all of it, so that whole area keeps to faint small stars
    const std::vector<QRectF> calm = {{0, 0, 377, 297}};
    const auto allow = calmMask(calm, 0.0);
    const double horizon = 246;
    const QRectF sky(0, 0, W * SS, horizon * SS);

    skyGradient(p, sky, horizon * SS, QColor(34, 22, 56));
    nebula(p, QPointF(400 * SS, 130 * SS), 140 * SS, QColor(120, 110, 170), 0.16);
    starField(p, sky, rng, 420, SS, allow);

    // a small pale moon low in the east, outside the dialogs' view
    const QPointF moon(398 * SS, 150 * SS);
    nebula(p, moon, 60 * SS, QColor(230, 220, 200), 0.22);
    p.setPen(Qt::NoPen);
    {
        QRadialGradient g(moon - QPointF(4 * SS, 4 * SS), 16 * SS);
        g.setColorAt(0.0, QColor(250, 246, 232));
        g.setColorAt(1.0, QColor(200, 196, 190));
        p.setBrush(g);
        p.drawEllipse(moon, 13 * SS, 13 * SS);
    }

    // the water: darker towards us, with long ripples catching the moonlight
    const QRectF water(0, horizon * SS, W * SS, (H - horizon) * SS);
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
        p.setPen(QPen(QColor(230, 225, 210, int(255 * a)), (0.5 + 1.2 * depth) * SS, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF((x - len / 2) * SS, y * SS), QPointF((x + len / 2) * SS, y * SS));
    }
    for (int i = 0; i < 120; ++i) {
        // faint sky reflections elsewhere on the water
        const double y = horizon + 4 + rng.uniform() * (H - horizon - 8);
        const double x = rng.uniform(0, W);
        const double len = rng.uniform(3, 14);
        p.setPen(QPen(QColor(150, 150, 210, int(40 * rng.uniform())), SS * 0.8));
        p.drawLine(QPointF((x - len / 2) * SS, y * SS), QPointF((x + len / 2) * SS, y * SS));
    }

    // the far bank: a low line of trees, a temple roof, mist on the water
    p.setPen(Qt::NoPen);
    {
        std::vector<QPointF> pts;
        Rng trng(0x7EE5);
        for (double x = -10; x <= W + 10; x += 6)
            pts.push_back({x * SS, (horizon - 6 - 10 * std::abs(std::sin(x * 0.045)) - trng.uniform(0, 6)) * SS});
        QPainterPath bank = ridge(W * SS, (horizon + 2) * SS, pts);
        // a tiered roof rising from the trees on the right
        const double cx = 330 * SS, base = (horizon - 14) * SS;
        for (int t = 0; t < 3; ++t) {
            const double w = (26 - t * 7) * SS, y = base - t * 9 * SS;
            bank.addPolygon(QPolygonF({QPointF(cx - w, y), QPointF(cx - w * 0.55, y - 10 * SS),
                                       QPointF(cx + w * 0.55, y - 10 * SS), QPointF(cx + w, y)}));
        }
        bank.addRect(QRectF(cx - 1.2 * SS, base - 42 * SS, 2.4 * SS, 10 * SS));
        p.setBrush(QColor(6, 6, 14));
        p.drawPath(bank.simplified());
    }
    glow(p, img.size(), 4.0, 12, QColor(150, 150, 200), 0.3, [&](QPainter& q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawRect(QRectF(-20 * SS, (horizon - 2) * SS, (W + 40) * SS, 10 * SS));
    });

    // a small boat drifting with its lantern, and the lantern's trembling
    // reflection; dark against the moonlit water
    {
        const QPointF boat(210 * SS, 430 * SS);
        const double s = SS * 1.1;
        QPainterPath hull = spline({corner(-70, -14), {-30, -4}, {30, -4}, corner(72, -16), {60, -2},
                                    {30, 8}, {-30, 8}, {-60, -2}},
                                   true);
        QPainterPath figure = spline({{-8, -6}, {-10, -26}, {-6, -40}, {2, -44}, {8, -36}, {10, -22},
                                      {8, -6}},
                                     true);
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
        nebula(p, lamp, 22 * SS, QColor(255, 180, 90), 0.5);
        drawStar(p, lamp, 1.6 * SS, QColor(255, 230, 170));
        for (int i = 0; i < 10; ++i) {
            const double y = 446 + i * 4.5;
            const double w = 3 + i * 0.8;
            const double x = 242 + rng.uniform(-2, 2);
            p.setPen(QPen(QColor(255, 190, 110, int(150 - i * 13)), SS, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF((x - w) * SS, y * SS), QPointF((x + w) * SS, y * SS));
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
            r.moveTo(x * SS, (H + 2) * SS);
            r.quadTo((x + bend * 0.2) * SS, (H - h * 0.6) * SS, (x + bend) * SS, (H - h) * SS);
            QPainterPathStroker rs;
            rs.setWidth(rrng.uniform(1.2, 2.4) * SS);
            reeds.addPath(rs.createStroke(r));
        }
        p.setBrush(QColor(2, 2, 6));
        p.drawPath(reeds);
    }
    p.end();
    return reduce(img, W, H);
}

} // namespace art
