#pragma once
// What every window that reads takes from the outside world: the clock,
// for the day a reading is read, and the sound that opens every reading
// (tmk.wav in the program folder). The program hands over the real ones,
// tests their own.

#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <memory>
#include <string>

namespace temparoka {

inline constexpr char kSoundFileName[] = "tmk.wav";

struct ReadingServices {
    std::shared_ptr<const Clock> clock;
    // As the system names it, ending with "/": a folder's name need not be
    // valid text.
    std::string programFolder;
    std::shared_ptr<SoundPlayer> sound;

    double today() const { return clock->now(); }
    // Starts the reading's sound; throws MediaError when it cannot be played.
    void playReadingSound() const { sound->play(programFolder + kSoundFileName); }
};

}  // namespace temparoka
