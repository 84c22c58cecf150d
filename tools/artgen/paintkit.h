// Shared drawing kit of the picture generator: the fixed-seed random source,
// the palette every picture draws from, smooth outlines through control points,
// stars, soft glows and the writers for the finished files.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace art {

// SplitMix64: small, fast and, above all, the same on every machine and
// compiler, so that running the generator again gives the same pictures.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    double uniform();  // [0, 1)
    double uniform(double lo, double hi);  // [lo, hi)
    int below(int n);  // [0, n)
    double normal();  // mean 0, deviation 1

private:
    std::uint64_t m_state;
};

// One palette for the whole program: night sky, gold, deep red.
namespace pal {
inline const QColor night0{4, 6, 18};  // deepest sky, top of the pictures
inline const QColor night1{10, 16, 42};  // sky
inline const QColor night2{24, 22, 60};  // sky near the horizon
inline const QColor dusk{70, 14, 28};  // deep red glow on the horizon
inline const QColor goldDark{122, 78, 16};
inline const QColor gold{214, 160, 52};
inline const QColor goldLight{250, 218, 130};
inline const QColor goldPale{255, 240, 190};
inline const QColor red{150, 14, 30};
inline const QColor redDark{92, 6, 18};
inline const QColor ink{14, 10, 16};
inline const QColor silhouette{5, 5, 12};
}  // namespace pal

// A control point of an outline; a sharp point becomes a corner, the others
// are passed through smoothly (Catmull-Rom).
struct Pt {
    double x;
    double y;
    bool sharp = false;
};
inline Pt corner(double x, double y)
{
    return {x, y, true};
}

QPainterPath spline(const std::vector<Pt>& pts, bool closed, double tension = 1.0);
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, double alpha);

// Blurs an ARGB32 premultiplied image in place (three box passes, close to a Gaussian).
// 'radius' is the one the picture was designed with; a picture drawn 'scale'
// times larger gets boxes exactly 'scale' times wider, so its blur matches.
void blur(QImage& img, int radius, int scale = 1);

// A new transparent canvas of the given size, ready for premultiplied drawing.
QImage canvas(int w, int h, QColor fill = Qt::transparent);

// Area-averaging reduction of a supersampled picture to its final size.
QImage reduce(const QImage& big, int w, int h);

// A single star: a soft round core, and for the brightest ones thin glints.
void drawStar(QPainter& p, QPointF c, double radius, QColor colour, double glint = 0.0);

// A field of stars. 'allow' returns how bright a star may be at a place
// (0 = none, 1 = any); it keeps text areas calm.
void starField(QPainter& p, const QRectF& area, Rng& rng, int count, double scale,
               const std::function<double(QPointF)>& allow);

// A soft halo around whatever 'shape' draws: rendered at a reduced size,
// blurred, tinted and laid over the target. 'blurRadius' is given as for the
// picture at its designed size; 'scale' widens it for larger drawings.
void glow(QPainter& target, const QSize& size, double downscale, int blurRadius, int scale, QColor tint, double opacity,
          const std::function<void(QPainter&)>& shape);

bool saveJpeg(const QImage& img, const QString& path);
bool savePng(const QImage& img, const QString& path);

}  // namespace art
