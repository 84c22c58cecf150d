#include "files/savetemporary.h"

#include "files/nativefile.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <memory>
#include <random>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

constexpr std::size_t kNameLimit = 255;
constexpr std::string_view kNew = ".new-";

std::string bootId()
{
    FileResult<FileDescriptor> file = openRegularFile("/proc/sys/kernel/random/boot_id");
    if (!file.ok() || !file.value().isOpen())
        return {};
    const FileResult<std::string> text = readUpTo(file.value().get(), 64);
    if (!text.ok())
        return {};
    std::string id;
    for (const char c : text.value())
        if (std::isxdigit(static_cast<unsigned char>(c)))
            id += c;
    return id;
}

// The pid namespace's number, from the link "pid:[4026531836]".
std::string pidNamespace()
{
    char link[64] = {};
    const ssize_t length = ::readlink("/proc/self/ns/pid", link, sizeof link - 1);
    std::string digits;
    for (ssize_t i = 0; i < length; ++i)
        if (link[i] >= '0' && link[i] <= '9')
            digits += link[i];
    return digits;
}

std::string randomDigits()
{
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value))
        value = (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
    char digits[17] = {};
    const auto end = std::to_chars(digits, digits + 16, value, 16).ptr;
    return std::string(static_cast<std::size_t>(16 - (end - digits)), '0') + std::string(digits, end);
}

// "." and as much of name as leaves room for the rest of the longest name
// we make: kNew, the tag, a pid and the random digits.
std::string prefixFor(const std::string& name)
{
    const std::size_t rest = kNew.size() + runTag().size() + 1 + 10 + 1 + 16;
    return "." + name.substr(0, std::min(name.size(), kNameLimit - 1 - rest)) + std::string(kNew);
}

// This process saves one file at a time: a new file of its own that is
// still there was left by a save that failed.
bool stillSaving(pid_t pid)
{
    return pid != ::getpid() && !(::kill(pid, 0) != 0 && errno == ESRCH);
}

}  // namespace

const std::string& runTag()
{
    static const std::string tag = [] {
        const std::string boot = bootId(), space = pidNamespace();
        return boot.empty() || space.empty() ? std::string() : boot + "-" + space;
    }();
    return tag;
}

std::string temporaryName(const std::string& name)
{
    return prefixFor(name) + runTag() + "-" + std::to_string(::getpid()) + "-" + randomDigits();
}

bool isLeftoverOf(const std::string& entry, const std::string& tag, bool (*running)(pid_t))
{
    // ".<name>.new-<tag>-<pid>-<16 hex digits>", read from its end, since
    // the name may hold anything.
    constexpr std::size_t kDigits = 16;
    const std::string_view all(entry);
    if (tag.empty() || all.size() < kDigits + 1 || !all.starts_with('.'))
        return false;
    const std::string_view digits = all.substr(all.size() - kDigits);
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }) ||
        all[all.size() - kDigits - 1] != '-')
        return false;
    const std::string_view rest = all.substr(0, all.size() - kDigits - 1);
    const std::size_t dash = rest.rfind('-');
    if (dash == std::string_view::npos)
        return false;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data() + dash + 1, rest.data() + rest.size(), pid);
    if (error != std::errc() || end != rest.data() + rest.size() || end == rest.data() + dash + 1 || pid <= 0)
        return false;
    // A name of at least one character before the marker and the tag.
    const std::string marker = std::string(kNew) + tag;
    const std::string_view head = rest.substr(0, dash);
    if (!head.ends_with(marker) || head.size() < 2 + marker.size())
        return false;
    return !running(pid);
}

void removeLeftovers(int folder)
{
    // A descriptor of its own for the listing, which closedir closes; not
    // passed on to a program that another thread starts meanwhile.
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
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
    while (const dirent* entry = ::readdir(entries.get())) {
        if (!isLeftoverOf(entry->d_name, runTag(), stillSaving))
            continue;
        // Someone else's file of that name is theirs to remove.
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlinkat(folder, entry->d_name, 0);
    }
}

namespace {

// The new file that a signal removes, guarded by a lock that the handler
// may take too: a flag that is always free of locks of the system's, so
// safe in a handler. The program's own thread takes it only with the
// signals blocked, so the handler never waits on the thread it interrupts;
// a handler on another thread waits the few instructions an update takes.
std::atomic_flag g_pendingBusy = ATOMIC_FLAG_INIT;
int g_pendingFolder = -1;
char g_pendingName[kNameLimit + 1] = {};

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

sigset_t endingSignals()
{
    sigset_t set;
    ::sigemptyset(&set);
    for (const int signal : kEndingSignals)
        ::sigaddset(&set, signal);
    return set;
}

void removePendingAndEnd(int signal)
{
    // Taken for good: the program ends here, and nothing is named any more.
    while (g_pendingBusy.test_and_set(std::memory_order_acquire)) {
    }
    if (g_pendingFolder >= 0)
        ::unlinkat(g_pendingFolder, g_pendingName, 0);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    // Blocked while the handler runs, so it ends the program as it returns.
    ::raise(signal);
}

void handleEndingSignals()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = removePendingAndEnd;
        action.sa_mask = endingSignals();
        for (const int signal : kEndingSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
                current.sa_handler == SIG_DFL)
                ::sigaction(signal, &action, nullptr);
        }
        return true;
    }();
    static_cast<void>(installed);
}

// Holds the lock with the signals blocked in this thread.
class PendingLock {
public:
    PendingLock()
    {
        const sigset_t set = endingSignals();
        ::pthread_sigmask(SIG_BLOCK, &set, &m_mask);
        while (g_pendingBusy.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~PendingLock()
    {
        g_pendingBusy.clear(std::memory_order_release);
        ::pthread_sigmask(SIG_SETMASK, &m_mask, nullptr);
    }
    PendingLock(const PendingLock&) = delete;
    PendingLock& operator=(const PendingLock&) = delete;

private:
    sigset_t m_mask{};
};

}  // namespace

void PendingTemporary::track(int folder, const std::string& name)
{
    handleEndingSignals();
    const PendingLock lock;
    if (name.size() >= sizeof g_pendingName || name.find('\0') != std::string::npos) {
        g_pendingFolder = -1;  // none of ours: our names fit
        m_named = false;
        return;
    }
    std::copy(name.begin(), name.end(), g_pendingName);
    g_pendingName[name.size()] = '\0';
    g_pendingFolder = folder;
    m_named = true;
}

void PendingTemporary::forget()
{
    if (!m_named)
        return;
    const PendingLock lock;
    g_pendingFolder = -1;
    m_named = false;
}

}  // namespace temparoka
