#include "app/recordplace.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

// Whether a group other than the reader's own private one (the group named
// after the reader, with no other members, that Debian gives every user) or
// other users may write in a folder.
bool othersMayWrite(const struct stat& info)
{
    if (info.st_mode & S_IWOTH)
        return true;
    if (!(info.st_mode & S_IWGRP))
        return false;
    const group* own = ::getgrgid(info.st_gid);
    const passwd* reader = ::getpwuid(::geteuid());
    return !(own && reader && info.st_gid == reader->pw_gid && std::strcmp(own->gr_name, reader->pw_name) == 0 &&
             (!own->gr_mem || !own->gr_mem[0]));
}

// The owner of path, or of the nearest folder above it that exists: whose
// place a folder made there would be in.
std::optional<uid_t> ownerOfNearest(std::string path)
{
    while (!path.empty()) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0)
            return info.st_uid;
        if (errno != ENOENT && errno != ENOTDIR)
            return std::nullopt;
        while (!path.empty() && path.back() == '/')
            path.pop_back();
        path = folderOf(path);
        if (path == "./")
            return std::nullopt;
    }
    return std::nullopt;
}

// The data folder, when it is the reader's alone (or not made yet, in a
// folder that is not open to others).
Location checkedDataFolder(const Location& folder)
{
    if (!folder.ok())
        return folder;
    const std::string& path = folder.value();
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (info.st_uid != ::geteuid())
            return Failure{"the data folder " + path + " belongs to another user"};
        if (othersMayWrite(info))
            return Failure{"others may write in the data folder " + path};
        return folder;
    }
    const std::string above = folderOf(path.substr(0, path.size() - 1));
    if (::stat(above.c_str(), &info) == 0) {
        if (info.st_uid != ::geteuid() && info.st_uid != 0)
            return Failure{"the folder " + above + " belongs to another user"};
        if (othersMayWrite(info))
            return Failure{"others may write in the folder " + above};
    }
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
    return path && path[0] == '/' && ownerOfNearest(path) == 0u;
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
    struct stat folder {};
    if (::stat(programFolder.c_str(), &folder) != 0 || (folder.st_uid != ::geteuid() && folder.st_uid != 0) ||
        othersMayWrite(folder))
        return inDataFolder();
    // What already stands beside the program is the record when it is the
    // reader's, even when it turns out unreadable: the reader is told,
    // rather than sent off to a second record elsewhere. Another user's
    // record (the administrator's, in a shared folder) is theirs.
    struct stat there {};
    if (::lstat(beside.c_str(), &there) == 0)
        return there.st_uid == ::geteuid() ? Location(beside) : inDataFolder();
    if (errno != ENOENT || folderWritable(programFolder))
        return beside;
    return inDataFolder();
}

}  // namespace temparoka
