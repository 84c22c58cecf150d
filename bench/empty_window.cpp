// The baseline of the start-up figures: a bare Qt window of the main
// window's size, shown and left running. Given the time its process was
// made (ns since the epoch), it instead prints its phases as
// startup_phases does and ends after its first paint. Given "text" after
// that, the window shows one line of text, so that it pays for the fonts
// as any window with a caption does: where a real window's start begins.

#include "phases.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace temparoka::bench;

int main(int argc, char** argv)
{
    const long long exec = argc > 1 ? std::atoll(argv[1]) : 0;
    long long last = exec;
    const auto phase = [&last](const char* name) { printPhase(name, last); };
    if (exec)
        phase("libraries loaded and started (exec to main)");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (exec)
        phase("application object (display, style, fonts)");
    QWidget window;
    if (argc > 2 && std::string(argv[2]) == "text")
        (new QLabel(QStringLiteral("Ramalan Temparoka"), &window))->move(10, 10);
    window.resize(735, 487);
    window.setWindowTitle(QStringLiteral("empty"));
    window.show();
    if (!exec)
        return app.exec();
    waitForFirstPaint(window);
    phase("window made, shown and painted");
    std::printf("exec to first paint\t%.1f\t%.1f\n", (nowNs() - exec) / 1e6, residentMb());
    return 0;
}
