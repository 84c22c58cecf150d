#pragma once
// The reading sound as a file: opened by libsndfile from a descriptor we
// opened ourselves (only a regular file, never blocking, whatever its path),
// checked for what a sound output can play, and read in small blocks so
// that a long or large file costs no more memory than the shipped gong.
// Every refusal raises a MediaError that names the file and the cause.

#include "core/errors.h"
#include "files/nativefile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct sf_private_tag;

namespace temparoka {

// What the program plays: a WAV sound (the file is "tmk.wav") at a rate and
// with a number of channels that sound outputs handle. Below a few thousand
// samples a second the audio system's own arithmetic breaks down.
inline constexpr int kLowestSampleRate = 4000;
inline constexpr int kHighestSampleRate = 384000;
inline constexpr int kMostChannels = 8;

class SoundFile {
public:
    // Throws the MediaError of soundFailure. A path in folder (an open
    // descriptor of the folder that path names) is opened through it.
    static std::unique_ptr<SoundFile> open(const std::string& path, int folder = -1);
    // The same checks on a file that is already open (the fuzzer's way in);
    // path only names it in messages.
    static std::unique_ptr<SoundFile> open(FileDescriptor file, const std::string& path);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    // The length the header claims; the file may end sooner.
    std::int64_t frames() const { return m_frames; }

    // Reads up to frames frames of interleaved 16-bit samples into out and
    // returns how many it read; 0 at the end or when the rest is unreadable.
    std::size_t read(std::int16_t* out, std::size_t frames);

private:
    SoundFile() = default;

    FileDescriptor m_file;
    sf_private_tag* m_sound = nullptr;
    int m_sampleRate = 0;
    int m_channels = 0;
    std::int64_t m_frames = 0;
    bool m_ended = false;
};

}  // namespace temparoka
