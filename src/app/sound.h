#pragma once
// The reading sound. play() opens a WAV file with libsndfile, stops whatever
// an earlier reading still plays and starts the new sound without waiting
// for it. A file that cannot be opened raises a MediaError with libsndfile's
// text; a machine without an audio output plays nothing and says nothing.

#include <QString>

#include <memory>

namespace temparoka {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// Plays through the default audio output with QAudioSink.
class WavPlayer : public SoundPlayer {
public:
    WavPlayer();
    ~WavPlayer() override;  // stops the sound and releases the device
    void play(const QString& path) override;

private:
    struct Playback;
    std::unique_ptr<Playback> m_playback;
};

}  // namespace temparoka
