#pragma once
// The reading sound. play() stops whatever an earlier reading still plays,
// opens the file (see SoundFile for what is refused, and how) and starts it
// without waiting: the sound is read in small blocks while it plays. A file
// that cannot be played raises a MediaError naming the file; a machine
// without an audio output plays nothing and says nothing.

#include "files/nativefile.h"

#include <memory>
#include <string>

namespace temparoka {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // path as the system names it.
    virtual void play(const std::string& path) = 0;
};

// Plays through the default audio output with QAudioSink. A sound in
// programFolder (given, it is opened now, at start) is read through the
// folder opened then: another user who can move that folder away and put
// their own in its place cannot hand the reader their sound.
class WavPlayer : public SoundPlayer {
public:
    explicit WavPlayer(const std::string& programFolder = {});
    ~WavPlayer() override;  // stops the sound and releases the device
    void play(const std::string& path) override;

private:
    struct Playback;
    std::unique_ptr<Playback> m_playback;
    std::string m_folderPath;
    FileDescriptor m_folder;
};

}  // namespace temparoka
