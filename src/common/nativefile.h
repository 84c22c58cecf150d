#pragma once
// Files as the system names them: paths are bytes, not text, so a folder
// whose name is not valid UTF-8 or is thousands of characters long still
// works. Everything here refuses what is not a regular file before reading
// it (a named pipe would block a read forever, a device has side effects).
// Writing lives in safesave.h. Every operation that can fail says so in a
// FileResult; the exceptions that reach the error box are thrown above this
// layer, by the code that knows which file the reader must be told about.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace temparoka {

// Why a file operation failed, in the words a message should end with
// ("Permission denied", "it is a named pipe, not a regular file").
struct Failure {
    std::string problem;
};

// What a file operation came to: its value when it went well, or a
// Failure. [[nodiscard]], so that no failure is dropped unseen.
template <class T = std::monostate>
class [[nodiscard]] FileResult {
public:
    FileResult() = default;
    FileResult(T value) : m_value(std::move(value)) {}
    FileResult(Failure failure) : m_problem(std::move(failure.problem)) {}

    bool ok() const { return m_problem.empty(); }
    // Empty when it went well.
    const std::string& problem() const { return m_problem; }
    T& value() { return m_value; }
    const T& value() const { return m_value; }

private:
    T m_value{};
    std::string m_problem;
};

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
inline Failure systemFailure(int error)
{
    return Failure{systemErrorText(error)};
}
// What a file of the given mode (st_mode) is, as "a named pipe", and the
// reason that such a file is refused.
std::string kindOf(unsigned mode);
std::string notRegular(unsigned mode);

// A regular file opened for reading; a descriptor that is not open when
// nothing is there (or a link leads nowhere). Anything else that is there
// but is not a regular file is a failure.
FileResult<FileDescriptor> openRegularFile(const std::string& path);

// Reads up to limit bytes from the start of an open file.
FileResult<std::string> readUpTo(int fd, std::size_t limit);

// The folder part of a path, with its trailing "/", and the name part.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

// Whether something (anything, even a dangling link) is at path.
bool somethingAt(const std::string& path);
// Whether the program may create files in folder.
bool folderWritable(const std::string& folder);
// Creates folder and the folders above it that are missing, each readable
// by its owner only.
FileResult<> makeFolders(const std::string& folder);

// The folder of the running executable, ending in "/", as the system names
// it.
std::string executableFolder();

}  // namespace temparoka
