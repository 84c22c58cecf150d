// The back of the playing cards: see cards.h.
#include "cards.h"

#include "cards_court.h"
#include "cards_kit.h"
#include "paintkit.h"
#include "wayang.h"

#include <QRadialGradient>

namespace art {

using cardkit::blankCard;
using cardkit::H;
using cardkit::SS;
using cardkit::W;
using court::robeGold;

QImage cardBack(int scale)
{
    const double px = SS * scale;
    QPainterPath card;
    QImage img = blankCard(px, &card);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF field(4 * px, 4 * px, (W - 8) * px, (H - 8) * px);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 3 * px, 3 * px);
    {
        QRadialGradient g(field.center(), field.height() * 0.7);
        g.setColorAt(0.0, QColor(124, 70, 32));
        g.setColorAt(1.0, QColor(84, 44, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(fieldPath);
    }

    // kawung, the batik of four ovals round a point: each oval lies on a
    // diagonal, its inner tip touching the point and its outer tip touching
    // the tip of the neighbouring motif's oval, cream with a dark outline on
    // the sogan brown ground. Each holds its seed, a small dark drop at the
    // inner tip (a slit along the middle made them coffee beans), and a dot
    // marks each point where four ovals meet. On a card 70 pixels wide the
    // ovals must be few and large (three and a half across): small ones blur
    // into a lattice of crosses.
    p.save();
    p.setClipPath(fieldPath);
    const double cell = 18 * px;
    const QPointF origin = field.center();
    const double along = cell * 0.354;  // from the point to an oval's centre, half the diagonal's half
    const double half = along * 0.98;  // half the oval's length: its tips reach the point and the corner
    const double wide = half * 0.6;  // half its width
    const QColor cream(244, 230, 196), outline(40, 20, 8);
    for (int j = -3; j <= 3; ++j) {
        for (int i = -2; i <= 2; ++i) {
            const QPointF c = origin + QPointF(i * cell, j * cell);
            for (int k = 0; k < 4; ++k) {
                p.save();
                p.translate(c);
                p.rotate(45 + k * 90);
                QRadialGradient g(QPointF(along, -wide * 0.3), half);
                g.setColorAt(0.0, QColor(252, 242, 216));
                g.setColorAt(1.0, cream.darker(112));
                p.setPen(QPen(outline, 0.9 * px));
                p.setBrush(g);
                p.drawEllipse(QPointF(along, 0), half, wide);
                p.setPen(Qt::NoPen);
                p.setBrush(outline);
                p.drawEllipse(QPointF(along - half * 0.38, 0), 1.1 * px, 0.8 * px);
                p.restore();
            }
        }
    }
    // the dots where four ovals meet: in each motif's heart and where the
    // outer tips of four motifs touch
    p.setPen(QPen(outline, 0.6 * px));
    p.setBrush(robeGold);
    for (int j = -4; j <= 3; ++j) {
        for (int i = -3; i <= 2; ++i) {
            for (const QPointF& at : {QPointF(i, j), QPointF(i + 0.5, j + 0.5)})
                p.drawEllipse(origin + at * cell, 1.1 * px, 1.1 * px);
        }
    }
    p.restore();

    // gold double rule around the field
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(robeGold, 0.8 * px));
    p.drawRoundedRect(field.adjusted(1.6 * px, 1.6 * px, -1.6 * px, -1.6 * px), 2 * px, 2 * px);
    p.setPen(QPen(QColor(250, 236, 200), 0.5 * px));
    p.drawRoundedRect(field.adjusted(3.0 * px, 3.0 * px, -3.0 * px, -3.0 * px), 1.5 * px, 1.5 * px);

    // the medallion: a dark oval holding a golden kayon
    const QPointF mc = field.center();
    QPainterPath medal;
    medal.addEllipse(mc, 17 * px, 23 * px);
    p.setPen(QPen(robeGold, 1.0 * px));
    {
        QRadialGradient g(mc, 23 * px);
        g.setColorAt(0.0, QColor(40, 10, 40));
        g.setColorAt(1.0, QColor(14, 6, 24));
        p.setBrush(g);
    }
    p.drawPath(medal);
    p.setPen(QPen(QColor(250, 236, 200), 0.45 * px));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mc, 15 * px, 21 * px);
    const QImage kayon = kayonLayer(img.size(), mc + QPointF(0, 16 * px), 33 * px, 0, scale);
    p.drawImage(0, 0, kayon);
    p.end();
    return reduce(img, W * scale, H * scale);
}

}  // namespace art
