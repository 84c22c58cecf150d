// Small pictures: the language button's two flags, and the window icons.
#pragma once

#include <QImage>

namespace art {

QImage flags();        // 52 x 25: the United Kingdom's flag left, Indonesia's right
QImage programIcon();  // 32 x 32, two colours: a kayon holding a star
QImage desktopIcon();  // 128 x 128, full colour: the same kayon for the desktop menus
QImage outputIcon();   // 32 x 32, two colours: an open book under a star
QImage dreamIcon();    // 32 x 32, full colour: a crescent moon with stars

} // namespace art
