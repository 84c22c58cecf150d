// Every input the fuzzers keep (their seeds and every finding) runs through
// the same entry points in the ordinary suite, so a fixed fault stays fixed.

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int fuzzRecord(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzPredictions(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzDictionary(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzJpeg(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzSound(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzMerge(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzHistory(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzReading(const std::uint8_t* data, std::size_t size);

namespace {

void runCorpus(const char* name, int (*target)(const std::uint8_t*, std::size_t))
{
    const QDir corpus(QStringLiteral(TEMPAROKA_FUZZ_CORPUS "/") + QString::fromLatin1(name));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << name;
    for (const QString& file : files) {
        QFile input(corpus.filePath(file));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly));
        const QByteArray bytes = input.readAll();
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(
            target(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
            0);
    }
}

TEST(FuzzCorpus, RecordFiles)
{
    runCorpus("record", fuzzRecord);
}
TEST(FuzzCorpus, PredictionTexts)
{
    runCorpus("predictions", fuzzPredictions);
}
TEST(FuzzCorpus, DreamDictionaryTexts)
{
    runCorpus("dictionary", fuzzDictionary);
}
TEST(FuzzCorpus, JpegPictures)
{
    runCorpus("jpeg", fuzzJpeg);
}
TEST(FuzzCorpus, SoundFiles)
{
    runCorpus("sound", fuzzSound);
}
TEST(FuzzCorpus, RecordMerges)
{
    runCorpus("merge", fuzzMerge);
}
TEST(FuzzCorpus, DamagedHistories)
{
    runCorpus("history", fuzzHistory);
}
TEST(FuzzCorpus, HostileReadings)
{
    runCorpus("reading", fuzzReading);
}

}  // namespace
