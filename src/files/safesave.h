#pragma once
// Saving a file so that a failure never leaves a half-written file in place
// of the old one: the new bytes go to a new file beside it, readable by us
// alone, that replaces the old one only once it is complete. A file that may
// not be replaced that way is written in place with every byte checked (a
// folder that takes no new file, a file with other names, a file whose owner
// a new file could not keep), and one that its owner made read-only is not
// written at all. Each operation says how it went in a FileResult. This is
// the only code of the program that opens a file for writing.

#ifndef TEMPAROKA_FILE_LAYER
#error "Only the file layer writes files: keep a reading with files/keptfile.h, the record with files/recordfile.h"
#endif

#include "files/folderwalk.h"
#include "files/lockwait.h"
#include "files/nativefile.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace temparoka {

// Where a save to path must write: path itself, or, when path is a symbolic
// link of ours (or of the administrator's), the regular file that it leads
// to, through links of ours alone (the links stay). Its folder is open, so
// that the save happens in the folder that was looked at. A failure when
// path names anything else, or a link that another user put anywhere in
// the chain.
using SaveTarget = FoundFile;
FileResult<SaveTarget> resolveSaveTarget(const std::string& path, Trust trust = Trust::AnyFolder);

// Who may read a file that a save creates (an existing file keeps its own
// mode, owner and group): Private for personal data such as the record
// (0600), Document for what the reader keeps to share or print (0666 less
// the process's umask).
enum class NewFileAccess { Private, Document };

// Replaces the file at target (as resolveSaveTarget gave it) with
// bytes: written to a new file of ours alone in the same folder, synced,
// given the old file's (or the new file's) permissions and renamed over the
// old one, so that the old file stays whole until the new one is complete.
// Where the folder takes no new file but the file itself may be written,
// where the file has other names (hard links) that must see the new bytes
// too, or where a new file could not keep the old one's owner, the bytes
// are written in place, read back and synced instead. A file whose
// permissions forbid writing it is refused, and so is another user's file
// unless we are the administrator: what the reader keeps is never written
// into a file that someone else can read. New files that earlier saves of
// ours, cut short on this machine, left behind are removed on the way.
// beforeReplace runs once the new file is complete, before it replaces the
// old one.
FileResult<> replaceFile(const SaveTarget& target, std::span<const std::uint8_t> bytes, NewFileAccess access,
                         const std::function<void()>& beforeReplace = {});

// The whole save of a file the reader named, for files that need no merge
// (a kept reading): resolveSaveTarget, then replaceFile.
FileResult<> saveFile(const std::string& path, std::span<const std::uint8_t> bytes, NewFileAccess access);

// Holds an exclusive lock on a file of our own in a folder (lockName in it)
// while it lives,
// so that two copies of the program do not read, merge and replace a file
// in it at the same time. The lock file (name, made readable by us alone,
// never through a link) stays in the folder: removing it would let a copy
// lock a file that another has just taken away. Nobody else can open it,
// so nobody else can hold the lock. In a folder that takes no new file,
// where a save can only write its file (savedName) in place, that file
// itself is locked. A lock that cannot be had within the patience given is a
// failure, as is a lock file that cannot be made or opened: going on
// without the lock could let the other copy's save overwrite ours. Only a
// file system that has no locks at all is saved to without one. wait
// passes the time between two tries (a window keeps painting meanwhile).
class FolderLock {
public:
    using Wait = LockWait;
    FolderLock(int folder, const std::string& lockName, const std::string& savedName,
               std::chrono::milliseconds patience = kLockPatience, const Wait& wait = {});
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Empty when the save may go on; otherwise why not.
    const std::string& problem() const { return m_problem; }
    int error() const { return m_error; }

private:
    FileDescriptor m_lock;
    bool m_locked = false;
    std::string m_problem;
    int m_error = 0;
};

}  // namespace temparoka
