// The gunungan of the program's icons: see gunungan.h.
//
// An icon the size of a menu entry has too few pixels for a drawing to be
// reduced into: the lines of the tree fall between pixels and blur into a
// blob, and the gunungan reads as a dome or a lamp. So the small sizes are
// set pixel by pixel below, the larger ones drawn from the same design in
// outlines.
#include "gunungan.h"

#include "paintkit.h"

#include <QPainterPath>

namespace art {
namespace {

// The left half of each hand-set gunungan, one string a row; the right half
// is its mirror image. '#' is gold, '+' half gold, '.' the ground.
//
// At 32 pixels: the outline, the trunk with two pairs of curling branches
// and a flower, the gate with its stepped roof, open door and the two
// guardians' feet beside it, and the two steps of the ground.
const char* const px32[] = {
    "................", "...............#", "...............#", "..............##", "..............##",
    ".............###", ".............#.#", "............##.#", "...........##..#", "...........#.#.#",
    "..........##.#.#", ".........##.#..#", ".........#...#.#", "........##.#..##", "........#.#....#",
    ".......##.#....#", ".......#...#...#", "......##....#..#", "......#..#...#.#", "......#.#.#...##",
    "......#..#.....#", ".....##.......##", ".....#.......###", ".....#......####", ".....#.....#####",
    ".....#.......###", ".....#.#....##..", ".....#.##...##..", ".....#.##...##..", ".....###########",
    "....############", "................",
};

// At 22 (and 24): the outline, the trunk with one pair of branches and a
// twig, the gate with its door, and the ground.
const char* const px22[] = {
    ".......#", ".......#", ".......#", "......##", "......##", ".....#.#", "....#..#",
    "....#..#", "...#..##", "...#.#.#", "..#....#", "..#.#..#", ".#...#.#", ".#....##",
    ".#.....#", ".#....##", ".#...###", ".#....#.", ".#....#.", "########",
};

// At 16 the outline and the branches would be single pixels touching each
// other, so the gunungan is a solid leaf with the gate's doorway and a hint
// of the branches cut into it.
const char* const px16[] = {
    ".....#", ".....#", "....##", "....##", "...#.#", "...###", "..#.##",
    "..####", ".#####", ".#####", ".####.", ".####.", ".####.", "######",
};

template <std::size_t Rows>
QImage fromRows(const char* const (&rows)[Rows], int size, QPoint at)
{
    QImage img(size, size, QImage::Format_Grayscale8);
    img.fill(0);
    for (std::size_t y = 0; y < Rows; ++y) {
        const QByteArray half(rows[y]);
        const int w = int(half.size());
        for (int x = 0; x < w; ++x) {
            const int v = half[x] == '#' ? 255 : half[x] == '+' ? 128 : 0;
            img.setPixel(at.x() + x, at.y() + int(y), qRgb(v, v, v));
            img.setPixel(at.x() + 2 * w - 1 - x, at.y() + int(y), qRgb(v, v, v));
        }
    }
    return img;
}

// The right half of a symmetric outline, mirrored round x = 16 into a
// closed path that starts and ends on the axis.
QPainterPath mirrored(const std::vector<Pt>& right, bool closed)
{
    std::vector<Pt> pts;
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        pts.push_back({32 - it->x, it->y, it->sharp});
    for (std::size_t i = (right.front().x == 16 ? 1 : 0); i < right.size(); ++i)
        pts.push_back(right[i]);
    return spline(pts, closed);
}

}  // namespace

void gununganShape(QPainter& p, double line, bool guards)
{
    const QPen pen(Qt::white, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    // the leaf: a long slender point that swells into a full body and comes
    // down almost straight to the ground
    p.drawPath(mirrored({corner(16, 1.2),
                         {17.2, 4.2},
                         {18.8, 7.4},
                         {21.2, 10.8},
                         {24, 14.4},
                         {25.9, 18.2},
                         {26.6, 22},
                         corner(26.6, 29.4)},
                        false));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // the ground, two steps
    p.drawRect(QRectF(5, 29, 22, 1));
    p.drawRect(QRectF(4, 30, 24, 1));
    // the tree: its trunk rises from the gate's roof into the point
    p.drawRect(QRectF(15.25, 3, 1.5, 19));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen);
    for (int side : {-1, 1}) {
        auto at = [side](double x, double y) { return Pt{16 + side * (x - 16), y}; };
        // the lower branches curl up and back in, the upper ones out
        p.drawPath(
            spline({at(16, 20), at(19, 17.2), at(21.2, 14.8), at(21.6, 13), at(20.6, 12.2), at(19.8, 13)}, false));
        p.drawPath(spline({at(16, 14), at(18.2, 11.8), at(19.2, 10), at(18.6, 8.8)}, false));
        p.drawPath(spline({at(16, 9.4), at(17.4, 7.6)}, false));
        // a flower hanging under the lower branch
        p.drawPath(spline({at(20.2, 16.6), at(19.4, 18.4), at(20.2, 20), at(21, 18.4), at(20.2, 16.6)}, false));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // the gate: a stepped roof over a house with an open door
    p.drawPolygon(
        QPolygonF({QPointF(16, 20.4), QPointF(21.3, 24.3), QPointF(21.3, 25), QPointF(10.7, 25), QPointF(10.7, 24.3)}));
    QPainterPath house;
    house.addRect(QRectF(12, 25, 8, 4));
    QPainterPath door;
    door.addRect(QRectF(14, 26, 4, 3));
    p.drawPath(house.subtracted(door));
    if (guards) {
        // a guardian on each side of the gate, facing it, his club held up
        for (int side : {-1, 1}) {
            auto at = [side](double x, double y) { return QPointF(16 + side * (x - 16), y); };
            p.drawEllipse(at(8.6, 25.2), 0.9, 0.9);
            p.drawPolygon(QPolygonF({at(7.4, 26.2), at(9.4, 26.2), at(9.8, 29), at(7.2, 29)}));
            p.setPen(QPen(Qt::white, line * 0.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at(9.6, 27.4), at(10.6, 24.8));
            p.setPen(Qt::NoPen);
        }
    }
}

QImage gununganPixels(int size)
{
    switch (size) {
    case 16:
        return fromRows(px16, 16, {2, 1});
    case 22:
        return fromRows(px22, 22, {3, 1});
    case 24:
        return fromRows(px22, 24, {4, 2});
    case 32:
        return fromRows(px32, 32, {0, 0});
    default:
        return {};
    }
}

}  // namespace art
