#pragma once
// The reading sound through the default audio output: the file opened (see
// SoundFile for what is refused, and how) and read in small blocks while it
// plays. This and SoundFile are the sound module (temparoka-sound.so),
// which alone links Qt Multimedia and libsndfile: the program loads it at
// its first reading (ui/shared/sound.h), so that start-up loads neither.

#include "files/nativefile.h"
#include "sound/soundplayer.h"

#include <memory>
#include <string>

namespace temparoka {

// Plays through the default audio output with QAudioSink. A sound in
// programFolder (given, it is opened now) is read through the folder opened
// then: another user who can move that folder away and put their own in
// its place cannot hand the reader their sound.
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

// The module's one entry: a WavPlayer for the program folder, which the
// caller owns.
extern "C" temparoka::SoundPlayer* temparoka_wav_player(const char* programFolder);
