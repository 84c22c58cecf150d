// Record file load and save, and picture decoding through our libjpeg
// decoder next to Qt's own loader on the same bytes.

#include "app/application.h"
#include "app/recordfile.h"
#include "common/jpeg.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace temparoka;

namespace {

QByteArray resourceBytes(const char* path)
{
    QFile file(QString::fromLatin1(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void recordFileSave(benchmark::State& state)
{
    QTemporaryDir folder;
    const RecordFile file(folder.filePath("temparoka.dat"));
    Record record;
    for (auto _ : state)
        file.save(record);
}
BENCHMARK(recordFileSave)->Unit(benchmark::kMicrosecond);

void recordFileLoad(benchmark::State& state)
{
    QTemporaryDir folder;
    const RecordFile file(folder.filePath("temparoka.dat"));
    file.save(Record{});
    for (auto _ : state)
        benchmark::DoNotOptimize(file.load());
}
BENCHMARK(recordFileLoad)->Unit(benchmark::kMicrosecond);

const char* const kPictures[] = {":/pictures/background.jpg", ":/pictures/dream.jpg", ":/pictures/death.jpg",
                                 ":/pictures/cardback.jpg"};

void decodeWithLibjpeg(benchmark::State& state)
{
    const QByteArray bytes = resourceBytes(kPictures[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeJpeg(bytes));
    state.SetLabel(kPictures[state.range(0)]);
}
BENCHMARK(decodeWithLibjpeg)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void decodeWithQtLoader(benchmark::State& state)
{
    const QByteArray bytes = resourceBytes(kPictures[state.range(0)]);
    for (auto _ : state) {
        QImage image;
        image.loadFromData(bytes, "JPG");
        benchmark::DoNotOptimize(image);
    }
    state.SetLabel(kPictures[state.range(0)]);
}
BENCHMARK(decodeWithQtLoader)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
