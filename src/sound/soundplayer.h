#pragma once
// What plays the reading sound: play() stops whatever an earlier reading
// still plays, opens the file and starts it without waiting. A file that
// cannot be played raises a MediaError naming the file; a machine without
// an audio output plays nothing and says nothing.

#include <string>

namespace temparoka {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // path as the system names it.
    virtual void play(const std::string& path) = 0;
};

}  // namespace temparoka
