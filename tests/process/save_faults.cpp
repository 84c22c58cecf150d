// Faults in the middle of a save, preloaded into the real program by the
// process tests (LD_PRELOAD), each switched on by the test's environment:
//   TEMPAROKA_HOLD_RENAME_TO=<end of a name>: a rename onto a name that ends
//     so never happens; the calling thread creates the file named by
//     TEMPAROKA_HOLD_MARK and waits there for good, as on a stalled disk,
//     so that a test can send a signal while the new file is complete;
//   TEMPAROKA_FAIL_FOLDER_SYNC=1: syncing a folder fails with EIO, as a
//     failing disk does after the rename.

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool endsWith(const char* text, const char* end)
{
    const std::size_t length = std::strlen(text), endLength = std::strlen(end);
    return length >= endLength && std::strcmp(text + length - endLength, end) == 0;
}

template <class F>
F real(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    const char* held = std::getenv("TEMPAROKA_HOLD_RENAME_TO");
    const char* mark = std::getenv("TEMPAROKA_HOLD_MARK");
    if (held && mark && endsWith(to, held)) {
        ::close(::open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        for (;;)
            ::pause();
    }
    static const auto next = real<int (*)(int, const char*, int, const char*)>("renameat");
    return next(fromFolder, from, toFolder, to);
}

extern "C" int fsync(int fd)
{
    struct stat info {};
    if (std::getenv("TEMPAROKA_FAIL_FOLDER_SYNC") && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = EIO;
        return -1;
    }
    static const auto next = real<int (*)(int)>("fsync");
    return next(fd);
}
