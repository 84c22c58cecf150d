#pragma once
// Files as the system names them: paths are bytes, not text, so a folder
// whose name is not valid UTF-8 or is thousands of characters long still
// works. Everything here refuses what is not a regular file before reading
// it (a named pipe would block a read forever, a device has side effects).
// Writing lives in safesave.h. Problems come back as the words a message should end with ("Permission
// denied", "it is a named pipe, not a regular file"); an empty text means
// all went well.

#include <cstdint>
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
// What a file of the given mode (st_mode) is, as "a named pipe", and the
// reason that such a file is refused.
std::string kindOf(unsigned mode);
std::string notRegular(unsigned mode);

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
