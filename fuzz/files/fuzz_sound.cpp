// Sound file bytes -> opening the reading sound and reading it. Whatever the
// bytes, the file is refused with a MediaError or opens with a rate and a
// channel count that the audio output is safe with, and reading it block by
// block never crashes, reads out of bounds or yields more than asked.

#include "core/errors.h"
#include "sound/soundfile.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using namespace temparoka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as a regular file, as the program opens it.
    FileDescriptor file(memfd_create("tmk.wav", MFD_CLOEXEC));
    if (!file.isOpen() || ::write(file.get(), data, size) != static_cast<ssize_t>(size))
        std::abort();
    try {
        const std::unique_ptr<SoundFile> sound = SoundFile::open(std::move(file), "tmk.wav");
        if (sound->sampleRate() < kLowestSampleRate || sound->sampleRate() > kHighestSampleRate ||
            sound->channels() < 1 || sound->channels() > kMostChannels)
            std::abort();
        // A few blocks, as the audio output asks for them; a long file has
        // no more to show after that.
        constexpr std::size_t kFrames = 512;
        std::vector<std::int16_t> block(kFrames * static_cast<std::size_t>(sound->channels()));
        for (int i = 0; i < 16; ++i) {
            const std::size_t got = sound->read(block.data(), kFrames);
            if (got > kFrames)
                std::abort();
            if (got == 0)
                break;
        }
    } catch (const MediaError&) {
    }
    return 0;
}
