// Start-up and readings, each next to a baseline measured in the same run:
// making all eight windows against one empty window of the main window's
// size; the first and a later weekly reading; a dream reading with all
// fifteen motifs; the record file's load and save; and our JPEG decoding
// against Qt's own loader on the same bytes.

#include "app/application.h"
#include "app/program.h"
#include "benchsupport.h"
#include "files/jpeg.h"
#include "files/recordfile.h"
#include "summary.h"
#include "support/weeklyprobe.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/clock.h"
#include "ui/shared/sound.h"
#include "ui_traumform.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace temparoka;

namespace {

QTemporaryDir& programFolder()
{
    static QTemporaryDir folder;
    return folder;
}

MainWindowServices quietServices()
{
    return {std::make_shared<bench::WeekClock>(), QFile::encodeName(programFolder().path()).toStdString() + '/',
            std::make_shared<bench::Silence>(), [](double) {}};
}

// Both sides of the start-up figure go as far as a window on the screen,
// painted once: ours makes all eight windows (record file loaded, every
// picture decoded) and shows the main one; the baseline shows one empty
// window of the main window's size.
void startupAllWindows(benchmark::State& state)
{
    for (auto _ : state) {
        Program program(quietServices());
        program.Form1().show();
        program.Form1().repaint();
        benchmark::DoNotOptimize(&program);
    }
}
BENCHMARK(startupAllWindows)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void startupEmptyWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.resize(735, 487);
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(startupEmptyWindow)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The first reading builds the table from the database; each iteration
// starts from a fresh program for that reason.
void weeklyReadingFirst(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(quietServices());
        WeeklyReadingProbe::karte(program->Form1().weekly()) = 3;
        state.ResumeTiming();
        program->Form1().weekly().vorhersage();
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(weeklyReadingFirst)->Unit(benchmark::kMillisecond);

void weeklyReadingLater(benchmark::State& state)
{
    Program program(quietServices());
    WeeklyReadingProbe::karte(program.Form1().weekly()) = 3;
    program.Form1().weekly().vorhersage();
    for (auto _ : state)
        program.Form1().weekly().vorhersage();
}
BENCHMARK(weeklyReadingLater)->Unit(benchmark::kMillisecond);

void dreamReadingAllMotifs(benchmark::State& state)
{
    Program program(quietServices());
    Ttraumfenster& dream = program.traumfenster();
    for (QCheckBox* box : dream.findChildren<QCheckBox*>())
        box->setChecked(true);
    for (auto _ : state)
        dream.Button1Click();
}
BENCHMARK(dreamReadingAllMotifs)->Unit(benchmark::kMillisecond);

void recordFileSave(benchmark::State& state)
{
    RecordFile file(QFile::encodeName(programFolder().filePath("bench.dat")).toStdString());
    for (auto _ : state)
        file.save(Record{});
}
BENCHMARK(recordFileSave)->Unit(benchmark::kMillisecond);

void recordFileLoad(benchmark::State& state)
{
    RecordFile file(QFile::encodeName(programFolder().filePath("bench.dat")).toStdString());
    file.save(Record{});
    for (auto _ : state)
        benchmark::DoNotOptimize(file.load());
}
BENCHMARK(recordFileLoad)->Unit(benchmark::kMillisecond);

const char* const kPictures[] = {":/pictures/background.jpg", ":/pictures/dream.jpg",   ":/pictures/death.jpg",
                                 ":/pictures/cardback.jpg",   ":/pictures/card_ks.jpg", ":/pictures/card_3d.jpg",
                                 ":/pictures/card_qc.jpg",    ":/pictures/card_as.jpg", ":/pictures/card_jh.jpg"};

std::vector<QByteArray> pictureBytes()
{
    std::vector<QByteArray> all;
    for (const char* path : kPictures) {
        QFile file(QString::fromLatin1(path));
        file.open(QIODevice::ReadOnly);
        all.push_back(file.readAll());
    }
    return all;
}

void decodeAllWithOurDecoder(benchmark::State& state)
{
    const std::vector<QByteArray> all = pictureBytes();
    for (auto _ : state)
        for (const QByteArray& bytes : all)
            benchmark::DoNotOptimize(decodeJpeg(bytes));
}
BENCHMARK(decodeAllWithOurDecoder)->Unit(benchmark::kMillisecond);

void decodeAllWithQtLoader(benchmark::State& state)
{
    const std::vector<QByteArray> all = pictureBytes();
    for (auto _ : state) {
        for (const QByteArray& bytes : all) {
            QImage image;
            image.loadFromData(bytes, "JPG");
            benchmark::DoNotOptimize(image);
        }
    }
}
BENCHMARK(decodeAllWithQtLoader)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    bench::CloseDialogs closer;
    app.installEventFilter(&closer);
    benchmark::Initialize(&argc, argv);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto& ms = reporter.millis;
    const double all = ms["startupAllWindows/min_time:1.000"], empty = ms["startupEmptyWindow/min_time:1.000"];
    const double ours = ms["decodeAllWithOurDecoder"], qt = ms["decodeAllWithQtLoader"];
    bench::printFigures(
        "Start-up and readings (milliseconds; baselines measured in the same run)",
        {
            // In one warm process a bare window costs next to nothing, so the
            // ratio says little; bench/memory.sh compares whole cold starts.
            {"start-up in process: eight windows vs empty", all, empty, "ms", "< 50 ms (ratio: memory.sh)", all < 50},
            {"first weekly reading (table built, shown)", ms["weeklyReadingFirst"], 0, "ms", "< 5 ms",
             ms["weeklyReadingFirst"] < 5},
            {"later weekly reading", ms["weeklyReadingLater"], 0, "ms", "< 5 ms", ms["weeklyReadingLater"] < 5},
            {"dream reading, all fifteen motifs", ms["dreamReadingAllMotifs"], 0, "ms", "< 5 ms",
             ms["dreamReadingAllMotifs"] < 5},
            {"record file load", ms["recordFileLoad"], 0, "ms", "< 5 ms", ms["recordFileLoad"] < 5},
            {"record file save", ms["recordFileSave"], 0, "ms", "< 5 ms", ms["recordFileSave"] < 5},
            {"JPEG: all nine pictures, ours vs Qt's loader", ours, qt, "ms", "not slower (<= 1.05x)",
             ours <= qt * 1.05},
        });
    return 0;
}
