#include "ui/shared/sound.h"

#include "core/errors.h"

#include <cerrno>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

using MakePlayer = SoundPlayer* (*)(const char* programFolder);

}  // namespace

ModuleSoundPlayer::ModuleSoundPlayer(const std::string& programFolder) : m_folder(programFolder)
{
    // Never through a link, and never waiting: a pipe by that name would
    // otherwise hold the start until something wrote into it.
    const FileDescriptor folder(::open(programFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        m_module = FileDescriptor(::openat(folder.get(), kSoundModule, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    m_openError = m_module.isOpen() ? 0 : errno;
}

// The player goes first; the module stays loaded to the end, since the
// audio system may still run threads of its code.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::play(const std::string& path)
{
    if (!m_player)
        m_player = load(path);
    m_player->play(path);
}

std::unique_ptr<SoundPlayer> ModuleSoundPlayer::load(const std::string& soundPath)
{
    const std::string module = m_folder + "/" + kSoundModule;
    const auto refused = [&](const std::string& why) {
        return soundFailure(soundPath, "the sound player " + module + " " + why);
    };
    if (!m_module.isOpen())
        throw refused(m_openError == ENOENT ? "is missing" : "cannot be opened");
    struct stat info {};
    if (::fstat(m_module.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw refused("cannot be loaded (it is not a regular file)");
    if (info.st_uid != 0 && info.st_uid != ::geteuid())
        throw refused("belongs to another user");
    // Loaded from the file opened at start, through its descriptor.
    void* handle = ::dlopen(("/proc/self/fd/" + std::to_string(m_module.get())).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw refused("cannot be loaded (" + std::string(::dlerror()) + ")");
    auto make = reinterpret_cast<MakePlayer>(::dlsym(handle, "temparoka_wav_player"));
    if (!make)
        throw refused("cannot be loaded (it has no player)");
    return std::unique_ptr<SoundPlayer>(make(m_folder.c_str()));
}

}  // namespace temparoka
