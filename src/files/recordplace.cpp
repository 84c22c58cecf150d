#include "files/recordplace.h"

#include "files/folderwalk.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

// The data folder, when it is the reader's alone, or is not made yet and
// every folder on the way to it is one that nobody else can change.
Location checkedDataFolder(const Location& folder)
{
    if (!folder.ok())
        return folder;
    const std::string& path = folder.value();
    const FileResult<OpenFolder> found = openFolder(path, Trust::OwnFolders);
    // Not made yet, or not to be looked into now: every save walks to it
    // again, judging each folder, and says why when it cannot.
    if (!found.ok())
        return found.error() == ENOENT || found.error() == EACCES ? folder : Location(found.failure());
    if (found.value().owner != ::geteuid())
        return Failure{"the data folder " + path + " belongs to another user"};
    if (othersMayWrite(found.value().group, found.value().mode))
        return Failure{"others may write in the data folder " + path};
    return folder;
}

}  // namespace

Location dataFolderFrom(const char* xdgDataHome, const char* home, const char* accountHome)
{
    const auto isRoot = [](const std::string& path) { return path.find_first_not_of('/') == std::string::npos; };
    const auto withSlash = [](std::string path) { return path.back() == '/' ? path : path + '/'; };
    if (xdgDataHome && xdgDataHome[0] == '/' && !isRoot(xdgDataHome))
        return withSlash(xdgDataHome) + "temparoka/";
    const std::string folder = home ? home : accountHome ? accountHome : "";
    if (folder.empty())
        return Failure{"no home folder is set"};
    if (folder[0] != '/')
        return Failure{"the home folder \"" + folder + "\" is not a full path"};
    if (isRoot(folder))
        return Failure{"the home folder is the system's top folder \"/\""};
    return withSlash(folder) + ".local/share/temparoka/";
}

bool rootsOwn(const char* path)
{
    if (!path || path[0] != '/')
        return false;
    // Walked as root walks its own folders: any folder on the way that is
    // not root's, or that others may change, ends it.
    const uid_t reader = ::geteuid();
    if (reader != 0)
        return false;
    const FileResult<OpenFolder> found = openFolder(path, Trust::OwnFolders);
    return found.ok() ? found.value().owner == 0 : found.error() == ENOENT;
}

Location dataFolderOf(uid_t user, const char* xdgDataHome, const char* home, const char* accountHome)
{
    if (user == 0) {
        if (!rootsOwn(xdgDataHome))
            xdgDataHome = nullptr;
        if (!rootsOwn(home))
            home = nullptr;
    }
    return dataFolderFrom(xdgDataHome, home, accountHome);
}

Location userDataFolder()
{
    const passwd* account = ::getpwuid(::geteuid());
    return dataFolderOf(::geteuid(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                        account ? account->pw_dir : nullptr);
}

Location recordPlace(const std::string& programFolder, const Location& dataFolder)
{
    const std::string beside = programFolder + kRecordFileName;
    const auto inDataFolder = [&]() -> Location {
        const Location checked = checkedDataFolder(dataFolder);
        if (!checked.ok())
            return Failure{"the program's folder cannot keep it, and " + checked.problem()};
        return checked.value() + kRecordFileName;
    };
    if (programFolder.starts_with("/usr/"))
        return inDataFolder();
    const FileResult<OpenFolder> folder = openFolder(programFolder, Trust::OwnFolders);
    if (!folder.ok() || !closedToOthers(folder.value()).ok())
        return inDataFolder();
    // What already stands beside the program is the record when it is the
    // reader's, even when it turns out unreadable: the reader is told,
    // rather than sent off to a second record elsewhere. Another user's
    // record (the administrator's, in a shared folder) is theirs.
    const int fd = folder.value().fd.get();
    struct stat there {};
    if (::fstatat(fd, kRecordFileName, &there, AT_SYMLINK_NOFOLLOW) == 0)
        return there.st_uid == ::geteuid() ? Location(beside) : inDataFolder();
    if (errno != ENOENT || ::faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) == 0)
        return beside;
    return inDataFolder();
}

}  // namespace temparoka
