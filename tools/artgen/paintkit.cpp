// Shared drawing kit: see paintkit.h.
#include "paintkit.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

std::uint64_t Rng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}
double Rng::uniform(double lo, double hi)
{
    return lo + (hi - lo) * uniform();
}
int Rng::below(int n)
{
    return int(uniform() * n);
}

double Rng::normal()
{
    // Box-Muller; one value per call keeps the stream simple to follow.
    double u = std::max(uniform(), 1e-12);
    double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * M_PI * v);
}

QPainterPath spline(const std::vector<Pt>& pts, bool closed, double tension)
{
    QPainterPath path;
    const int n = int(pts.size());
    if (n == 0)
        return path;
    auto at = [&](int i) -> const Pt& {
        if (closed)
            return pts[((i % n) + n) % n];
        return pts[std::clamp(i, 0, n - 1)];
    };
    path.moveTo(pts[0].x, pts[0].y);
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const Pt& p0 = at(i - 1);
        const Pt& p1 = at(i);
        const Pt& p2 = at(i + 1);
        const Pt& p3 = at(i + 2);
        QPointF c1, c2;
        // A sharp point leaves straight towards its neighbour, so two sharp
        // points in a row are joined by a straight edge.
        if (p1.sharp)
            c1 = QPointF(p1.x + (p2.x - p1.x) / 3.0, p1.y + (p2.y - p1.y) / 3.0);
        else
            c1 = QPointF(p1.x + (p2.x - p0.x) * tension / 6.0, p1.y + (p2.y - p0.y) * tension / 6.0);
        if (p2.sharp)
            c2 = QPointF(p2.x - (p2.x - p1.x) / 3.0, p2.y - (p2.y - p1.y) / 3.0);
        else
            c2 = QPointF(p2.x - (p3.x - p1.x) * tension / 6.0, p2.y - (p3.y - p1.y) * tension / 6.0);
        path.cubicTo(c1, c2, QPointF(p2.x, p2.y));
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return c;
}

namespace {

// One box pass along rows (horizontal) or columns, on the four premultiplied
// channels; the edge pixels are repeated.
void boxPass(QImage& img, int r, bool horizontal)
{
    const int w = img.width();
    const int h = img.height();
    const int len = horizontal ? w : h;
    const int lines = horizontal ? h : w;
    std::vector<std::uint32_t> line(len);
    const int div = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        auto px = [&](int i) -> QRgb& {
            return horizontal ? reinterpret_cast<QRgb*>(img.scanLine(l))[i]
                              : reinterpret_cast<QRgb*>(img.scanLine(i))[l];
        };
        for (int i = 0; i < len; ++i)
            line[i] = px(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](std::uint32_t v, int sign) {
            sum[0] += sign * int((v >> 24) & 0xff);
            sum[1] += sign * int((v >> 16) & 0xff);
            sum[2] += sign * int((v >> 8) & 0xff);
            sum[3] += sign * int(v & 0xff);
        };
        for (int i = -r; i <= r; ++i)
            add(line[std::clamp(i, 0, len - 1)], 1);
        for (int i = 0; i < len; ++i) {
            px(i) = (std::uint32_t(sum[0] / div) << 24) | (std::uint32_t(sum[1] / div) << 16) |
                    (std::uint32_t(sum[2] / div) << 8) | std::uint32_t(sum[3] / div);
            add(line[std::clamp(i + r + 1, 0, len - 1)], 1);
            add(line[std::clamp(i - r, 0, len - 1)], -1);
        }
    }
}

}  // namespace

void blur(QImage& img, int radius, int scale)
{
    if (radius <= 0)
        return;
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Three box passes of a third of the radius each approximate a Gaussian.
    const int r = std::max(1, radius / 3) * scale;
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(img, r, true);
        boxPass(img, r, false);
    }
}

QImage canvas(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QImage reduce(const QImage& big, int w, int h)
{
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void drawStar(QPainter& p, QPointF c, double radius, QColor colour, double glint)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(c, radius * 2.2);
    g.setColorAt(0.0, colour);
    g.setColorAt(0.25, withAlpha(colour, colour.alphaF() * 0.55));
    g.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setBrush(g);
    p.drawEllipse(c, radius * 2.2, radius * 2.2);
    if (glint > 0.0) {
        // Four thin rays, the long pair upright as in a telescope photograph.
        for (int k = 0; k < 2; ++k) {
            const double len = radius * glint * (k == 0 ? 1.0 : 0.7);
            QLinearGradient lg(k == 0 ? QPointF(c.x(), c.y() - len) : QPointF(c.x() - len, c.y()),
                               k == 0 ? QPointF(c.x(), c.y() + len) : QPointF(c.x() + len, c.y()));
            lg.setColorAt(0.0, withAlpha(colour, 0.0));
            lg.setColorAt(0.5, withAlpha(colour, colour.alphaF() * 0.9));
            lg.setColorAt(1.0, withAlpha(colour, 0.0));
            p.setBrush(lg);
            const double t = std::max(0.35, radius * 0.22);
            if (k == 0)
                p.drawRect(QRectF(c.x() - t, c.y() - len, 2 * t, 2 * len));
            else
                p.drawRect(QRectF(c.x() - len, c.y() - t, 2 * len, 2 * t));
        }
    }
    p.restore();
}

void starField(QPainter& p, const QRectF& area, Rng& rng, int count, double scale,
               const std::function<double(QPointF)>& allow)
{
    static const QColor tints[] = {
        QColor(255, 255, 255), QColor(210, 225, 255), QColor(190, 210, 255),
        QColor(255, 236, 200), QColor(255, 214, 150),
    };
    for (int i = 0; i < count; ++i) {
        const QPointF pos(rng.uniform(area.left(), area.right()), rng.uniform(area.top(), area.bottom()));
        const double m = std::pow(rng.uniform(), 3.2);  // most stars faint, a few bright
        const QColor tint = tints[rng.below(5)];
        const double a = std::clamp(allow(pos), 0.0, 1.0);
        if (a <= 0.0)
            continue;
        double bright = 0.25 + 0.75 * m;
        double radius = (0.35 + 1.25 * m) * scale;
        if (m > 0.35 && a < 1.0) {  // calm places keep only the small stars
            radius = 0.45 * scale;
            bright *= 0.6;
        }
        const double glint = (m > 0.9 && a >= 1.0) ? 2.5 + 2.5 * m : 0.0;
        drawStar(p, pos, radius, withAlpha(tint, bright * (0.35 + 0.65 * a)), glint);
    }
}

void glow(QPainter& target, const QSize& size, double downscale, int blurRadius, int scale, QColor tint, double opacity,
          const std::function<void(QPainter&)>& shape)
{
    const int w = std::max(1, int(size.width() / downscale));
    const int h = std::max(1, int(size.height() / downscale));
    QImage small = canvas(w, h);
    {
        QPainter q(&small);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(1.0 / downscale, 1.0 / downscale);
        shape(q);
        q.setCompositionMode(QPainter::CompositionMode_SourceIn);
        q.resetTransform();
        q.fillRect(small.rect(), tint);
    }
    blur(small, blurRadius, scale);
    target.save();
    target.setOpacity(opacity);
    target.setRenderHint(QPainter::SmoothPixmapTransform);
    target.drawImage(QRectF(0, 0, size.width(), size.height()), small);
    target.restore();
}

bool saveJpeg(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
}

bool savePng(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.save(path, "PNG");
}

}  // namespace art
