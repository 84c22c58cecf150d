// The three window backgrounds: the main window's night sky with the comet
// and the golden warriors, the dream window's sky, and the river at night
// behind the clarification dialogs.
#pragma once

#include <QImage>

namespace art {

QImage mainBackground();   // 735 x 487
QImage dreamBackground();  // 640 x 480
QImage deathBackground();  // 430 x 615

} // namespace art
