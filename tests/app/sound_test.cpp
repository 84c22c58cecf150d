#include "app/Unit1.h"
#include "app/sound.h"
#include "common/errors.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <vector>

using namespace temparoka;
using namespace temparoka::test;

namespace {

void writeTone(const QString& path, int frames)
{
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    ASSERT_TRUE(file);
    std::vector<short> samples(static_cast<std::size_t>(frames));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(8000 * std::sin(double(i) * 0.1));
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
}

std::string playError(WavPlayer& player, const QString& path)
{
    try {
        player.play(path);
    } catch (const MediaError& error) {
        return error.what();
    }
    return "no error";
}

TEST(Sound, UnplayableFilesRaiseTheMediaErrorWithLibsndfilesText)
{
    QTemporaryDir folder;
    const QString empty = folder.filePath("empty.wav"), text = folder.filePath("text.wav"),
                  truncated = folder.filePath("truncated.wav");
    QFile(empty).open(QIODevice::WriteOnly);
    {
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write("this is not a sound, only a few words of text\n");
    }
    {
        writeTone(truncated, 4000);
        QFile file(truncated);
        file.open(QIODevice::ReadWrite);
        file.resize(30);  // cut inside the header
    }
    WavPlayer player;
    const std::pair<QString, const char*> cases[] = {
        {folder.filePath("missing.wav"), "No such file or directory"},
        {empty, ""},
        {text, ""},
        {truncated, ""},
    };
    for (const auto& [path, part] : cases) {
        const std::string message = playError(player, path);
        EXPECT_NE(message, "no error") << path.toStdString();
        EXPECT_FALSE(message.empty()) << path.toStdString();
        EXPECT_NE(message.find(part), std::string::npos) << message;
    }
}

TEST(Sound, AValidFilePlaysWithoutBlockingOrComplaining)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("tmk.wav");
    writeTone(path, 22050);
    WavPlayer player;
    EXPECT_EQ(playError(player, path), "no error");
    EXPECT_EQ(playError(player, path), "no error");  // again: cuts the first one off
}

TEST(Sound, AMissingSoundFileInTheProgramFolderGoesToTheErrorBox)
{
    QTemporaryDir folder;
    ErrorBoxRecorder box;
    TForm1 form(MainWindowServices{std::make_shared<FakeClock>(kMonday7December2026At15),
                                   folder.path() + QLatin1Char('/'), std::make_shared<WavPlayer>(), [](double) {}});
    QTimer::singleShot(0, &form, [&form] { form.tonabspielen(); });
    processEvents();
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_TRUE(box.texts.front().contains("No such file or directory")) << box.texts.front().toStdString();
    EXPECT_TRUE(box.texts.front().endsWith('.'));
}

}  // namespace
