#pragma once
// Saving a file so that a failure never leaves a half-written file in place
// of the old one: the new bytes go to a new file beside it that replaces the
// old one only once it is complete. A file that may not be replaced that way
// is written in place with every byte checked (a folder that takes no new
// file, a file with other names), and one that its owner made read-only is
// not written at all. Each operation says how it went in a FileResult.

#include "common/nativefile.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace temparoka {

// Where a save to path must write: path itself, or, when path is a symbolic
// link, the regular file that it leads to (the link stays). A failure when
// path names anything else.
struct SaveTarget {
    std::string path;
    bool exists = false;
};
FileResult<SaveTarget> resolveSaveTarget(const std::string& path);

// Replaces the file at target (a path that resolveSaveTarget gave) with
// bytes: written to a new file in the same folder, synced, and renamed over
// the old one, so that the old file stays whole until the new one is
// complete. Where the folder takes no new file but the file itself may be
// written, or where the file has other names (hard links) that must see the
// new bytes too, the bytes are written in place, read back and synced
// instead. A file whose permissions forbid writing it is refused. New files
// that earlier saves cut short left behind are removed on the way.
// beforeReplace runs once the new file is complete, before it replaces the
// old one.
FileResult<> replaceFile(const std::string& target, std::span<const std::uint8_t> bytes,
                         const std::function<void()>& beforeReplace = {});

// Who may read a file that a save creates (an existing file keeps its own
// mode, owner and group): Private for personal data such as the record
// (0600), Document for what the reader keeps to share or print (0666 less
// the process's umask).
enum class NewFileAccess { Private, Document };

// The whole save of a file the reader named, for files that need no merge
// (a kept reading): resolveSaveTarget, then replaceFile. A new file gets
// the given access; the failure's problem names the cause.
FileResult<> saveFile(const std::string& path, std::span<const std::uint8_t> bytes, NewFileAccess access);

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

private:
    FileDescriptor m_folder;
    bool m_locked = false;
};

}  // namespace temparoka
