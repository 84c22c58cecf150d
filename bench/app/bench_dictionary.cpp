// The dream dictionary: a search per keystroke over every entry, as the
// window runs one while the reader types (each prefix of a few queries,
// in both languages, with affixes and a slip); and the window's first
// opening, from reading its entries to the window painted.

#include "app/application.h"
#include "app/program.h"
#include "benchsupport.h"
#include "core/dictionarysearch.h"
#include "summary.h"
#include "ui/dictionary/kamusform.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace temparoka;

namespace {

const char* const kTyped[] = {"arti mimpi digigit ular", "teeth falling out", "bertemu orang yang sudah meninggal",
                              "banjr bandang", "lari-lari dikejar anjing"};

void searchPerKeystroke(benchmark::State& state)
{
    const std::vector<DictionaryEntry> entries = shippedDreamDictionary();
    const DictionarySearch search(entries);
    std::size_t keystrokes = 0;
    for (auto _ : state) {
        for (const char* typed : kTyped) {
            const std::string text(typed);
            for (std::size_t length = 1; length <= text.size(); ++length) {
                benchmark::DoNotOptimize(search.find(text.substr(0, length)));
                ++keystrokes;
            }
        }
    }
    state.counters["keystrokes"] = double(keystrokes) / double(state.iterations());
}
BENCHMARK(searchPerKeystroke)->Unit(benchmark::kMillisecond);

// The first opening, as "K&amus" does it: the entries read from the
// resources, the search prepared, the window made, shown and painted.
void firstOpening(benchmark::State& state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(MainWindowServices{
            std::make_shared<bench::WeekClock>(), QFile::encodeName(folder.path()).toStdString() + '/',
            std::make_shared<bench::Silence>(), [](double) {}});
        state.ResumeTiming();
        Tkamusform& window = program->kamusform();
        window.show();
        window.repaint();
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(firstOpening)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double keystrokes = reporter.counters["searchPerKeystroke"]["keystrokes"];
    const double perKeystroke = reporter.millis["searchPerKeystroke"] / keystrokes;
    const double opening = reporter.millis["firstOpening"];
    bench::printFigures(
        "The dream dictionary",
        {
            {"search over every entry, per keystroke", perKeystroke, 0, "ms", "< 2 ms", perKeystroke < 2.0},
            {"first opening of the window", opening, 0, "ms", "< 50 ms", opening < 50.0},
        });
    return 0;
}
