// The baseline of the start-up figures: a bare Qt window of the main
// window's size, shown and left running. Given the time its process was
// made (ns since the epoch), it instead prints its phases as
// startup_phases does and ends after its first paint.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double residentMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

class Window : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        painted = true;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const long long exec = argc > 1 ? std::atoll(argv[1]) : 0;
    long long last = exec;
    const auto phase = [&last](const char* name) {
        const long long at = nowNs();
        std::printf("%s\t%.1f\t%.1f\n", name, (at - last) / 1e6, residentMb());
        last = at;
    };
    if (exec)
        phase("libraries loaded and started (exec to main)");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (exec)
        phase("application object (display, style, fonts)");
    Window window;
    window.resize(735, 487);
    window.setWindowTitle(QStringLiteral("empty"));
    window.show();
    if (!exec)
        return app.exec();
    QElapsedTimer waited;
    waited.start();
    while (!window.painted && waited.elapsed() < 10000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    phase("window made, shown and painted");
    std::printf("exec to first paint\t%.1f\t%.1f\n", (nowNs() - exec) / 1e6, residentMb());
    return 0;
}
