#include "core/errors.h"
#include "sound/soundfile.h"
#include "sound/wavplayer.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "ui/main/Unit1.h"
#include "ui/shared/sound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace temparoka;
using namespace temparoka::test;

namespace {

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
        {"missing.wav", "berkas atau folder tidak ditemukan.|no such file or folder."},
        // libsndfile's own words follow ours.
        {"empty.wav", "isinya tidak dapat dibaca sebagai suara (|it cannot be read as a sound ("},
        {"text.wav", "isinya tidak dapat dibaca sebagai suara (|it cannot be read as a sound ("},
        {"truncated.wav", "isinya tidak dapat dibaca sebagai suara (|it cannot be read as a sound ("},
        // A read would wait for a writer.
        {"pipe.wav", "itu pipa bernama, bukan berkas biasa.|it is a named pipe, not a regular file."},
        {"folder.wav", "itu folder, bukan berkas biasa.|it is a folder, not a regular file."},
        {"1hz.wav", "laju sampelnya, 1 Hz, tidak dapat diputar.|its sample rate of 1 Hz cannot be played."},
        {"10hz.wav", "laju sampelnya, 10 Hz, tidak dapat diputar.|its sample rate of 10 Hz cannot be played."},
        {"3999hz.wav", "laju sampelnya, 3999 Hz, tidak dapat diputar.|its sample rate of 3999 Hz cannot be played."},
        {"9ch.wav", "9 salurannya tidak dapat diputar.|its 9 channels cannot be played."},
        {"flac.wav", "itu bukan suara WAV.|it is not a WAV sound."},
    };
    // clang-format on
    WavPlayer player;
    for (const auto& [name, cause] : cases) {
        const std::string message = playError(player, path(name));
        // Each line: its sentence, then the cause in its language.
        const std::size_t bar = cause.find('|'), newline = message.find('\n');
        ASSERT_NE(newline, std::string::npos) << message;
        const std::string lines[] = {message.substr(0, newline), message.substr(newline + 1)};
        const std::string starts[] = {"Berkas suara " + path(name) + " tidak dapat diputar: " + cause.substr(0, bar),
                                      "Cannot play the sound file " + path(name) + ": " + cause.substr(bar + 1)};
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(lines[i].substr(0, starts[i].size()), starts[i]) << message;
        // A detail in brackets is the same on both lines.
        if (const std::size_t open = lines[0].find(" ("); open != std::string::npos) {
            EXPECT_EQ(lines[0].substr(open), lines[1].substr(lines[1].find(" ("))) << message;
            EXPECT_GT(lines[0].size(), open + 3) << message;
        }
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
    // The program's folder moved away after the start, and another put in
    // its place by someone who could: the sound still comes from the
    // folder found at the start.
    const QString folderPath = folder.path() + "/program";
    ASSERT_TRUE(QDir().mkdir(folderPath));
    writeSound(native(folderPath + "/tmk.wav"), 400);
    WavPlayer pinned(native(folderPath) + '/');
    ASSERT_TRUE(QDir().rename(folderPath, folder.path() + "/moved"));
    ASSERT_TRUE(QDir().mkdir(folderPath));
    writeBytes(native(folderPath + "/tmk.wav"), "not a sound");
    EXPECT_EQ(playError(pinned, native(folderPath + "/tmk.wav")), "no error");
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
    EXPECT_EQ(box.texts.front(), "Berkas suara " + folder.filePath("tmk.wav") +
                                     " tidak dapat diputar: berkas atau folder tidak ditemukan.\nCannot play the sound "
                                     "file " +
                                     folder.filePath("tmk.wav") + ": no such file or folder.");
}

// The program plays through the sound module beside it, loaded at the first
// reading from the file opened at start: a module missing, another user's or
// no module at all refuses the sound, naming the sound and the module; one
// swapped after the start is not the one loaded. A process loads the module
// once (the loader knows it by its descriptor's name from then on), so the
// one case that loads it comes last.
TEST(Sound, TheModuleBesideTheProgramIsLoadedAtTheFirstReadingOrRefusedByName)
{
    const std::string built = TEMPAROKA_SOUND_MODULE;
    const struct {
        const char* what;
        std::function<bool(const std::string& module)> setUp;  // false: cannot be set up here
        std::function<void(const std::string& module)> afterStart;
        const char* says;
    } cases[] = {
        {"none", [](const std::string&) { return true; }, {}, "pemutar suaranya, {}, tidak ada"},
        {"not a module",
         [](const std::string& m) { return QFile(QString::fromStdString(m)).open(QIODevice::WriteOnly); },
         {},
         "pemutar suaranya, {}, tidak dapat dimuat"},
        // A pipe by its name neither holds the start nor is loaded.
        {"a pipe",
         [](const std::string& m) { return ::mkfifo(m.c_str(), 0600) == 0; },
         {},
         "pemutar suaranya, {}, tidak dapat dimuat (itu bukan berkas biasa)"},
        {"a link",
         [&](const std::string& m) { return ::symlink(built.c_str(), m.c_str()) == 0; },
         {},
         "pemutar suaranya, {}, tidak dapat dibuka"},
        {"another user's",
         [&](const std::string& m) {
             return QFile::copy(QString::fromStdString(built), QString::fromStdString(m)) &&
                    ::chown(m.c_str(), 65534, 65534) == 0 && ::geteuid() != 65534;
         },
         {},
         "pemutar suaranya, {}, milik pengguna lain"},
        {"swapped for another file after the start",
         [&](const std::string& m) { return QFile::copy(QString::fromStdString(built), QString::fromStdString(m)); },
         [](const std::string& m) {
             const std::string other = m + ".other";
             QFile(QString::fromStdString(other)).open(QIODevice::WriteOnly);
             ::rename(other.c_str(), m.c_str());
         },
         "no error"},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const std::string module = native(folder.filePath(kSoundModule)), sound = native(folder.filePath("tmk.wav"));
        writeSound(sound, 2205);
        if (!c.setUp(module))
            continue;  // another user's file cannot be made without the right to
        ModuleSoundPlayer player(native(folder.path()));
        if (c.afterStart)
            c.afterStart(module);
        std::string says = c.says;
        if (const std::size_t at = says.find("{}"); at != std::string::npos)
            says.replace(at, 2, module);
        const std::string error = playError(player, sound);
        EXPECT_NE(error.find(says), std::string::npos) << c.what << ": " << error;
        if (says != "no error") {
            EXPECT_NE(error.find("Berkas suara " + sound), std::string::npos) << c.what << ": " << error;
        }
    }
}

}  // namespace
