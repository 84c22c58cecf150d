// Window backgrounds: see scenes.h.
//
// Every scene is painted at twice its size and reduced at the end, which
// smooths the stars and the fine lace of the figures. Controls sit on these
// pictures, so each scene keeps a list of calm rectangles (in pixels of the
// picture as designed) where only faint small stars may appear and nothing
// bright is placed.
//
// For high-density screens a scene is drawn again at 'scale' times its size:
// every length is multiplied by px, the drawing pixels per designed pixel, and
// the random draws are the same in number and order, so each star and figure
// lands where it was, only finer. At scale 1 px is exactly the supersampling
// factor, so those pictures come out as they always have.
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

constexpr double SS = 2.0;  // supersampling factor

// How freely stars may shine at a point (in drawing pixels, px to a designed
// pixel): dimmed inside the calm rectangles (given in designed pixels) and a
// margin around them.
std::function<double(QPointF)> calmMask(std::vector<QRectF> calm, double margin, double px)
{
    return [calm = std::move(calm), margin, px](QPointF p) {
        const QPointF q = p / px;
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
// clustered around it. Points and width are in drawing pixels.
void milkyWay(QPainter& p, QPointF a, QPointF b, double width, Rng& rng, int stars,
              const std::function<double(QPointF)>& allow, int scale)
{
    const double px = SS * scale;
    const QSizeF size(p.device()->width(), p.device()->height());
    // the blur is given as at scale 1; glow widens it by the scale
    const int blurRadius = int(width / scale / 4.0);
    glow(p, size.toSize(), 4.0, blurRadius, scale, QColor(120, 110, 190), 0.22, [&](QPainter& q) {
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
        const double r = (0.3 + 0.5 * rng.uniform()) * px;
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

// A comet diving from 'tailEnd' towards 'head' (drawing pixels): a bright
// nucleus, a short coma and two tails, the dust tail broad and curved, the ion
// tail straight.
void comet(QPainter& p, QPointF head, QPointF tailEnd, int scale)
{
    const double px = SS * scale;
    const QPointF d = tailEnd - head;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QSize size(p.device()->width(), p.device()->height());

    // dust tail: a wedge widening away from the head and bending away from
    // the comet's path, brightest near the head
    glow(p, size, 2.0, int(12 * SS), scale, QColor(255, 222, 165), 1.0, [&](QPainter& q) {
        QPainterPath tail;
        tail.moveTo(head + n * 2 * px);
        tail.cubicTo(head + u * len * 0.35 + n * 16 * px, head + u * len * 0.75 + n * 44 * px, tailEnd + n * 76 * px);
        tail.lineTo(tailEnd - n * 4 * px);
        tail.cubicTo(head + u * len * 0.7 - n * 3 * px, head + u * len * 0.3 - n * 4 * px, head - n * 2 * px);
        tail.closeSubpath();
        QLinearGradient g(head, tailEnd + n * 25 * px);
        g.setColorAt(0.0, QColor(255, 255, 255, 255));
        g.setColorAt(0.15, QColor(255, 255, 255, 190));
        g.setColorAt(0.5, QColor(255, 255, 255, 80));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(Qt::NoPen);
        q.setBrush(g);
        q.drawPath(tail);
    });
    // ion tail: thin, bluish and straight, leaving the dust tail's inner edge
    glow(p, size, 2.0, int(4 * SS), scale, QColor(150, 190, 255), 0.7, [&](QPainter& q) {
        QLinearGradient g(head, head + u * len);
        g.setColorAt(0.0, QColor(255, 255, 255, 220));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        q.setPen(QPen(QBrush(g), 2.0 * px, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(head, head + u * len - n * 6 * px);
    });
    // coma and nucleus: a soft round head, no glint, so that it reads as a
    // comet and not as a star over the figures
    nebula(p, head, 22 * px, QColor(255, 236, 190), 0.6);
    nebula(p, head, 9 * px, QColor(255, 250, 230), 0.8);
    {
        QRadialGradient g(head, 4.5 * px);
        g.setColorAt(0.0, QColor(255, 255, 248, 255));
        g.setColorAt(0.6, QColor(255, 246, 220, 200));
        g.setColorAt(1.0, QColor(255, 236, 190, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(head, 4.5 * px, 4.5 * px);
    }
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

// A volcano's cone seen from afar: slopes hollowing as they rise to a
// short, broken crater rim. All in drawing pixels.
QPainterPath volcano(double cx, double base, double width, double height, double crater)
{
    QPainterPath path;
    path.moveTo(cx - width / 2, base);
    path.cubicTo(cx - width * 0.22, base - height * 0.12, cx - crater * 1.3, base - height * 0.72, cx - crater / 2,
                 base - height);
    path.lineTo(cx - crater * 0.1, base - height * 0.96);
    path.lineTo(cx + crater * 0.2, base - height * 0.985);
    path.lineTo(cx + crater / 2, base - height * 0.995);
    path.cubicTo(cx + crater * 1.3, base - height * 0.72, cx + width * 0.22, base - height * 0.12, cx + width / 2,
                 base);
    path.closeSubpath();
    return path;
}

// A banyan (beringin) at night: a trunk of stems grown together, limbs
// spreading wide, a broad crown of leaf clumps with the sky showing through
// here and there, and curtains of air roots hanging from the limbs. 'foot'
// is the base of the trunk in drawing pixels, 'px' drawing pixels per
// designed pixel.
QPainterPath banyan(QPointF foot, double px, Rng& rng)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto P = [&](double x, double y) { return foot + QPointF(x * px, y * px); };
    auto Q = [&](double x, double y, bool sharp = false) {
        const QPointF q = P(x, y);
        return Pt{q.x(), q.y(), sharp};
    };
    path.addPath(spline({Q(-46, 4, true), Q(-26, -8), Q(-20, -50), Q(-26, -100), Q(-40, -128), Q(-14, -122),
                         Q(-2, -146), Q(10, -122), Q(34, -134), Q(22, -96), Q(18, -50), Q(28, -8), Q(54, 4, true)},
                        true));
    QPainterPathStroker st;
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    const QPointF limbs[][3] = {
        {{-20, -120}, {-60, -140}, {-112, -150}},
        {{-6, -136}, {-24, -170}, {-46, -196}},
        {{4, -136}, {30, -170}, {62, -192}},
        {{16, -124}, {60, -140}, {118, -146}},
    };
    for (const auto& l : limbs) {
        QPainterPath limb;
        limb.moveTo(P(l[0].x(), l[0].y()));
        limb.quadTo(P(l[1].x(), l[1].y()), P(l[2].x(), l[2].y()));
        st.setWidth(7 * px);
        path.addPath(st.createStroke(limb));
    }
    // leaf clumps filling a low wide dome
    for (int i = 0; i < 70; ++i) {
        const double x = rng.uniform(-128, 134);
        const double arch = std::max(0.0, 1.0 - std::pow((x - 3) / 132.0, 2));
        const double top = -152 - 72 * std::sqrt(arch);
        const double y = rng.uniform(top, -146);
        const double r = rng.uniform(7, 15) * (0.6 + 0.4 * std::sqrt(arch));
        path.addEllipse(P(x, y), r * 1.35 * px, r * px);
    }
    // air roots from under the limbs, the middle ones reaching the ground
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(-118, 124);
        const double top = -146 + rng.uniform(-4, 10);
        const double len = std::abs(x) < 60 ? rng.uniform(40, 150) : rng.uniform(24, 90);
        QPainterPath r;
        r.moveTo(P(x, top));
        r.quadTo(P(x + rng.uniform(-4, 4), top + len * 0.5), P(x + rng.uniform(-6, 6), top + len));
        st.setWidth(rng.uniform(0.6, 1.4) * px);
        path.addPath(st.createStroke(r));
    }
    return path;
}

}  // namespace

QImage mainBackground(int scale)
{
    const int W = 735, H = 487;
    const double px = SS * scale;
    QImage img = canvas(int(W * px), int(H * px), Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0x7E4A9A01);

    // where the program's labels, fields and buttons sit, and the card prompt
    const std::vector<QRectF> calm = {
        {13, 25, 114, 16},  {13, 46, 92, 24},    {289, 25, 78, 16},  {289, 46, 46, 26}, {289, 80, 78, 13},
        {487, 25, 66, 16},  {487, 46, 66, 24},   {487, 80, 78, 13},  {28, 360, 85, 24}, {26, 439, 95, 26},
        {496, 440, 73, 27}, {585, 440, 129, 27}, {150, 13, 258, 29},
    };
    const auto allow = calmMask(calm, 6.0, px);
    const QRectF all(0, 0, W * px, H * px);

    skyGradient(p, all, 400 * px, QColor(60, 18, 40));
    nebula(p, QPointF(470 * px, 230 * px), 260 * px, QColor(60, 30, 110), 0.22);
    nebula(p, QPointF(160 * px, 300 * px), 200 * px, QColor(110, 20, 50), 0.16);
    nebula(p, QPointF(650 * px, 330 * px), 180 * px, QColor(130, 30, 40), 0.14);

    milkyWay(p, QPointF(-40 * px, 390 * px), QPointF(780 * px, 90 * px), 70 * px, rng, 1400, allow, scale);
    starField(p, all, rng, 900, px, allow);

    // the comet between the knight and the strong one, over the smoking
    // volcano, its tail rising to the left above the knight's head
    comet(p, QPointF(338 * px, 156 * px), QPointF(128 * px, 62 * px), scale);

    // three puppets planted for the play: the knight and the strong one face
    // each other, the king stands behind the strong one
    struct Placed {
        WayangKind kind;
        double x;
        bool right;
        double height;
    };
    // the strong one is the tallest; the soles stand on the top of the banana
    // trunk, so the long feet show whole
    const Placed figures[] = {
        {WayangKind::Satria, 240, true, 246},
        {WayangKind::Gagah, 436, false, 286},
        {WayangKind::Raja, 628, false, 250},
    };
    const double soles = 392.5;
    std::vector<QImage> layers;
    for (const Placed& f : figures)
        layers.push_back(wayangLayer(img.size(), f.kind, QPointF(f.x * px, soles * px), f.height * px, f.right, scale));
    // a warm halo around the gold, as if lit from below by the lamp
    glow(p, img.size(), 4.0, 10, scale, QColor(255, 170, 60), 0.4, [&](QPainter& q) {
        for (const QImage& l : layers)
            q.drawImage(0, 0, l);
    });

    // the land: two volcanoes far off, the smoking one glowing faintly at its
    // crater, and a low ridge before them
    p.setPen(Qt::NoPen);
    {
        QLinearGradient g(0, 250 * px, 0, 380 * px);
        g.setColorAt(0.0, QColor(40, 28, 62));
        g.setColorAt(1.0, QColor(20, 14, 36));
        p.setBrush(g);
        QPainterPath far = volcano(332 * px, 372 * px, 330 * px, 118 * px, 16 * px);
        far.addPath(volcano(548 * px, 372 * px, 420 * px, 104 * px, 30 * px));
        far.addPath(volcano(600 * px, 372 * px, 300 * px, 86 * px, 20 * px));
        p.drawPath(far.simplified());
        nebula(p, QPointF(332 * px, 258 * px), 14 * px, QColor(255, 90, 40), 0.3);
        glow(p, img.size(), 4.0, 8, scale, QColor(150, 130, 170), 0.22, [&](QPainter& q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Qt::white);
            for (int i = 0; i < 5; ++i)
                q.drawEllipse(QPointF((328 - i * 8) * px, (246 - i * 6) * px), (4 + i * 2.5) * px, (3 + i) * px);
        });
        QLinearGradient n(0, 330 * px, 0, H * px);
        n.setColorAt(0.0, QColor(26, 18, 40));
        n.setColorAt(1.0, QColor(10, 8, 20));
        p.setBrush(n);
        p.drawPath(ridge(W * px, H * px,
                         {{0, 352 * px},
                          {110 * px, 346 * px},
                          {230 * px, 356 * px},
                          {380 * px, 350 * px},
                          {520 * px, 358 * px},
                          {640 * px, 348 * px},
                          {W * px, 354 * px}}));
    }
    // a banyan, dark at the left edge
    {
        Rng brng(0xBA7A);
        p.setBrush(QColor(3, 3, 8));
        p.drawPath(banyan(QPointF(62 * px, 402 * px), px, brng));
    }
    // the kayon planted at the side of the play, in front of the banyan, its
    // base pushed into the banana trunk
    const QImage kayon = kayonLayer(img.size(), QPointF(166 * px, 398 * px), 160 * px, -3, scale, KayonBase::Planted);
    glow(p, img.size(), 4.0, 10, scale, QColor(255, 170, 60), 0.3, [&](QPainter& q) { q.drawImage(0, 0, kayon); });
    p.drawImage(0, 0, kayon);
    for (const QImage& l : layers)
        p.drawImage(0, 0, l);

    // the banana trunk the puppets' rods are pushed into, lying along the
    // stage, and the dark ground before it
    bananaTrunk(p, QRectF(118 * px, 393 * px, (W - 108) * px, 18 * px), px);
    {
        p.setPen(Qt::NoPen);
        QLinearGradient ground(0, 380 * px, 0, H * px);
        ground.setColorAt(0.0, QColor(12, 10, 22));
        ground.setColorAt(1.0, QColor(3, 3, 8));
        p.setBrush(ground);
        p.drawPath(
            ridge(W * px, H * px, {{0, 412 * px}, {200 * px, 410 * px}, {420 * px, 409 * px}, {W * px, 410 * px}}));
    }
    p.end();
    return reduce(img, W * scale, H * scale);
}

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
