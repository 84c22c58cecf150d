// The gunungan set by hand on the pixel grid: see gunungan.h.
//
// A leaf reduced from its outline to 16 or 24 pixels comes out blurred at
// the point and lumpy at the sides, and its dark edge smears into grey; set
// pixel by pixel, the point is one pixel sharp, the sides swell evenly and
// the edge is one whole pixel wide, so the small icons read as the same
// figure as the large ones.
#include "gunungan.h"

#include <QByteArray>

#include <cstddef>

namespace art {
namespace {

// The left half of each gunungan and its middle column, one string a row;
// the right half is the mirror image, so the point is a single pixel and the
// last column of the square stays empty. '.' is the ground, 'o' the dark edge,
// '#' gold and 'x' what is cut into the gold.

// At 16: the bare silhouette, a point of one pixel over three rows swelling
// into broad shoulders low down, drawn in to a neck over a foot.
// clang-format off
const char* const px16[] = {
    ".......o",
    "......o#",
    "......o#",
    "......o#",
    ".....o##",
    ".....o##",
    "....o###",
    "....o###",
    "...o####",
    "..o#####",
    "..o#####",
    "..o#####",
    "...o####",
    "....o###",
    "...o####",
    "..oooooo",
};
// clang-format on

// At 22 and 24 the same, with room for a longer point and a foot in two
// steps; a tree in so few pixels reads as a cross or a fir, so still none.
// clang-format off
const char* const px22[] = {
    "..........o",
    ".........o#",
    ".........o#",
    ".........o#",
    "........o##",
    "........o##",
    ".......o###",
    ".......o###",
    "......o####",
    ".....o#####",
    ".....o#####",
    "....o######",
    "....o######",
    "....o######",
    "....o######",
    "....o######",
    ".....o#####",
    "......o####",
    ".......o###",
    "......o####",
    ".....o#####",
    ".....oooooo",
};
// clang-format on

// clang-format off
const char* const px24[] = {
    "...........o",
    "..........o#",
    "..........o#",
    "..........o#",
    ".........o##",
    ".........o##",
    "........o###",
    "........o###",
    ".......o####",
    ".......o####",
    "......o#####",
    "......o#####",
    ".....o######",
    ".....o######",
    ".....o######",
    "....o#######",
    "....o#######",
    "....o#######",
    ".....o######",
    "......o#####",
    ".......o####",
    "......o#####",
    ".....o######",
    ".....ooooooo",
};
// clang-format on

// At 32 the tree of life is cut into the gold: a trunk to the point and
// three pairs of branches curling back, standing on the gate's stepped roof.
// clang-format off
const char* const px32[] = {
    "...............o",
    "..............o#",
    "..............o#",
    "..............o#",
    ".............o#x",
    ".............o#x",
    "............o##x",
    "............o##x",
    "...........o#xxx",
    "..........o##x#x",
    "..........o####x",
    ".........o##xx#x",
    ".........o#x##xx",
    "........o##x###x",
    "........o######x",
    ".......o###xx##x",
    ".......o##x##x#x",
    "......o###x###xx",
    "......o####x###x",
    "......o########x",
    "......o#######xx",
    "......o######xxx",
    "......o#####xxxx",
    ".......o########",
    "........o#######",
    "..........o#####",
    "..........o#####",
    "........o#######",
    "........o#######",
    ".......o########",
    ".......o########",
    ".......ooooooooo",
};
// clang-format on

// At 40, for the About box, the same with room for the curls to turn right
// round.
// clang-format off
const char* const px40[] = {
    "...................o",
    "..................o#",
    "..................o#",
    ".................o##",
    ".................o##",
    "................o##x",
    "................o##x",
    "...............o###x",
    "...............o###x",
    "..............o####x",
    "..............o#xx#x",
    ".............o#x##xx",
    ".............o#x###x",
    "............o###x##x",
    "...........o#######x",
    "...........o###xx##x",
    "..........o###x##x#x",
    "..........o##x####xx",
    ".........o###x#x###x",
    ".........o####x####x",
    ".........o#########x",
    "........o#####xxx##x",
    "........o####x###x#x",
    "........o###x#####xx",
    "........o###x#x####x",
    "........o####x#####x",
    "........o##########x",
    "........o#########xx",
    "........o########xxx",
    "........o#######xxxx",
    ".........o#####xxxxx",
    "..........o#########",
    "............o#######",
    "............o#######",
    "............o#######",
    "..........o#########",
    "..........o#########",
    "..........o#########",
    ".........o##########",
    ".........ooooooooooo",
};
// clang-format on

template <std::size_t Rows>
QImage fromRows(const char* const (&rows)[Rows], int size)
{
    QImage img(size, size, QImage::Format_Indexed8);
    img.setColorTable({qRgb(0, 0, 0), qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(3, 3, 3)});
    img.fill(Ground);
    const int top = size - int(Rows);
    for (std::size_t y = 0; y < Rows; ++y) {
        const QByteArray half(rows[y]);
        const int w = int(half.size());
        for (int x = 0; x < w; ++x) {
            const char c = half[x];
            const int cell = c == 'o' ? Edge : c == '#' ? Gold : c == 'x' ? Cut : Ground;
            img.setPixel(x, top + int(y), uint(cell));
            img.setPixel(2 * (w - 1) - x, top + int(y), uint(cell));
        }
    }
    return img;
}

}  // namespace

QImage gununganCells(int size)
{
    switch (size) {
    case 16:
        return fromRows(px16, 16);
    case 22:
        return fromRows(px22, 22);
    case 24:
        return fromRows(px24, 24);
    case 32:
        return fromRows(px32, 32);
    case 40:
        return fromRows(px40, 40);
    default:
        return {};
    }
}

}  // namespace art
