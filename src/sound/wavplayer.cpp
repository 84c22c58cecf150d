#include "sound/wavplayer.h"

#include "core/errors.h"
#include "sound/soundfile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <chrono>
#include <thread>

#include <fcntl.h>

namespace temparoka {

namespace {

// Hands the audio output the sound block by block, straight from the file
// into the output's own buffer.
class SoundStream : public QIODevice {
public:
    explicit SoundStream(std::unique_ptr<SoundFile> file) : m_file(std::move(file))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_ended; }
    qint64 bytesAvailable() const override { return m_ended ? 0 : frameBytes() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const auto frames = static_cast<std::size_t>(maxSize / frameBytes());
        const std::size_t got = m_file->read(reinterpret_cast<std::int16_t*>(data), frames);
        if (got == 0 && frames > 0)
            m_ended = true;
        return static_cast<qint64>(got) * frameBytes();
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 frameBytes() const { return static_cast<qint64>(m_file->channels()) * 2; }

    std::unique_ptr<SoundFile> m_file;
    bool m_ended = false;
};

// A quarter of a second ahead is plenty for a sound that starts a reading,
// and no file makes the output hold more than this.
constexpr qsizetype kMostBufferedBytes = 64 * 1024;

}  // namespace

struct WavPlayer::Playback {
    std::unique_ptr<SoundStream> stream;
    std::unique_ptr<QAudioSink> sink;
    bool everPlayed = false;

    void stop()
    {
        if (sink) {
            sink->stop();
            sink.reset();
        }
        stream.reset();
    }
};

WavPlayer::WavPlayer(const std::string& programFolder)
    : m_playback(std::make_unique<Playback>()), m_folderPath(programFolder)
{
    // A folder that cannot be opened now is looked for by its path later,
    // and says then why its sound cannot be played.
    if (!programFolder.empty())
        m_folder = FileDescriptor(::open(programFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

WavPlayer::~WavPlayer()
{
    m_playback->stop();
    // The audio system answers a stopped stream on a thread of its own. Were
    // the program to end while that answer is under way, the audio library
    // would abort in its teardown; a moment's pause lets it arrive.
    if (m_playback->everPlayed)
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

void WavPlayer::play(const std::string& path)
{
    // Like closing and reopening a device: the earlier sound is cut off even
    // when the new file turns out to be unplayable.
    m_playback->stop();
    std::unique_ptr<SoundFile> file =
        SoundFile::open(path, m_folder.isOpen() && folderOf(path) == m_folderPath ? m_folder.get() : -1);

    QAudioFormat format;
    format.setSampleRate(file->sampleRate());
    format.setChannelCount(file->channels());
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || file->frames() == 0)
        return;  // nowhere to play, or nothing to play: silence
    if (!device.isFormatSupported(format))
        throw soundFailure(path, "the sound output cannot play " + std::to_string(file->channels()) + " channels at " +
                                     std::to_string(file->sampleRate()) + " Hz");

    m_playback->stream = std::make_unique<SoundStream>(std::move(file));
    m_playback->sink = std::make_unique<QAudioSink>(device, format);
    m_playback->sink->setBufferSize(std::min<qsizetype>(format.bytesForDuration(250000), kMostBufferedBytes));
    m_playback->sink->start(m_playback->stream.get());
    m_playback->everPlayed = true;
}

}  // namespace temparoka

extern "C" temparoka::SoundPlayer* temparoka_wav_player(const char* programFolder)
{
    return new temparoka::WavPlayer(programFolder);
}
