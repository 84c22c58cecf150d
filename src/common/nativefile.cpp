#include "common/nativefile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int FileDescriptor::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::string systemErrorText(int error)
{
    return std::strerror(error);
}

namespace {

std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISLNK(mode))
        return "a symbolic link";
    return "something else";
}

std::string notRegular(mode_t mode)
{
    return "it is " + kindOf(mode) + ", not a regular file";
}

// Writes all of bytes at offset, or says why not. A short write is not
// taken for success: a full disk or a size limit shows up on the next call.
std::string writeAll(int fd, std::span<const std::uint8_t> bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return systemErrorText(errno);
        if (written == 0)
            return "nothing could be written";
        done += static_cast<std::size_t>(written);
    }
    return {};
}

bool isPermissionProblem(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

std::string writeInPlace(int folder, const std::string& name, std::span<const std::uint8_t> bytes)
{
    FileDescriptor file(::openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return systemErrorText(errno);
    struct stat info{};
    if (::fstat(file.get(), &info) != 0)
        return systemErrorText(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    if (std::string problem = writeAll(file.get(), bytes, 0); !problem.empty())
        return problem;
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(file.get()) != 0)
        return systemErrorText(errno);
    if (::close(file.release()) != 0)
        return systemErrorText(errno);
    return {};
}

}  // namespace

OpenedFile openRegularFile(const std::string& path)
{
    OpenedFile result;
    // Look before opening: opening a named pipe for reading waits for a
    // writer, and opening a device may do something to it.
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            result.missing = true;
        else
            result.problem = systemErrorText(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.problem = notRegular(info.st_mode);
        return result;
    }
    // Non-blocking all the same, in case something else was put there
    // since we looked.
    result.fd = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!result.fd.isOpen()) {
        if (errno == ENOENT)
            result.missing = true;
        else
            result.problem = systemErrorText(errno);
        return result;
    }
    if (::fstat(result.fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.problem = notRegular(info.st_mode);
        result.fd = FileDescriptor();
    }
    return result;
}

std::string readUpTo(int fd, std::size_t limit, std::string& problem)
{
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t got = ::pread(fd, bytes.data() + done, limit - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = systemErrorText(errno);
            break;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

SaveTarget resolveSaveTarget(const std::string& path)
{
    SaveTarget target{path, false, {}};
    struct stat info{};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            target.problem = systemErrorText(errno);
        return target;
    }
    if (S_ISREG(info.st_mode)) {
        target.exists = true;
        return target;
    }
    if (!S_ISLNK(info.st_mode)) {
        target.problem = notRegular(info.st_mode);
        return target;
    }
    // A link is written through to the file it leads to, which is replaced
    // as a whole; the link itself stays, so a record kept in a synced folder
    // stays there.
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (!resolved) {
        target.problem = errno == ENOENT ? "it is a link that leads nowhere" : systemErrorText(errno);
        return target;
    }
    if (::stat(resolved.get(), &info) != 0) {
        target.problem = systemErrorText(errno);
        return target;
    }
    if (!S_ISREG(info.st_mode)) {
        target.problem = "it is a link to " + kindOf(info.st_mode) + ", not to a regular file";
        return target;
    }
    target.path = resolved.get();
    target.exists = true;
    return target;
}

std::string replaceFile(const std::string& target, std::span<const std::uint8_t> bytes,
                        const std::function<void()>& beforeReplace)
{
    const std::string name = nameOf(target);
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return systemErrorText(errno);

    // The new file takes the old one's permissions; a new record gets the
    // usual ones for the user's files.
    struct stat old{};
    const bool exists = ::fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return notRegular(old.st_mode);

    FileDescriptor file;
    std::string temporary;
    for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
        temporary = "." + name + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
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
        return systemErrorText(error);
    }

    const auto discard = [&](std::string problem) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return problem;
    };
    if (exists) {
        ::fchmod(file.get(), old.st_mode & 07777);
        [[maybe_unused]] const int ignored = ::fchown(file.get(), old.st_uid, old.st_gid);
    }
    if (std::string problem = writeAll(file.get(), bytes, 0); !problem.empty())
        return discard(problem);
    if (::fsync(file.get()) != 0)
        return discard(systemErrorText(errno));
    if (::close(file.release()) != 0)
        return discard(systemErrorText(errno));
    if (beforeReplace)
        beforeReplace();
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0)
        return discard(systemErrorText(errno));
    // The rename itself reaches the disk with the folder.
    ::fsync(folder.get());
    return {};
}

FolderLock::FolderLock(const std::string& folder)
    : m_folder(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
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

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool somethingAt(const std::string& path)
{
    struct stat info{};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool folderWritable(const std::string& folder)
{
    // The effective user is the one whose permissions a save meets.
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string makeFolders(const std::string& folder)
{
    for (std::size_t end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return systemErrorText(errno);
    }
    if (!folder.empty() && folder.back() != '/' && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return systemErrorText(errno);
    return {};
}

std::string executableFolder()
{
    // The link names the executable as the system does, whatever bytes its
    // folders' names hold; a buffer that the link fills is grown.
    for (std::size_t size = 4096; size <= 65536; size *= 2) {
        std::string path(size, '\0');
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), size);
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < size) {
            path.resize(static_cast<std::size_t>(length));
            return folderOf(path);
        }
    }
    return {};
}

}  // namespace temparoka
