// The desktop icon: see icons.h.
//
// The gunungan in gold on a night-blue rounded square. From 48 pixels up it
// is drawn from its outlines inside a gold frame; below that a frame would
// take pixels the gunungan needs, and the gunungan is the one set by hand
// on the pixel grid (gunungan.cpp).
#include "gunungan.h"
#include "iconkit.h"
#include "icons.h"

#include <QLinearGradient>

#include <cmath>

namespace art {
namespace {

// The gold of the gunungan, white where it is drawn, for 'size' pixels.
QImage desktopMask(int size)
{
    QImage mask = gununganPixels(size);
    if (!mask.isNull())
        return mask;
    // The 32-unit design grows with the icon; the ground's steps are put on
    // whole pixels so that they stay two sharp lines.
    const double unit = size / 38.4;
    const double x0 = size / 2.0 - 16 * unit;
    const double y0 = std::round((size - 32 * unit) / 2 + 29 * unit) - 29 * unit;
    mask = QImage(size, size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(x0, y0);
    p.scale(unit, unit);
    // at 48 pixels the outline is a little heavier and the guardians would
    // only be a blur
    gununganShape(p, size <= 48 ? 1.1 : 0.9, size > 48);
    return mask;
}

}  // namespace

QImage desktopIcon(int size)
{
    const int N = size;
    const bool framed = size >= 48;
    // the frame on whole pixels: its width rounded, its edges between pixels
    const double frame = framed ? std::max(1.0, std::round(size / 42.0)) : 0;
    const double inset = frame / 2 + std::floor(frame / 2);
    const double radius = size * (framed ? 0.17 : 0.2);
    const QImage mask = desktopMask(size);

    QImage out(N, N, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, N);
    night.setColorAt(0, QColor(22, 20, 58));
    night.setColorAt(1, QColor(8, 6, 22));
    p.setPen(framed ? QPen(iconkit::gold, frame) : QPen(Qt::NoPen));
    p.setBrush(night);
    p.drawRoundedRect(QRectF(inset, inset, N - 2 * inset, N - 2 * inset), radius, radius);

    QLinearGradient gold(0, 0, 0, N);
    gold.setColorAt(0, QColor(255, 226, 140));
    gold.setColorAt(1, QColor(196, 140, 40));
    QImage goldLayer(N, N, QImage::Format_ARGB32_Premultiplied);
    goldLayer.fill(Qt::transparent);
    {
        QPainter g(&goldLayer);
        g.fillRect(goldLayer.rect(), gold);
    }
    for (int y = 0; y < N; ++y) {
        auto* line = reinterpret_cast<QRgb*>(goldLayer.scanLine(y));
        for (int x = 0; x < N; ++x) {
            const int alpha = qGray(mask.pixel(x, y));
            const QColor c = QColor::fromRgb(line[x]);
            line[x] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), alpha));
        }
    }
    p.drawImage(0, 0, goldLayer);
    return out;
}

}  // namespace art
