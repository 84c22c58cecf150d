#include "sound/soundfile.h"

#include "core/errors.h"

#include <cerrno>

#include <sndfile.h>

namespace temparoka {

namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& cause, int error = 0)
{
    throw soundFailure(path, cause, error);
}

bool isWav(int format)
{
    const int container = format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX || container == SF_FORMAT_RF64;
}

}  // namespace

std::unique_ptr<SoundFile> SoundFile::open(const std::string& path, int folder)
{
    FileResult<FileDescriptor> file = folder >= 0 ? openRegularFileAt(folder, nameOf(path)) : openRegularFile(path);
    if (!file.ok())
        refuse(path, file.problem(), file.error());
    if (!file.value().isOpen())
        refuse(path, {}, ENOENT);
    return open(std::move(file.value()), path);
}

std::unique_ptr<SoundFile> SoundFile::open(FileDescriptor file, const std::string& path)
{
    std::unique_ptr<SoundFile> sound(new SoundFile);
    sound->m_file = std::move(file);
    // libsndfile reads from our descriptor and leaves closing it to us; a
    // path would go through its own length limit and text encoding.
    SF_INFO info{};
    errno = 0;
    sound->m_sound = sf_open_fd(sound->m_file.get(), SFM_READ, &info, SF_FALSE);
    if (!sound->m_sound) {
        // libsndfile words a failed read with the C library's text, in the
        // system's language: the number it met is said in ours instead.
        // Its own words for a file it cannot make sense of are fixed
        // English, kept as the detail.
        const int error = errno;
        if (sf_error(nullptr) == SF_ERR_SYSTEM)
            refuse(path, error != 0 ? std::string() : "the system gave no reason", error);
        refuse(path, std::string("it cannot be read as a sound (") + sf_strerror(nullptr) + ")");
    }
    if (!isWav(info.format))
        refuse(path, "it is not a WAV sound");
    if (info.samplerate < kLowestSampleRate || info.samplerate > kHighestSampleRate)
        refuse(path, "its sample rate of " + std::to_string(info.samplerate) + " Hz cannot be played");
    if (info.channels < 1 || info.channels > kMostChannels)
        refuse(path, "its " + std::to_string(info.channels) + " channels cannot be played");
    sound->m_sampleRate = info.samplerate;
    sound->m_channels = info.channels;
    sound->m_frames = info.frames;
    return sound;
}

SoundFile::~SoundFile()
{
    if (m_sound)
        sf_close(m_sound);
}

std::size_t SoundFile::read(std::int16_t* out, std::size_t frames)
{
    if (m_ended || frames == 0)
        return 0;
    const sf_count_t got = sf_readf_short(m_sound, out, static_cast<sf_count_t>(frames));
    if (got <= 0) {
        m_ended = true;
        return 0;
    }
    return static_cast<std::size_t>(got);
}

}  // namespace temparoka
