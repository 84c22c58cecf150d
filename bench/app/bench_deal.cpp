// The card deal as the reader sees it: wall time of a whole deal (prompt
// fade and five cards, paced by real waits on the monotonic clock) and the
// processor time it takes meanwhile, which should be close to nothing.

#include "app/application.h"
#include "benchsupport.h"
#include "summary.h"
#include "ui/main/Unit1.h"
#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

using namespace temparoka;

namespace {

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double g_wall = 0, g_cpu = 0;

void cardDeal(benchmark::State& state)
{
    QTemporaryDir folder;
    MainWindowServices services = MainWindowServices::defaults();
    services.programFolder = QFile::encodeName(folder.path()).toStdString() + '/';
    services.sound = std::make_shared<bench::Silence>();
    TForm1 form(services);
    form.show();
    double wall = 0, cpu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = processSeconds();
        form.weekly().wuerfeln();
        cpu += processSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        form.enterEntryMode();
    }
    g_wall = wall / double(state.iterations());
    g_cpu = cpu / double(state.iterations());
    state.counters["wall_s"] = g_wall;
    state.counters["cpu_share"] = g_cpu / g_wall;
}
BENCHMARK(cardDeal)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::printFigures("The card deal (three deals)",
                        {
                            {"deal: wall time", g_wall, 0, "s", "4.2 s +- 0.1 s", g_wall > 4.1 && g_wall < 4.3},
                            {"deal: processor time", g_cpu, 0, "s", "< 5% of the wall time", g_cpu < 0.05 * g_wall},
                        });
    return 0;
}
