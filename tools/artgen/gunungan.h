// The gunungan of the program's icons (gunungan.cpp): the tall leaf-shaped
// mountain of the puppet play, pointed at the top, with the tree of life
// inside and the guarded gate at its foot.
#pragma once

#include <QImage>
#include <QPainter>

namespace art {

// The gunungan, white on black, on a 32-unit square for the icons drawn from
// outlines (64 pixels and more, and the desktop's 48): 'line' is the width of
// its outline and of the tree's branches in units; 'guards' adds the two
// guardians beside the gate, which only the larger sizes can hold.
void gununganShape(QPainter& p, double line, bool guards);

// The gunungan set by hand on the pixel grid of a small icon, 'size' pixels
// square: white where the gold goes, with grey for half-covered pixels.
// Only the sizes drawn pixel by pixel have one (16, 22, 24 and 32); any
// other size gives a null image.
QImage gununganPixels(int size);

}  // namespace art
