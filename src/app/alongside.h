#pragma once
// Start-up work done on a second thread while the main thread makes the
// application object and the windows, so that on two processors the first
// window is painted sooner. The work only readies what the main thread
// would otherwise do itself the first time it needs it (the font
// configuration, the first windows' pictures): where no thread can be had,
// or the work fails, nothing is lost but the time, and the main thread
// meets any failure itself, where it is reported as always.

#include <functional>
#include <thread>

namespace temparoka {

class AlongsideStart {
public:
    explicit AlongsideStart(const std::function<void()>& work);
    ~AlongsideStart();
    AlongsideStart(const AlongsideStart&) = delete;
    AlongsideStart& operator=(const AlongsideStart&) = delete;

    // Waits until the work has ended (at once when it never started).
    void wait();

private:
    std::thread m_thread;
};

// Reads the system's font configuration and its caches, which the toolkit
// would read at the first text it measures. Does nothing where the
// toolkit's font library is not loaded.
void readFontConfiguration();

}  // namespace temparoka
