#include "common/safesave.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

// Writes all of bytes at offset, or says why not. A short write is not
// taken for success: a full disk or a size limit shows up on the next call.
FileResult<> writeAll(int fd, std::span<const std::uint8_t> bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return systemFailure(errno);
        if (written == 0)
            return Failure{"nothing could be written"};
        done += static_cast<std::size_t>(written);
    }
    return {};
}

bool isPermissionProblem(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// Writes the file itself, for when it cannot be replaced: every byte is
// read back and compared before the file is synced, since the old contents
// are gone once the first byte lands.
FileResult<> writeInPlace(int folder, const std::string& name, std::span<const std::uint8_t> bytes)
{
    FileDescriptor file(::openat(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return systemFailure(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return systemFailure(errno);
    if (!S_ISREG(info.st_mode))
        return Failure{notRegular(info.st_mode)};
    if (FileResult<> written = writeAll(file.get(), bytes, 0); !written.ok())
        return written;
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0)
        return systemFailure(errno);
    const FileResult<std::string> back = readUpTo(file.get(), bytes.size() + 1);
    if (!back.ok())
        return Failure{back.problem()};
    const std::string& read = back.value();
    if (read.size() != bytes.size() ||
        !std::equal(bytes.begin(), bytes.end(), read.begin(),
                    [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }))
        return Failure{"what was written reads back differently"};
    if (::fsync(file.get()) != 0)
        return systemFailure(errno);
    if (::close(file.release()) != 0)
        return systemFailure(errno);
    return {};
}

// Whether the file's own permissions forbid us to write it. The
// administrator may write any file, but one that nobody may write was made
// read-only on purpose and is left alone as well.
bool readOnlyForUs(int folder, const std::string& name, const struct stat& info)
{
    if (::geteuid() == 0)
        return (info.st_mode & 0222) == 0;
    return ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// A save's new file is named ".<name>.new-<process id>-<attempt>".
std::string temporaryPrefix(const std::string& name)
{
    return "." + name + ".new-";
}

// Removes the new files that saves cut short (a crash, a power cut) left
// in the folder: those of processes that no longer run, and our own, since
// this process saves one file at a time.
void removeLeftovers(int folder, const std::string& name)
{
    const int listing = ::dup(folder);
    if (listing < 0)
        return;
    struct CloseListing {
        void operator()(DIR* listing) const { ::closedir(listing); }
    };
    const std::unique_ptr<DIR, CloseListing> entries(::fdopendir(listing));
    if (!entries) {
        ::close(listing);
        return;
    }
    ::rewinddir(entries.get());
    const std::string prefix = temporaryPrefix(name);
    while (const dirent* entry = ::readdir(entries.get())) {
        const std::string_view leftover(entry->d_name);
        if (!leftover.starts_with(prefix))
            continue;
        const std::string_view rest = leftover.substr(prefix.size());
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        if (error != std::errc() || end == rest.data() || *end != '-' || pid <= 0)
            continue;
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH))
            ::unlinkat(folder, entry->d_name, 0);
    }
}

}  // namespace

FileResult<SaveTarget> resolveSaveTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return systemFailure(errno);
        return SaveTarget{path, false};
    }
    if (S_ISREG(info.st_mode))
        return SaveTarget{path, true};
    if (!S_ISLNK(info.st_mode))
        return Failure{notRegular(info.st_mode)};
    // A link is written through to the file it leads to, which is replaced
    // as a whole; the link itself stays, so a record kept in a synced folder
    // stays there.
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (!resolved)
        return errno == ENOENT ? Failure{"it is a link that leads nowhere"} : systemFailure(errno);
    if (::stat(resolved.get(), &info) != 0)
        return systemFailure(errno);
    if (!S_ISREG(info.st_mode))
        return Failure{"it is a link to " + kindOf(info.st_mode) + ", not to a regular file"};
    return SaveTarget{resolved.get(), true};
}

FileResult<> replaceFile(const std::string& target, std::span<const std::uint8_t> bytes,
                         const std::function<void()>& beforeReplace)
{
    const std::string name = nameOf(target);
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return systemFailure(errno);

    struct stat old {};
    const bool exists = ::fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return Failure{notRegular(old.st_mode)};
    if (exists && readOnlyForUs(folder.get(), name, old))
        return Failure{"it is read-only"};
    // A file with other names (hard links) would keep the old data under
    // them if a new file took this name; it is written where it is.
    if (exists && old.st_nlink > 1)
        return writeInPlace(folder.get(), name, bytes);

    removeLeftovers(folder.get(), name);
    FileDescriptor file;
    std::string temporary;
    for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
        temporary = temporaryPrefix(name) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        file = FileDescriptor(::openat(folder.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.isOpen() && errno != EEXIST)
            break;
    }
    if (!file.isOpen()) {
        const int error = errno;
        // A folder that takes no new file (read-only, or not ours) still
        // lets us write a file in it that we may write.
        if (exists && isPermissionProblem(error))
            return writeInPlace(folder.get(), name, bytes);
        return systemFailure(error);
    }

    const auto discard = [&](FileResult<> failed) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return failed;
    };
    // The new file takes the old one's permissions; a new record gets the
    // usual ones for the user's files.
    if (exists) {
        ::fchmod(file.get(), old.st_mode & 07777);
        [[maybe_unused]] const int ignored = ::fchown(file.get(), old.st_uid, old.st_gid);
    }
    if (FileResult<> written = writeAll(file.get(), bytes, 0); !written.ok())
        return discard(written);
    if (::fsync(file.get()) != 0)
        return discard(systemFailure(errno));
    if (::close(file.release()) != 0)
        return discard(systemFailure(errno));
    if (beforeReplace)
        beforeReplace();
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0)
        return discard(systemFailure(errno));
    // The rename itself reaches the disk with the folder.
    ::fsync(folder.get());
    return {};
}

FileResult<> saveFile(const std::string& path, std::span<const std::uint8_t> bytes, NewFileAccess)
{
    const FileResult<SaveTarget> target = resolveSaveTarget(path);
    if (!target.ok())
        return Failure{target.problem()};
    return replaceFile(target.value().path, bytes);
}

FolderLock::FolderLock(const std::string& folder) : m_folder(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!m_folder.isOpen())
        return;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::flock(m_folder.get(), LOCK_EX | LOCK_NB) == 0) {
            m_locked = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;  // a file system without locks
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FolderLock::~FolderLock()
{
    if (m_locked)
        ::flock(m_folder.get(), LOCK_UN);
}

}  // namespace temparoka
