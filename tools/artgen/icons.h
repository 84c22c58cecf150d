// Small pictures: the language button's two flags, and the window icons.
#pragma once

#include <QImage>

namespace art {

// Each is given at its designed size; 'scale' 2 draws the same picture at
// twice the width and height for high-density screens (the two-colour icons
// keep to their two colours).
QImage flags(int scale = 1);  // 52 x 25: the United Kingdom's flag left, Indonesia's right
QImage programIcon(int scale = 1);  // 32 x 32, two colours: a gunungan with its tree of life
QImage aboutIcon(int scale = 1);  // 40 x 40, two colours: the gunungan as the About box shows it
QImage outputIcon(int scale = 1);  // 32 x 32, two colours: an open book under a star
QImage dreamIcon(int scale = 1);  // 32 x 32, two colours: a closed eye under rising z's

// Full colour, the same gunungan for the desktop's menus and panels, 'size'
// pixels square: gold with a thin dark edge on a transparent ground. The
// sizes up to 32 are set pixel by pixel; from 48 up it is drawn from outlines.
QImage desktopIcon(int size = 128);

}  // namespace art
