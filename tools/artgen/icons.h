// Small pictures: the language button's two flags, and the window icons.
#pragma once

#include <QImage>

namespace art {

// Each is given at its designed size; 'scale' 2 draws the same picture at
// twice the width and height for high-density screens (the two-colour icons
// keep to their two colours).
QImage flags(int scale = 1);  // 52 x 25: the United Kingdom's flag left, Indonesia's right
QImage programIcon(int scale = 1);  // 32 x 32, two colours: a kayon holding a star
QImage outputIcon(int scale = 1);  // 32 x 32, two colours: an open book under a star
QImage dreamIcon(int scale = 1);  // 32 x 32, full colour: a crescent moon with stars

// Full colour, the same kayon for the desktop menus, 'size' pixels square.
// Designed at 128; the small sizes (32, 48) are drawn for their pixel grid,
// with heavier lines and without the detail that would only blur.
QImage desktopIcon(int size = 128);

}  // namespace art
