#pragma once
// The environment the administrator runs the program in. Run as root with
// another user's environment kept (as "sudo -E" keeps it), the program and
// the libraries under it would keep their files in that user's folders (Qt's
// file dialog, the font cache, the sound client), follow the links that user
// placed there, and load code and read settings from wherever that user's
// variables point. This is the one place where the program reads its
// environment to decide whose it is; the rest of the program and the
// libraries then see only what is root's.
//
// The loader reads LD_PRELOAD, LD_LIBRARY_PATH and their kin when the program
// starts, before any of this runs: they are removed for what the program
// starts in turn, but what they loaded into the program itself stays loaded.

#include <functional>
#include <string>
#include <vector>

namespace temparoka {

// Whether a full path leads to a folder of the administrator's own (or, where
// it does not exist yet, would be made in one).
using OwnFolder = std::function<bool(const std::string& path)>;

// The environment (entries "NAME=value", as the process holds them) that root
// runs in, from the one it was started with:
// - HOME, TMPDIR and the desktop's own folders (XDG_CONFIG_HOME,
//   XDG_DATA_HOME, XDG_CACHE_HOME, XDG_STATE_HOME, XDG_RUNTIME_DIR) are kept
//   only when they are root's own. HOME then becomes rootHome (or is left
//   out when that is empty); the others are left out, and their libraries
//   fall back on the home.
// - A HOME or a desktop folder that is not root's says that the whole
//   environment is another user's. Then only what loads no code and picks
//   no file is kept: the display and its key (read only), the terminal, the
//   user's names, and the language and time zone when they name no file.
//   Root's own folders stay, as above. PATH becomes the
//   system's own (it picks the programs a web address is opened with), and
//   the session bus is none (another user's is not root's, and with none
//   named the bus library would start one of root's for the display that
//   outlives the program).
// Entries without "=" are dropped; of a name given twice, the first is the
// one the process used, and the only one kept.
std::vector<std::string> rootsEnvironment(const std::vector<std::string>& environment, const OwnFolder& rootsOwn,
                                          const std::string& rootHome);

// Replaces this process's environment with rootsEnvironment() when it runs
// as root, and does nothing for any other user. Called first thing in main,
// while no other thread can read the environment, and before the
// application object and its libraries read it.
void makeEnvironmentRootsOwn();

}  // namespace temparoka
