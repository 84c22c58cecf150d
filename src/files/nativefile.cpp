#include "files/nativefile.h"

#include "core/errors.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
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

Failure systemFailure(int error)
{
    return Failure{systemCauseText(error), error};
}

std::string kindOf(unsigned mode)
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

std::string notRegular(unsigned mode)
{
    return "it is " + kindOf(mode) + ", not a regular file";
}

FileResult<FileDescriptor> openRegularFile(const std::string& path)
{
    return openRegularFileAt(AT_FDCWD, path);
}

FileResult<FileDescriptor> openRegularFileAt(int folder, const std::string& path)
{
    // Look before opening: opening a named pipe for reading waits for a
    // writer, and opening a device may do something to it.
    struct stat info {};
    if (::fstatat(folder, path.c_str(), &info, 0) != 0) {
        if (errno == ENOENT)
            return FileDescriptor();
        return systemFailure(errno);
    }
    if (!S_ISREG(info.st_mode))
        return Failure{notRegular(info.st_mode)};
    // Non-blocking all the same, in case something else was put there
    // since we looked.
    FileDescriptor file(::openat(folder, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen()) {
        if (errno == ENOENT)
            return FileDescriptor();
        return systemFailure(errno);
    }
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return Failure{notRegular(info.st_mode)};
    return file;
}

FileResult<std::string> readUpTo(int fd, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t got = ::pread(fd, bytes.data() + done, limit - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return systemFailure(errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
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

FileResult<std::string> executableFolder()
{
    // The link names the executable as the system does, whatever bytes its
    // folders' names hold; a buffer that the link fills is grown.
    constexpr std::size_t kLongest = 65536;
    for (std::size_t size = 4096; size <= kLongest; size *= 2) {
        std::string path(size, '\0');
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), size);
        if (length < 0)
            return systemFailure(errno);
        if (static_cast<std::size_t>(length) < size) {
            path.resize(static_cast<std::size_t>(length));
            return folderOf(path);
        }
    }
    return Failure{"its path is longer than " + std::to_string(kLongest) + " bytes"};
}

}  // namespace temparoka
