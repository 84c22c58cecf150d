#include "common/savetemporary.h"

#include "common/nativefile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <memory>
#include <random>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
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

bool isLeftoverOf(const std::string& entry, const std::string& name, const std::string& tag, bool (*running)(pid_t))
{
    const std::string prefix = prefixFor(name) + tag + "-";
    if (tag.empty() || !entry.starts_with(prefix))
        return false;
    const std::string_view rest = std::string_view(entry).substr(prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc() || end == rest.data() || *end != '-' || pid <= 0)
        return false;
    const std::string_view digits(end + 1, rest.data() + rest.size());
    if (digits.size() != 16 || !std::all_of(digits.begin(), digits.end(),
                                            [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
        return false;
    return !running(pid);
}

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
    while (const dirent* entry = ::readdir(entries.get())) {
        if (!isLeftoverOf(entry->d_name, name, runTag(), stillSaving))
            continue;
        // Someone else's file of that name is theirs to remove.
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlinkat(folder, entry->d_name, 0);
    }
}

}  // namespace temparoka
