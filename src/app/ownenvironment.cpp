#include "app/ownenvironment.h"

#include "files/recordplace.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>

#include <pwd.h>
#include <unistd.h>

extern char** environ;

namespace temparoka {

namespace {

// The folders where the desktop's conventions and the libraries under the
// program keep and look for files of the user's: Qt's settings, the font
// cache, the sound client's key and socket, temporary files.
constexpr std::string_view kFolders[] = {"HOME",           "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                         "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"};

// What another user's environment may keep: it loads nothing and names no
// file that anything writes. The display's key (XAUTHORITY) is only read, to
// reach the display at all.
constexpr std::string_view kHarmless[] = {"DISPLAY", "XAUTHORITY", "TERM", "USER", "LOGNAME"};

// The system's own programs, as a root login finds them.
constexpr char kSystemPath[] = "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin";

// Why an allow-list rather than a list of what to drop: the variables that
// load code or pick files are many and grow with every library (Qt's
// plugins and themes, the input method, the sound client's key, the font
// and cursor folders, the desktop's data folders, GTK's modules...). A name
// missed on a list of what to drop would be followed as root; a name
// missed here is merely not used.
bool harmless(std::string_view name)
{
    return std::find(std::begin(kHarmless), std::end(kHarmless), name) != std::end(kHarmless);
}

bool isFolder(std::string_view name)
{
    return std::find(std::begin(kFolders), std::end(kFolders), name) != std::end(kFolders);
}

bool isLanguageOrZone(std::string_view name)
{
    return name == "LANG" || name == "LANGUAGE" || name == "TZ" || name.starts_with("LC_");
}

// The C library takes a language or a time zone that begins with "/" (a
// zone also after ":") as the file of that name, and follows ".." out of
// its own folder of them: such a value would have root read a file that
// another user made.
bool namesNoFile(std::string_view value)
{
    if (value.starts_with(':'))
        value.remove_prefix(1);
    return !value.starts_with('/') && value.find("..") == std::string_view::npos;
}

}  // namespace

std::vector<std::string> rootsEnvironment(const std::vector<std::string>& environment, const OwnFolder& rootsOwn,
                                          const std::string& rootHome)
{
    struct Variable {
        std::string_view name, value;
    };
    std::vector<Variable> given;
    std::set<std::string_view> seen;
    for (const std::string& entry : environment) {
        const std::string_view text = entry;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos || equals == 0 || !seen.insert(text.substr(0, equals)).second)
            continue;
        given.push_back({text.substr(0, equals), text.substr(equals + 1)});
    }
    // A home or a desktop folder of another user's says whose environment
    // this is ("sudo -E" keeps them all; a sudo that sets HOME still keeps
    // the others). TMPDIR says nothing: it is often the shared /tmp.
    const bool anothers = std::any_of(given.begin(), given.end(), [&](const Variable& v) {
        return isFolder(v.name) && v.name != "TMPDIR" && !rootsOwn(std::string(v.value));
    });
    std::vector<std::string> kept;
    const auto keep = [&](std::string_view name, std::string_view value) {
        kept.push_back(std::string(name) + '=' + std::string(value));
    };
    for (const Variable& v : given) {
        if (isFolder(v.name)) {
            if (rootsOwn(std::string(v.value)))
                keep(v.name, v.value);
            else if (v.name == "HOME" && !rootHome.empty())
                keep(v.name, rootHome);
        } else if (!anothers || harmless(v.name) || (isLanguageOrZone(v.name) && namesNoFile(v.value))) {
            keep(v.name, v.value);
        }
    }
    if (anothers) {
        kept.emplace_back(kSystemPath);
        kept.emplace_back("DBUS_SESSION_BUS_ADDRESS=disabled:");
    }
    return kept;
}

void makeEnvironmentRootsOwn()
{
    if (::geteuid() != 0)
        return;
    std::vector<std::string> given;
    for (char** entry = environ; entry && *entry; ++entry)
        given.emplace_back(*entry);
    const passwd* root = ::getpwuid(0);
    const std::vector<std::string> kept = rootsEnvironment(
        given, [](const std::string& path) { return rootsOwn(path.c_str()); },
        root && root->pw_dir ? root->pw_dir : "");
    if (kept == given)
        return;
    ::clearenv();
    for (const std::string& entry : kept) {
        const std::size_t equals = entry.find('=');
        ::setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
    }
}

}  // namespace temparoka
