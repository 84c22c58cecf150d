// Temparoka's entry point: an environment of root's own when run as root,
// a look whether threads can be had at all, the application object, every
// window made once in its order (the main window restores the record file
// while it is built), then the message loop until the main window closes.
// Nothing is saved on the way out; the sound device is released with the
// windows.

#include "app/alongside.h"
#include "app/application.h"
#include "app/nothread.h"
#include "app/ownenvironment.h"
#include "app/program.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

int main(int, char** argv)
{
    // First, while no other thread can read the environment, and before
    // anything that follows reads it.
    temparoka::makeEnvironmentRootsOwn();
    // A file-size limit would otherwise end the program in the middle of a
    // save; ignored, the write fails with "File too large" and the error box
    // says so.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!temparoka::threadsCanStart(temparoka::threadsTheProgramNeeds())) {
        // The toolkit would wait for its threads for ever: say why without it,
        // in a box and, for a terminal, on the error output.
        const std::string why = temparoka::noThreadsMessage();
        std::fprintf(stderr, "%s\n", why.c_str());
        const QString title = temparoka::applicationTitleFrom(QString::fromLocal8Bit(argv[0]));
        temparoka::showBoxWithoutThreads(title.toStdString(), why);
        return 1;
    }
    // The program takes no options, and the toolkit must not take its own
    // from the command line either: it gets the program's name alone.
    int argc = 1;
    char* arguments[] = {argv[0], nullptr};
    temparoka::paintWithoutSharedMemory();
    temparoka::keepQtSettingsOutOfFiles();
    // Beside the main thread while it connects to the display and makes the
    // windows: the font configuration, which the first text would read, and
    // the pictures. Where no thread can be had, the start does the same work
    // itself.
    temparoka::AlongsideStart fonts(temparoka::readFontConfiguration);
    temparoka::TApplication app(argc, arguments);
    temparoka::AlongsideStart pictures(
        [ratio = app.devicePixelRatio()] { temparoka::Program::decodeStartPictures(ratio); });
    // Before the first window: Qt's dialogs and menus then speak Indonesian
    // like the rest of the program. Without it they would merely stay English.
    temparoka::installQtTranslation();
    std::unique_ptr<temparoka::Program> program;
    fonts.wait();
    try {
        program = std::make_unique<temparoka::Program>(temparoka::MainWindowServices::defaults());
    } catch (const std::exception& error) {
        // A window could not be made: say why and end. The main window is
        // shown only once every window exists, so it never appears half made.
        app.showError(QString::fromStdString(error.what()));
        return 1;
    }
    program->Form1().show();
    return app.exec();
}
