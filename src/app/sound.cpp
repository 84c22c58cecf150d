#include "app/sound.h"

#include "common/errors.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

#include <sndfile.h>

#include <algorithm>

namespace temparoka {

namespace {

struct DecodedSound {
    QAudioFormat format;
    QByteArray samples;  // interleaved 16-bit PCM
};

// Decodes the whole file; the reading sound is a second or two long.
DecodedSound decodeWav(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        throw MediaError(sf_strerror(nullptr));

    DecodedSound sound;
    const sf_count_t frames = info.frames;
    if (frames > 0 && info.channels > 0) {
        sound.samples.resize(static_cast<qsizetype>(frames * info.channels * sizeof(short)));
        const sf_count_t read = sf_readf_short(file, reinterpret_cast<short*>(sound.samples.data()), frames);
        sound.samples.resize(static_cast<qsizetype>(std::max<sf_count_t>(read, 0) * info.channels * sizeof(short)));
    }
    sf_close(file);
    sound.format.setSampleRate(info.samplerate);
    sound.format.setChannelCount(info.channels);
    sound.format.setSampleFormat(QAudioFormat::Int16);
    return sound;
}

}  // namespace

struct WavPlayer::Playback {
    QByteArray samples;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;

    void stop()
    {
        if (sink) {
            sink->stop();
            sink.reset();
        }
        buffer.close();
    }
};

WavPlayer::WavPlayer() : m_playback(std::make_unique<Playback>()) {}

WavPlayer::~WavPlayer()
{
    m_playback->stop();
}

void WavPlayer::play(const QString& path)
{
    // Like closing and reopening a device: the earlier sound is cut off even
    // when the new file turns out to be unplayable.
    m_playback->stop();
    DecodedSound sound = decodeWav(path);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !sound.format.isValid() || sound.samples.isEmpty())
        return;  // nowhere to play, or nothing to play: silence

    m_playback->samples = std::move(sound.samples);
    m_playback->buffer.setData(m_playback->samples);
    m_playback->buffer.open(QIODevice::ReadOnly);
    m_playback->sink = std::make_unique<QAudioSink>(device, sound.format);
    m_playback->sink->start(&m_playback->buffer);
}

}  // namespace temparoka
