#include "ui/main/mainwindowservices.h"

#include "core/errors.h"
#include "files/nativefile.h"
#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <chrono>
#include <thread>

namespace temparoka {

namespace {

// Sleeps on the monotonic clock: a wait begun just before midnight, or while
// the wall clock is set, still ends after the given time.
void sleepMonotonic(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace

MainWindowServices MainWindowServices::defaults()
{
    // The sound and the record are found through the program's folder; a
    // program that cannot learn where it lies cannot start (Qt's own answer
    // comes from the same link, so there is nothing to fall back on).
    FileResult<std::string> folder = executableFolder();
    if (!folder.ok())
        throw Error(withCause("Folder tempat Temparoka dijalankan tidak dapat ditemukan (/proc/self/exe)",
                              "Cannot find the folder Temparoka was started from (/proc/self/exe)", folder.problem(),
                              folder.error(), Doing::Reading));
    // The record goes to the data folder only when the program folder cannot
    // keep it.
    auto sound = std::make_shared<ModuleSoundPlayer>(folder.value());
    return {std::make_shared<SystemClock>(), std::move(folder.value()), std::move(sound), sleepMonotonic,
            userDataFolder()};
}

}  // namespace temparoka
