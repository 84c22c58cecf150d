#pragma once
// What the main window and its weekly reading take from the outside world.
// The program uses the defaults; tests pass their own clock, folder and
// sound.

#include "files/recordplace.h"
#include "ui/shared/readingservices.h"

#include <functional>
#include <memory>
#include <string>

namespace temparoka {

class Clock;
class SoundPlayer;

struct MainWindowServices {
    std::shared_ptr<const Clock> clock;
    // As the system names it, ending with "/": a folder's name need not be
    // valid text.
    std::string programFolder;
    std::shared_ptr<SoundPlayer> sound;
    // Pauses the card deal for the given seconds without handling events.
    std::function<void(double seconds)> sleep;
    // Keeps the record when the program folder cannot (ends with "/"), or
    // why there is none.
    Location dataFolder = Failure{"no data folder was given"};

    // The system clock, the executable's own folder, the real sound, a
    // sleep on the monotonic clock and the user's data folder.
    static MainWindowServices defaults();
    // What the windows that read take of them.
    ReadingServices readingServices() const { return {clock, programFolder, sound}; }
};

}  // namespace temparoka
