#pragma once
// Files as the system names them: paths are bytes, not text, so a folder
// whose name is not valid UTF-8 or is thousands of characters long still
// works. Everything here refuses what is not a regular file before reading
// it (a named pipe would block a read forever, a device has side effects),
// and writes so that a failure never leaves a half-written file in place.
// Problems come back as the words a message should end with ("Permission
// denied", "it is a named pipe, not a regular file"); an empty text means
// all went well.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace temparoka {

// Owns an open file descriptor and closes it.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

// The system's text for an errno value, such as "No such file or directory".
std::string systemErrorText(int error);

// A regular file opened for reading. missing is set when nothing is there
// (or a link leads nowhere); problem names any other reason it could not be
// opened, including that it is not a regular file.
struct OpenedFile {
    FileDescriptor fd;
    bool missing = false;
    std::string problem;
};
OpenedFile openRegularFile(const std::string& path);

// Reads up to limit bytes from the start of an open file.
std::string readUpTo(int fd, std::size_t limit, std::string& problem);

// Where a save to path must write: path itself, or, when path is a symbolic
// link, the regular file that it leads to (the link stays). problem is set
// when path names anything else.
struct SaveTarget {
    std::string path;
    bool exists = false;
    std::string problem;
};
SaveTarget resolveSaveTarget(const std::string& path);

// Replaces the file at target (a path that resolveSaveTarget gave) with
// bytes: written to a new file in the same folder, synced, and renamed over
// the old one, so that the old file stays whole until the new one is
// complete. Where the folder takes no new file but the file itself may be
// written, the bytes are written in place and synced instead. beforeReplace
// runs once the new file is complete, before it replaces the old one.
std::string replaceFile(const std::string& target, std::span<const std::uint8_t> bytes,
                        const std::function<void()>& beforeReplace = {});

// Holds an exclusive lock on a folder while it lives, so that two copies of
// the program do not read and replace a file in it at the same moment. A
// lock that cannot be had within about a second is given up: a stuck copy
// must not stop another from saving.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool locked() const { return m_locked; }

private:
    FileDescriptor m_folder;
    bool m_locked = false;
};

// The folder part of a path, with its trailing "/", and the name part.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

// Whether something (anything, even a dangling link) is at path.
bool somethingAt(const std::string& path);
// Whether the program may create files in folder.
bool folderWritable(const std::string& folder);
// Creates folder and the folders above it that are missing, each readable
// by its owner only.
std::string makeFolders(const std::string& folder);

// The folder of the running executable, ending in "/", as the system names
// it.
std::string executableFolder();

}  // namespace temparoka
