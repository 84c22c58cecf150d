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

// Why a file operation failed, in the English words a message should end
// with ("the disk is full", "it is a named pipe, not a regular file"), and
// the system's error number when the system gave the reason: a message
// says the cause by that number (causeInBothLanguages in errors.h).
struct Failure {
    std::string problem;
    int error = 0;
};

// What a file operation came to: its value when it went well, or a
// Failure, never both. [[nodiscard]], so that no failure is dropped unseen.
template <class T = std::monostate>
class [[nodiscard]] FileResult {
public:
    FileResult() = default;
    FileResult(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    // A failure stays one even when nobody found words for it.
    FileResult(Failure failure) : m_state(std::in_place_index<1>, std::move(failure))
    {
        if (std::get<1>(m_state).problem.empty())
            std::get<1>(m_state).problem = "the system gave no reason";
    }

    bool ok() const { return m_state.index() == 0; }
    // Empty when it went well.
    const std::string& problem() const
    {
        static const std::string none;
        return ok() ? none : std::get<1>(m_state).problem;
    }
    // The system's error number of a failure; 0 when it went well or the
    // failure is the layer's own finding.
    int error() const { return ok() ? 0 : std::get<1>(m_state).error; }
    // The failure as it is, to be passed on with its number.
    Failure failure() const { return ok() ? Failure{} : std::get<1>(m_state); }
    // Only a result that went well has a value: asking a failure for one is
    // the caller's fault, and throws std::bad_variant_access.
    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }

private:
    std::variant<T, Failure> m_state;
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

// A failure for an errno value, in words of our own that do not follow the
// system's language ("no such file or folder"), with the number kept.
Failure systemFailure(int error);
// What a file of the given mode (st_mode) is, as "a named pipe", and the
// reason that such a file is refused.
std::string kindOf(unsigned mode);
std::string notRegular(unsigned mode);

// A regular file opened for reading; a descriptor that is not open when
// nothing is there (or a link leads nowhere). Anything else that is there
// but is not a regular file is a failure.
FileResult<FileDescriptor> openRegularFile(const std::string& path);
// The same for path in an open folder (a relative path), or AT_FDCWD.
FileResult<FileDescriptor> openRegularFileAt(int folder, const std::string& path);

// Reads up to limit bytes from the start of an open file.
FileResult<std::string> readUpTo(int fd, std::size_t limit);

// The folder part of a path, with its trailing "/", and the name part.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

// The folder of the running executable, ending in "/", as the system names
// it, or why the system would not tell.
FileResult<std::string> executableFolder();

}  // namespace temparoka
