// Runs the window tests headless: the offscreen platform unless the caller
// chose one, a private runtime folder, no session bus, and the program's own
// application object so that errors reach the error box as they do in the
// program.

#include "app/application.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    // No session bus: with a display and none given, libdbus would start one
    // through X that outlives the tests.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
#ifdef TEMPAROKA_TEST_SCALE_FACTOR
    // A screen of this density, for the suite that checks the sharp pictures.
    qputenv("QT_SCALE_FACTOR", TEMPAROKA_TEST_SCALE_FACTOR);
#endif

    // Qt's settings as the program keeps them: in no file.
    temparoka::keepQtSettingsOutOfFiles();

    ::testing::InitGoogleTest(&argc, argv);
    temparoka::TApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
