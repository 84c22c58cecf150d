#pragma once
// The reading sound as the program plays it. Qt Multimedia and libsndfile,
// with the audio system's libraries behind them, are a third of what the
// program would load before its first window; they live in the sound module
// (temparoka-sound.so, beside the program), which is loaded at the first
// reading instead.

#include "files/nativefile.h"
#include "sound/soundplayer.h"

#include <memory>
#include <string>

namespace temparoka {

// The module's file name in the program folder.
inline constexpr const char* kSoundModule = "temparoka-sound.so";

// Plays through the sound module of programFolder. The module is opened
// now, at start, and loaded from that open file at the first play(): a
// folder that another user swaps meanwhile cannot hand the reader their
// code. A module that is missing, another user's or cannot be loaded fails
// that play() with a MediaError naming the sound and why, like a sound that
// cannot be played; the module found at start is the one tried
// at every later play() too.
class ModuleSoundPlayer : public SoundPlayer {
public:
    explicit ModuleSoundPlayer(const std::string& programFolder);
    ~ModuleSoundPlayer() override;
    void play(const std::string& path) override;

private:
    std::unique_ptr<SoundPlayer> load(const std::string& soundPath);

    std::string m_folder;
    FileDescriptor m_module;
    int m_openError = 0;
    std::unique_ptr<SoundPlayer> m_player;
};

}  // namespace temparoka
