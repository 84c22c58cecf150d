#include "files/safesave.h"

#include "files/savetemporary.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

#include <fcntl.h>
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

// Whether a file that is there may take what we save: only our own, unless
// we are the administrator, who keeps its owner. Another user's file that
// turned up under the name (a shared folder lets anyone make one) would
// otherwise be written into, and its owner would read what we saved.
bool oursToWrite(const struct stat& info)
{
    return ::geteuid() == 0 || info.st_uid == ::geteuid();
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
    if (!oursToWrite(info))
        return Failure{"it belongs to another user"};
    if (FileResult<> written = writeAll(file.get(), bytes, 0); !written.ok())
        return written;
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0)
        return systemFailure(errno);
    const FileResult<std::string> back = readUpTo(file.get(), bytes.size() + 1);
    if (!back.ok())
        return back.failure();
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

// The process's umask, read without changing it (umask() would, for a
// moment, for every thread).
mode_t currentUmask()
{
    FileResult<FileDescriptor> status = openRegularFile("/proc/self/status");
    if (status.ok() && status.value().isOpen()) {
        // A read that fails leaves the usual mask, as an unreadable file does.
        const FileResult<std::string> text = readUpTo(status.value().get(), 4096);
        if (const std::size_t at = text.ok() ? text.value().find("\nUmask:") : std::string::npos;
            at != std::string::npos)
            return static_cast<mode_t>(std::strtoul(text.value().c_str() + at + 7, nullptr, 8) & 0777);
    }
    return 022;
}

mode_t newFileMode(NewFileAccess access)
{
    return access == NewFileAccess::Private ? 0600 : 0666 & ~currentUmask();
}

// Gives the new file the old one's owner and group. Only the administrator
// may give a file away; anyone may give it a group of theirs.
bool takeOwner(int file, const struct stat& old)
{
    struct stat mine {};
    if (::fstat(file, &mine) != 0)
        return false;
    return (mine.st_uid == old.st_uid && mine.st_gid == old.st_gid) || ::fchown(file, old.st_uid, old.st_gid) == 0;
}

}  // namespace

FileResult<SaveTarget> resolveSaveTarget(const std::string& path, Trust trust)
{
    return findFile(path, trust);
}

FileResult<> replaceFile(const SaveTarget& target, std::span<const std::uint8_t> bytes, NewFileAccess access,
                         const std::function<void()>& beforeReplace)
{
    const std::string& name = target.name;
    const FileDescriptor& folder = target.folder.fd;

    struct stat old {};
    const bool exists = ::fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return Failure{notRegular(old.st_mode)};
    if (exists && !oursToWrite(old))
        return Failure{"it belongs to another user"};
    if (exists && readOnlyForUs(folder.get(), name, old))
        return Failure{"it is read-only"};
    // Whatever file a save cut short was for, it is cleared by the next
    // save in its folder.
    removeLeftovers(folder.get());
    // A file with other names (hard links) would keep the old data under
    // them if a new file took this name; it is written where it is.
    if (exists && old.st_nlink > 1)
        return writeInPlace(folder.get(), name, bytes);
    // Readable by us alone while the bytes go in: a record's birth data must
    // not be open to others for a moment, whatever the umask. Named before
    // it is made, so that a signal that ends the program in the middle of
    // the save takes it away on the way out.
    std::string temporary;
    FileDescriptor file;
    PendingTemporary pending;
    for (int attempt = 0; attempt < 3 && !file.isOpen(); ++attempt) {
        temporary = temporaryName(name);
        pending.track(folder.get(), temporary);
        file = FileDescriptor(
            ::openat(folder.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!file.isOpen() && errno != EEXIST)
            break;
    }
    if (!file.isOpen()) {
        const int error = errno;
        pending.forget();
        // A folder that takes no new file (read-only, or not ours) still
        // lets us write a file in it that we may write.
        if (exists && isPermissionProblem(error))
            return writeInPlace(folder.get(), name, bytes);
        return systemFailure(error);
    }

    const auto discard = [&](FileResult<> failed) {
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        pending.forget();
        return failed;
    };
    if (FileResult<> written = writeAll(file.get(), bytes, 0); !written.ok())
        return discard(written);
    // The old file's owner and permissions carry over; where its owner
    // cannot be kept (a group we are not in), the file is written in place
    // rather than handed to us.
    if (exists && !takeOwner(file.get(), old)) {
        static_cast<void>(discard({}));  // only the temporary file goes; nothing failed
        return writeInPlace(folder.get(), name, bytes);
    }
    if (::fchmod(file.get(), exists ? old.st_mode & 07777 : newFileMode(access)) != 0)
        return discard(systemFailure(errno));
    if (::fsync(file.get()) != 0)
        return discard(systemFailure(errno));
    if (::close(file.release()) != 0)
        return discard(systemFailure(errno));
    if (beforeReplace)
        beforeReplace();
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0)
        return discard(systemFailure(errno));
    pending.forget();
    // The rename itself reaches the disk with the folder. The new file is in
    // place by now, but a save whose rename may be lost to a power cut has
    // not been done: the reader is told. A file system that cannot sync a
    // folder at all keeps its renames in its own way.
    if (::fsync(folder.get()) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return systemFailure(errno);
    return {};
}

FileResult<> saveFile(const std::string& path, std::span<const std::uint8_t> bytes, NewFileAccess access)
{
    const FileResult<SaveTarget> target = resolveSaveTarget(path);
    if (!target.ok())
        return target.failure();
    return replaceFile(target.value(), bytes, access);
}

FolderLock::FolderLock(int folder, const std::string& lockName, const std::string& savedName,
                       std::chrono::milliseconds patience, const Wait& wait)
{
    const auto fail = [this](const Failure& failure) {
        m_problem = failure.problem;
        m_error = failure.error;
    };
    constexpr int kOpen = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    m_lock = FileDescriptor(::openat(folder, lockName.c_str(), kOpen | O_CREAT, 0600));
    if (!m_lock.isOpen() && isPermissionProblem(errno)) {
        // A folder that takes no new file: no copy can replace a file in
        // it either, only write one in place, and so the file is locked.
        const int refused = errno;
        m_lock = FileDescriptor(::openat(folder, lockName.c_str(), kOpen));
        if (!m_lock.isOpen())
            m_lock = FileDescriptor(::openat(folder, savedName.c_str(), kOpen));
        if (!m_lock.isOpen()) {
            fail(systemFailure(errno == ENOENT ? refused : errno));
            return;
        }
    }
    if (!m_lock.isOpen()) {
        // A link or a folder planted at the lock's name is not a lock file.
        fail(errno == ELOOP || errno == EISDIR ? Failure{"its lock file " + lockName + " is not a regular file"}
                                               : systemFailure(errno));
        return;
    }
    struct stat info {};
    if (::fstat(m_lock.get(), &info) != 0) {
        fail(systemFailure(errno));
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        fail(Failure{"its lock file " + lockName + " is not a regular file"});
        return;
    }
    if (!oursToWrite(info)) {
        fail(Failure{"its lock file " + lockName + " belongs to another user"});
        return;
    }
    constexpr std::chrono::milliseconds step{20};
    for (auto waited = std::chrono::milliseconds(0);; waited += step) {
        if (::flock(m_lock.get(), LOCK_EX | LOCK_NB) == 0) {
            m_locked = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;  // a file system without locks
        if (waited >= patience)
            break;
        if (wait)
            wait(step);
        else
            std::this_thread::sleep_for(step);
    }
    m_problem = "Temparoka in another window is saving there; wait a moment, then try again";
}

FolderLock::~FolderLock()
{
    if (m_locked)
        ::flock(m_lock.get(), LOCK_UN);
}

}  // namespace temparoka
