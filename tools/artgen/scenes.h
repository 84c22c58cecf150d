// The three window backgrounds: the main window's Javanese night with the
// comet and three golden shadow puppets planted for a play, the dream
// window's sky, and the river at night behind the clarification dialogs.
#pragma once

#include <QImage>

namespace art {

// At 'scale' 2 each is the same picture drawn at twice the width and height,
// for high-density screens.
QImage mainBackground(int scale = 1);  // 735 x 487
QImage dreamBackground(int scale = 1);  // 640 x 480
QImage deathBackground(int scale = 1);  // 430 x 615

}  // namespace art
