// The gunungan of the program's icons (gunungan.cpp): the leaf-shaped
// mountain of the puppet play as one filled silhouette, a broad base
// narrowing to a tall point over a stepped foot, with the tree of life and
// its gate cut into the fill where the icon is large enough to hold them.
#pragma once

#include <QImage>
#include <QPainterPath>

namespace art {

// The silhouette on the icons' 32-unit square, standing on its foot at the
// bottom edge and reaching almost to the top: the same outline as the kayon
// of the main window's background, a little broader so that a small icon
// has more pixels of gold.
QPainterPath gununganOutline();

// What is cut into the gold for an icon 'pixels' square, in the same units:
// nothing below 28 pixels; then the trunk, three pairs of branches curling
// back and the gate's roof; from 60 pixels a fourth pair; from 100 pixels
// six pairs, leaves between them, a slot inside the rim and a lace of dots;
// from 128 pixels the roof in tiers over a doorway.
QPainterPath gununganCuts(double pixels);

// The small sizes set by hand on the pixel grid (16, 22, 24, 32 and the
// About box's 40), where a drawing reduced from outlines would blur: each
// pixel one of the cells below. Any other size gives a null image.
enum GununganCell { Ground = 0, Edge = 1, Gold = 2, Cut = 3 };
QImage gununganCells(int size);

}  // namespace art
