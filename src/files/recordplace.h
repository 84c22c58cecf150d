#pragma once
// Where the record file lives: beside the program (a portable folder) when
// that folder is the reader's or the administrator's alone and the record
// there is the reader's, otherwise in the reader's own data folder. Nobody
// else's folder is written, and no other user's record is ever read: a
// folder that others may write could hand us their file or take ours.

#include "files/nativefile.h"

#include <string>

#include <sys/types.h>

namespace temparoka {

inline constexpr char kRecordFileName[] = "temparoka.dat";

// A path as the system names it (bytes, ending in "/" for a folder), or,
// when there is none to be had, why not.
using Location = FileResult<std::string>;

// The user's data folder for the program, "temparoka/" in the folder that
// the desktop's conventions give: XDG_DATA_HOME when it is a full path
// (a relative one is ignored, as the convention says), else .local/share in
// the home folder (HOME, or the account's home when HOME is unset). The
// bytes stay as the environment gives them. An empty, relative or root home
// gives no folder: a record under "/" would be written into the system.
Location dataFolderFrom(const char* xdgDataHome, const char* home, const char* accountHome);
// Whether path is a full path that leads to a folder of the administrator's
// own (or, where it does not exist yet, would be made in one): what root
// takes from an environment that may be another user's.
bool rootsOwn(const char* path);
// The same for the given user: the administrator takes only folders of its
// own from the environment (one run with another user's HOME kept, as
// "sudo -E" does, would otherwise leave folders of root's in that user's
// home), else its account's home.
Location dataFolderOf(uid_t user, const char* xdgDataHome, const char* home, const char* accountHome);
// The same, from this process's environment and account.
Location userDataFolder();

// Where the record lives: beside the program when its folder belongs to the
// reader or the administrator, neither its group nor others may write in it,
// and it already holds the reader's own record or can be written; otherwise
// in the data folder, when that is the reader's alone. A program folder
// under /usr is never written, even by an administrator who could: it is
// shared by every user and belongs to the package manager.
Location recordPlace(const std::string& programFolder, const Location& dataFolder);

}  // namespace temparoka
