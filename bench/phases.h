#pragma once
// What the start-up timings share (bench/app/startup_phases.cpp and
// bench/empty_window.cpp): the wall clock in nanoseconds since the epoch,
// which the wrapper in bench/memory.sh notes before it becomes the program,
// the resident size now, and one printed phase.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace temparoka::bench {

inline long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

inline double residentMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// "phase<TAB>ms since last<TAB>resident MB"; last moves on to now.
inline void printPhase(const std::string& name, long long& last)
{
    const long long at = nowNs();
    std::printf("%s\t%.1f\t%.1f\n", name.c_str(), (at - last) / 1e6, residentMb());
    last = at;
}

}  // namespace temparoka::bench
