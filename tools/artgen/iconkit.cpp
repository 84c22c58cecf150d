// What the small pictures share: see iconkit.h.
#include "iconkit.h"

#include "paintkit.h"

#include <QPolygonF>

#include <cmath>

namespace art::iconkit {

QImage twoColour(const QImage& coverage)
{
    QImage out(coverage.size(), QImage::Format_Indexed8);
    out.setColorTable({black.rgb(), gold.rgb()});
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, qGray(coverage.pixel(x, y)) >= 128 ? 1 : 0);
    return out;
}

QImage twoColour(const std::function<void(QPainter&)>& shape, int scale)
{
    return twoColourSquare(shape, 32 * scale);
}

QImage twoColourSquare(const std::function<void(QPainter&)>& shape, int pixels)
{
    constexpr int K = 16;
    QImage big(pixels * K, pixels * K, QImage::Format_RGB32);
    big.fill(Qt::black);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(K * pixels / 32.0, K * pixels / 32.0);
        shape(p);
    }
    return twoColour(big.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage supersampled(QSize size, double detail, int scale, QColor fill, const std::function<void(QPainter&)>& draw)
{
    QImage big = canvas(int(size.width() * detail * scale), int(size.height() * detail * scale), fill);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(detail * scale, detail * scale);
    draw(p);
    p.end();
    return reduce(big, size.width() * scale, size.height() * scale);
}

void starPolygon(QPainter& p, QPointF c, double outer, double inner, int points, double turn)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * M_PI / points - M_PI / 2;
        poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.drawPolygon(poly);
}

}  // namespace art::iconkit
