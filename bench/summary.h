#pragma once
// Prints, after the usual Google Benchmark table, the figures that matter
// next to their baselines measured in the same run: ours, the baseline,
// the ratio and the target.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace temparoka::bench {

// Collects the mean real time (in milliseconds) of every run by name.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean") {
                const double seconds = run.GetAdjustedRealTime() * multiplier(run.time_unit);
                millis[run.benchmark_name()] = seconds * 1e3;
                counters[run.benchmark_name()] = run.counters;
            }
        }
    }
    std::map<std::string, double> millis;
    std::map<std::string, benchmark::UserCounters> counters;

private:
    static double multiplier(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-9;
        case benchmark::kMicrosecond:
            return 1e-6;
        case benchmark::kMillisecond:
            return 1e-3;
        default:
            return 1.0;
        }
    }
};

struct Figure {
    std::string what;
    double ours;
    double baseline;  // 0 when the figure has no baseline
    std::string unit;
    std::string target;
    bool met;
};

inline void printFigures(const char* title, const std::vector<Figure>& figures)
{
    std::printf("\n%s\n", title);
    std::printf("%-46s %12s %12s %8s  %-28s %s\n", "figure", "ours", "baseline", "ratio", "target", "met");
    for (const Figure& f : figures) {
        char ratio[32] = "-";
        char baseline[32] = "-";
        if (f.baseline > 0) {
            std::snprintf(ratio, sizeof ratio, "%.2fx", f.ours / f.baseline);
            std::snprintf(baseline, sizeof baseline, "%.3f %s", f.baseline, f.unit.c_str());
        }
        char ours[32];
        std::snprintf(ours, sizeof ours, "%.3f %s", f.ours, f.unit.c_str());
        std::printf("%-46s %12s %12s %8s  %-28s %s\n", f.what.c_str(), ours, baseline, ratio, f.target.c_str(),
                    f.met ? "yes" : "NO");
    }
}

}  // namespace temparoka::bench
