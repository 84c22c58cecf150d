#include "files/folderwalk.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

// As many links as the kernel follows in one path.
constexpr int kMostLinks = 40;

std::deque<std::string> namesOf(const std::string& path)
{
    std::deque<std::string> names;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t slash = std::min(path.find('/', at), path.size());
        if (slash > at)
            names.push_back(path.substr(at, slash - at));
        at = slash + 1;
    }
    return names;
}

bool trustedOwner(uid_t owner)
{
    return owner == ::geteuid() || owner == 0;
}

bool leavesByDotDot(const std::deque<std::string>& rest)
{
    for (const std::string& name : rest)
        if (name == "..")
            return true;
    return false;
}

// A folder passed on the way, and the one the walk is in.
struct Step {
    FileDescriptor fd;
    std::string path;
    struct stat info {};
};

std::optional<Step> opened(int fd, std::string path)
{
    Step step{FileDescriptor(fd), std::move(path)};
    if (!step.fd.isOpen() || ::fstat(step.fd.get(), &step.info) != 0)
        return std::nullopt;
    return step;
}

// The folder is the reader's or the administrator's, and nobody else can
// move what is in it; passing through, the sticky bit will do, since it
// keeps others to their own entries.
FileResult<> closedToOthers(const std::string& path, const struct stat& info, bool passing)
{
    if (!trustedOwner(info.st_uid))
        return Failure{"the folder " + path + " belongs to another user"};
    if (othersMayWrite(info.st_gid, info.st_mode) && !(passing && (info.st_mode & S_ISVTX)))
        return Failure{"others may write in the folder " + path};
    return {};
}

FileResult<std::string> linkTarget(int folder, const std::string& name)
{
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (length < 0)
        return systemFailure(errno);
    if (static_cast<std::size_t>(length) >= target.size())
        return systemFailure(ENAMETOOLONG);
    target.resize(static_cast<std::size_t>(length));
    return target;
}

}  // namespace

bool onlyTheReaderIn(gid_t group)
{
    const uid_t reader = ::geteuid();
    const passwd* account = ::getpwuid(reader);
    if (!account || account->pw_gid != group)
        return false;
    const std::string name = account->pw_name;
    const ::group* entry = ::getgrgid(group);
    if (!entry || name != entry->gr_name)
        return false;
    for (char** member = entry->gr_mem; member && *member; ++member)
        if (name != *member)
            return false;
    bool alone = true;
    ::setpwent();
    while (const passwd* other = ::getpwent()) {
        if (other->pw_gid == group && other->pw_uid != reader) {
            alone = false;
            break;
        }
    }
    ::endpwent();
    return alone;
}

bool othersMayWrite(gid_t group, mode_t mode)
{
    return (mode & S_IWOTH) || ((mode & S_IWGRP) && !onlyTheReaderIn(group));
}

FileResult<> closedToOthers(const OpenFolder& folder)
{
    struct stat info {};
    info.st_uid = folder.owner;
    info.st_gid = folder.group;
    info.st_mode = folder.mode;
    return closedToOthers(folder.path, info, false);
}

FileResult<OpenFolder> openFolder(const std::string& path, Trust trust, bool make)
{
    std::deque<std::string> rest = namesOf(path);
    std::vector<Step> chain;
    const auto startAt = [&](const std::string& top) -> FileResult<> {
        chain.clear();
        std::optional<Step> start = opened(::open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC), "/");
        if (!start)
            return systemFailure(errno);
        chain.push_back(std::move(*start));
        return {};
    };
    if (path.empty() || path[0] != '/') {
        // Walked from "/" like any other: the current folder's own path.
        std::unique_ptr<char, decltype(&std::free)> here(::getcwd(nullptr, 0), &std::free);
        if (!here)
            return systemFailure(errno);
        std::deque<std::string> above = namesOf(here.get());
        rest.insert(rest.begin(), above.begin(), above.end());
    }
    if (FileResult<> started = startAt("/"); !started.ok())
        return started.failure();
    int links = 0;
    while (!rest.empty()) {
        const std::string name = std::move(rest.front());
        rest.pop_front();
        if (name == ".")
            continue;
        if (name == "..") {
            if (chain.size() > 1)
                chain.pop_back();
            continue;
        }
        const Step& here = chain.back();
        if (trust == Trust::OwnFolders) {
            if (FileResult<> passed = closedToOthers(here.path, here.info, true); !passed.ok())
                return passed.failure();
        }
        struct stat info {};
        if (::fstatat(here.fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemFailure(errno);
            if (leavesByDotDot(rest))
                return Failure{"its path goes up out of " + here.path + name + "/, which does not exist"};
            if (!make)
                return systemFailure(ENOENT);
            // Made by us, or by someone else just now: judged like any other.
            if (::mkdirat(here.fd.get(), name.c_str(), 0700) != 0 && errno != EEXIST)
                return systemFailure(errno);
            if (::fstatat(here.fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
                return systemFailure(errno);
        }
        if (S_ISLNK(info.st_mode)) {
            if (!trustedOwner(info.st_uid))
                return Failure{here.path + name + " is a link that another user made"};
            if (++links > kMostLinks)
                return systemFailure(ELOOP);
            const FileResult<std::string> target = linkTarget(here.fd.get(), name);
            if (!target.ok())
                return target.failure();
            std::deque<std::string> names = namesOf(target.value());
            rest.insert(rest.begin(), names.begin(), names.end());
            if (!target.value().empty() && target.value()[0] == '/') {
                if (FileResult<> started = startAt("/"); !started.ok())
                    return started.failure();
            }
            continue;
        }
        // Opened, then judged by what was opened: a name swapped for a link
        // since the look above fails here rather than be followed.
        std::optional<Step> next =
            opened(::openat(here.fd.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC),
                   here.path + name + "/");
        if (!next)
            return systemFailure(errno == ELOOP ? ENOTDIR : errno);
        chain.push_back(std::move(*next));
    }
    // Open for reading as well: a save syncs the folder and clears what
    // earlier saves left in it.
    Step& last = chain.back();
    FileDescriptor folder(::openat(last.fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return systemFailure(errno);
    struct stat info {};
    if (::fstat(folder.get(), &info) != 0)
        return systemFailure(errno);
    return OpenFolder{std::move(folder), last.path, info.st_uid, info.st_gid, info.st_mode, info.st_dev, info.st_ino};
}

FileResult<FoundFile> findFileIn(OpenFolder folder, const std::string& name, Trust trust)
{
    std::string wanted = name;
    for (int links = 0;; ++links) {
        if (links > 0) {
            FileResult<OpenFolder> next = openFolder(folderOf(wanted), trust);
            if (!next.ok())
                return next.error() == ENOENT ? Failure{kLeadsNowhere} : next.failure();
            folder = std::move(next.value());
            wanted = nameOf(wanted);
        }
        const std::string found = folder.path + wanted;
        if (wanted.empty() || wanted == "." || wanted == "..")
            return Failure{notRegular(S_IFDIR)};
        struct stat info {};
        if (::fstatat(folder.fd.get(), wanted.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemFailure(errno);
            if (links > 0)
                return Failure{kLeadsNowhere};
            return FoundFile{std::move(folder), wanted, found, false};
        }
        if (S_ISREG(info.st_mode))
            return FoundFile{std::move(folder), wanted, found, true};
        if (!S_ISLNK(info.st_mode))
            return Failure{links > 0 ? "it is a link to " + kindOf(info.st_mode) + ", not to a regular file"
                                     : notRegular(info.st_mode)};
        // Another user who can write in the folder could point a link of
        // theirs at a file of the reader's: every link of the chain is
        // looked at, not only the first.
        if (!trustedOwner(info.st_uid))
            return Failure{kLinkOfAnotherUser};
        if (links >= kMostLinks)
            return systemFailure(ELOOP);
        const FileResult<std::string> target = linkTarget(folder.fd.get(), wanted);
        if (!target.ok())
            return target.failure();
        if (target.value().empty())
            return Failure{kLeadsNowhere};
        wanted = target.value()[0] == '/' ? target.value() : folder.path + target.value();
    }
}

FileResult<FoundFile> findFile(const std::string& path, Trust trust, bool makeFolders)
{
    FileResult<OpenFolder> folder = openFolder(folderOf(path), trust, makeFolders);
    if (!folder.ok())
        return folder.failure();
    return findFileIn(std::move(folder.value()), nameOf(path), trust);
}

}  // namespace temparoka
