// Where start-up spends its time, phase by phase: the program's own start
// (the same calls as main.cpp, in the same order) timed from the moment the
// process was made to the end of the main window's first paint, with the
// resident size after each phase; then every picture decoded once more, on
// its own, to show what each costs (a PNG's first decoding includes Qt's
// look for its image plugins).
//
// Usage: startup_phases <exec time in ns since the epoch> (bench/memory.sh
// gives it, by a wrapper that notes the time and then becomes this
// program). Prints one line per phase: "phase<TAB>ms<TAB>resident MB".

#include "app/alongside.h"
#include "app/application.h"
#include "app/program.h"
#include "files/jpeg.h"
#include "phases.h"
#include "ui/main/mainwindowservices.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

using namespace temparoka::bench;

int main(int, char** argv)
{
    const long long entered = nowNs();
    long long last = argv[1] ? std::atoll(argv[1]) : entered;
    const auto phase = [&last](const std::string& name) { printPhase(name, last); };
    phase("libraries loaded and started (exec to main)");

    int argc = 1;
    char* arguments[] = {argv[0], nullptr};
    temparoka::paintWithoutSharedMemory();
    temparoka::keepQtSettingsOutOfFiles();
    temparoka::AlongsideStart fonts(temparoka::readFontConfiguration);
    temparoka::TApplication app(argc, arguments);
    temparoka::AlongsideStart pictures(
        [ratio = app.devicePixelRatio()] { temparoka::Program::decodeStartPictures(ratio); });
    phase("application object (display, style, fonts)");
    temparoka::installQtTranslation();
    phase("Qt's Indonesian");
    fonts.wait();
    phase("font configuration read beside it");
    const long long first = nowNs();
    temparoka::Program program(temparoka::MainWindowServices::defaults(), [&](QWidget* window) {
        phase("window " + window->objectName().toStdString() + " made");
    });
    program.Form1().show();
    waitForFirstPaint(program.Form1());
    phase("main window shown and painted");
    std::printf("windows made, shown and painted\t%.1f\t%.1f\n", (nowNs() - first) / 1e6, residentMb());
    std::printf("exec to first paint\t%.1f\t%.1f\n", (nowNs() - (argv[1] ? std::atoll(argv[1]) : entered)) / 1e6,
                residentMb());

    // The first reading's sound: the module loaded and the gong started,
    // against a later reading's, which only starts it.
    const temparoka::MainWindowServices services = temparoka::MainWindowServices::defaults();
    const std::string gong = services.programFolder + "/tmk.wav";
    for (const char* which : {"first reading's sound (module loaded)", "later reading's sound"}) {
        const long long before = nowNs();
        services.sound->play(gong);
        std::printf("%s\t%.1f\t%.1f\n", which, (nowNs() - before) / 1e6, residentMb());
    }

    // Each picture decoded again, on its own: what it costs, and how much
    // memory its pixels take.
    for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext();) {
        const QString path = it.next();
        if (path.contains(QStringLiteral("@2x")))
            continue;
        // Not through loadPicture, which hands out the pictures the start
        // decoded already.
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QElapsedTimer timer;
        timer.start();
        const QImage image =
            path.endsWith(QStringLiteral(".jpg")) ? temparoka::decodeJpeg(bytes) : QImage::fromData(bytes);
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("decode %s (%dx%d)\t%.2f\t%.2f\n", qPrintable(path.mid(11)), image.width(), image.height(), ms,
                    image.sizeInBytes() / 1048576.0);
    }
    return 0;
}
