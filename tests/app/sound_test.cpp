#include "app/Unit1.h"
#include "app/sound.h"
#include "app/soundfile.h"
#include "common/errors.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <vector>

using namespace temparoka;
using namespace temparoka::test;

namespace {

std::string native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

void writeSound(const std::string& path, int frames, int rate = 22050, int channels = 1,
                int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    // Through a descriptor: libsndfile's own opening takes no long paths.
    SNDFILE* file = sf_open_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600), SFM_WRITE, &info, SF_TRUE);
    ASSERT_TRUE(file) << sf_strerror(nullptr);
    std::vector<short> samples(static_cast<std::size_t>(frames * channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(8000 * std::sin(double(i) * 0.1));
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
}

std::string playError(SoundPlayer& player, const std::string& path)
{
    try {
        player.play(path);
    } catch (const MediaError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Sound, WhatCannotBePlayedIsRefusedWithTheFileAndTheCause)
{
    QTemporaryDir folder;
    const auto path = [&](const char* name) { return native(folder.filePath(name)); };
    QFile(folder.filePath("empty.wav")).open(QIODevice::WriteOnly);
    {
        QFile file(folder.filePath("text.wav"));
        file.open(QIODevice::WriteOnly);
        file.write("this is not a sound, only a few words of text\n");
    }
    writeSound(path("truncated.wav"), 4000);
    ASSERT_EQ(truncate(path("truncated.wav").c_str(), 30), 0);  // cut inside the header
    ASSERT_EQ(mkfifo(path("pipe.wav").c_str(), 0600), 0);
    ASSERT_EQ(mkdir(path("folder.wav").c_str(), 0700), 0);
    // A header may claim anything; the audio output divides by the rate.
    writeSound(path("1hz.wav"), 200, 1);
    writeSound(path("10hz.wav"), 200, 10);
    writeSound(path("3999hz.wav"), 200, kLowestSampleRate - 1);
    writeSound(path("9ch.wav"), 200, 22050, kMostChannels + 1, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16);
    writeSound(path("flac.wav"), 2000, 22050, 1, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);

    // clang-format off
    const std::pair<const char*, std::string> cases[] = {
        {"missing.wav", "No such file or directory"},
        {"empty.wav", ""},
        {"text.wav", ""},
        {"truncated.wav", ""},
        {"pipe.wav", "it is a named pipe, not a regular file"},  // a read would wait for a writer
        {"folder.wav", "it is a folder, not a regular file"},
        {"1hz.wav", "its sample rate of 1 Hz cannot be played"},
        {"10hz.wav", "its sample rate of 10 Hz cannot be played"},
        {"3999hz.wav", "its sample rate of 3999 Hz cannot be played"},
        {"9ch.wav", "its 9 channels cannot be played"},
        {"flac.wav", "it is not a WAV sound"},
    };
    // clang-format on
    WavPlayer player;
    for (const auto& [name, cause] : cases) {
        const std::string message = playError(player, path(name));
        const std::string start = "Cannot play the sound file " + path(name) + ": ";
        EXPECT_EQ(message.substr(0, start.size()), start) << message;
        EXPECT_GT(message.size(), start.size()) << name;  // the media system's text follows
        EXPECT_EQ(message.substr(start.size()).find(cause), 0u) << message;
    }
}

TEST(Sound, PlayableFilesPlayWithoutBlockingOrComplaining)
{
    QTemporaryDir folder;
    const std::string gong = native(folder.filePath("tmk.wav"));
    writeSound(gong, 22050);
    const std::string edges[] = {native(folder.filePath("low.wav")), native(folder.filePath("high.wav"))};
    writeSound(edges[0], 400, kLowestSampleRate);
    writeSound(edges[1], 400, kHighestSampleRate, kMostChannels, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16);
    WavPlayer player;
    EXPECT_EQ(playError(player, gong), "no error");
    EXPECT_EQ(playError(player, gong), "no error");  // again: cuts the first one off
    for (const std::string& edge : edges)
        EXPECT_EQ(playError(player, edge), "no error") << edge;
}

TEST(Sound, AHugeSoundIsReadInBlocksNotAsAWhole)
{
    // A header that announces about three gigabytes of samples, on a file
    // that holds them only as a hole: opening it reads no samples at all.
    QTemporaryDir folder;
    const std::string path = native(folder.filePath("tmk.wav"));
    writeSound(path, 4410, 44100, 2);
    const off_t huge = off_t(3) << 30;
    ASSERT_EQ(truncate(path.c_str(), huge), 0);
    {
        // RIFF and data chunk sizes as a long recording would have them.
        QFile file(QFile::decodeName(path.c_str()));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const auto put32 = [&](qint64 at, quint32 value) {
            file.seek(at);
            const char bytes[] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
            file.write(bytes, 4);
        };
        put32(4, quint32(huge - 8));
        put32(40, quint32(huge - 44));
    }
    const std::unique_ptr<SoundFile> sound = SoundFile::open(path);
    EXPECT_GT(sound->frames(), 800000000);  // 16-bit stereo: four bytes a frame
    std::vector<std::int16_t> block(2 * 1024);
    EXPECT_EQ(sound->read(block.data(), 1024), 1024u);
    WavPlayer player;
    EXPECT_EQ(playError(player, path), "no error");
}

TEST(Sound, SoundsInFoldersWithOddOrVeryLongNamesAreFound)
{
    const NativeTemporaryFolder root;
    ASSERT_FALSE(root.path().empty());
    std::string odd = root.path() + "/Ramalan \xff\xfe";
    ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
    std::string deep = root.path();
    while (deep.size() < 3999) {
        deep += '/' + std::string(std::min<std::size_t>(200, 3999 - deep.size() - 1), 's');
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    WavPlayer player;
    for (const std::string& folder : {odd, deep}) {
        writeSound(folder + "/tmk.wav", 2205);
        EXPECT_EQ(playError(player, folder + "/tmk.wav"), "no error") << folder.size();
    }
}

TEST(Sound, AMissingSoundFileInTheProgramFolderGoesToTheErrorBox)
{
    QTemporaryDir folder;
    ErrorBoxRecorder box;
    TForm1 form(MainWindowServices{std::make_shared<FakeClock>(kMonday7December2026At15), nativeFolder(folder),
                                   std::make_shared<WavPlayer>(), [](double) {}});
    QTimer::singleShot(0, &form, [&form] { form.tonabspielen(); });
    processEvents();
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_EQ(box.texts.front(),
              "Cannot play the sound file " + folder.filePath("tmk.wav") + ": No such file or directory.");
}

}  // namespace
