#pragma once
// What the start-up timings share (bench/app/startup_phases.cpp and
// bench/empty_window.cpp): the wall clock in nanoseconds since the epoch,
// which the wrapper in bench/memory.sh notes before it becomes the program,
// the resident size now, one printed phase, and the wait for a window's
// first paint.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

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

// Runs the event loop until the window has been painted once (at most 10 s).
inline void waitForFirstPaint(QWidget& window)
{
    struct FirstPaint : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    window.removeEventFilter(&watch);
}

}  // namespace temparoka::bench
