// The reading sound: how long opening it takes before the first block can
// play, for the shipped gong and for a WAV file that announces three
// gigabytes, and how much memory streaming a long sound costs. The sound is
// read block by block as the audio output asks, so neither figure may grow
// with the file.

#include "sound/soundfile.h"
#include "summary.h"

#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

using namespace temparoka;

namespace {

std::string gongPath;
std::string hugePath;

// A copy of the gong's header over a hole of three gigabytes.
void makeHugeWav(const std::string& path)
{
    QFile gong(QFile::decodeName(gongPath.c_str()));
    gong.open(QIODevice::ReadOnly);
    QByteArray bytes = gong.read(44);
    const quint32 size = 3u << 30;
    const auto put32 = [&](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char(value >> (8 * i));
    };
    put32(4, size - 8);
    put32(40, size - 44);
    QFile out(QFile::decodeName(path.c_str()));
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    out.resize(size);
}

void openAndReadFirstBlock(benchmark::State& state, const std::string& path)
{
    std::vector<std::int16_t> block(4096 * 2);
    for (auto _ : state) {
        const auto sound = SoundFile::open(path);
        benchmark::DoNotOptimize(sound->read(block.data(), 4096 / sound->channels()));
    }
}

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The heap's growth at its highest while 64 MB of the huge file stream
// through in the blocks an audio output asks for.
double streamingPeakKilobytes()
{
    const std::size_t before = heapInUse();
    std::size_t peak = 0;
    {
        const auto sound = SoundFile::open(hugePath);
        std::vector<std::int16_t> block(16 * 1024 / 2);
        const std::size_t frames = block.size() / static_cast<std::size_t>(sound->channels());
        for (int i = 0; i < 64 * 64; ++i) {
            sound->read(block.data(), frames);
            peak = std::max(peak, heapInUse());
        }
    }
    return double(peak - before) / 1024.0;
}

}  // namespace

BENCHMARK_CAPTURE(openAndReadFirstBlock, shippedGong, gongPath)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(openAndReadFirstBlock, threeGigabyteWav, hugePath)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string folder(self, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
    gongPath = folder.substr(0, folder.rfind('/') + 1) + "tmk.wav";
    QTemporaryDir scratch;
    hugePath = QFile::encodeName(scratch.filePath("huge.wav")).toStdString();
    makeHugeWav(hugePath);

    benchmark::Initialize(&argc, argv);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double gong = reporter.millis["openAndReadFirstBlock/shippedGong"];
    const double huge = reporter.millis["openAndReadFirstBlock/threeGigabyteWav"];
    const double peak = streamingPeakKilobytes();
    bench::printFigures(
        "The reading sound",
        {
            {"open and first block, 3 GB WAV vs the gong", huge, gong, "ms", "< 2x the gong", huge < 2 * gong},
            {"heap growth streaming 64 MB of it", peak, 0, "KB", "< 256 KB", peak < 256},
        });
    return 0;
}
