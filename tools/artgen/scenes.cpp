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

#include "scenekit.h"
#include "wayang.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

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

}  // namespace art
