#pragma once
// The record file "temparoka.dat" on disk. Loading never fails loudly for a
// missing or damaged file: it counts as no file. Anything in its place that
// is not a regular file is refused with a reason, never read. Saving merges
// what another copy of the program wrote in the meantime, then replaces the
// file only once the new one is completely written, so a failed save leaves
// the previous file as it was and no reading is lost. A record that its
// owner made read-only is left as it is: the save fails and says so.
// The record's folder is reached step by step, every folder on the way
// judged (folderwalk.h), at every load and save; the folder found first is
// kept open for the session, and a save into another folder that has
// taken its place at that path is refused.

#include "core/record.h"
#include "files/folderwalk.h"
#include "files/lockwait.h"
#include "files/nativefile.h"
#include "files/recordplace.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace temparoka {

// The record read, or none when the file is missing or too short to be a
// record; a failure says why a file that is there could not be read.
using LoadedRecord = FileResult<std::optional<Record>>;

// This copy's view of the record file: what it last read or wrote there is
// the base of the merge at its next save.
class RecordFile {
public:
    RecordFile() = default;
    explicit RecordFile(Location place) : m_place(std::move(place)) {}
    explicit RecordFile(std::string path) : m_place(std::move(path)) {}

    // Empty where there is no place for the record.
    const std::string& path() const
    {
        static const std::string none;
        return m_place.ok() ? m_place.value() : none;
    }
    LoadedRecord load();
    // Writes record, merged with what another copy saved since this one
    // last read or wrote the file, and returns what was written. Throws
    // FileError naming the file and the cause when it cannot be written.
    Record save(const Record& record);

    // Runs between writing the new file and putting it in the old one's
    // place; tests stop the process there, as a crash or power cut would.
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }
    // Runs after a save has first looked at the file, before it takes the
    // folder's lock; tests let another copy save there, as a copy that got
    // the lock first would.
    void setBeforeLock(std::function<void()> hook) { m_beforeLock = std::move(hook); }
    // How long a save waits for another copy's save in the same folder,
    // and how it passes the time between two looks (the window keeps
    // painting meanwhile).
    void setLockPatience(std::chrono::milliseconds patience) { m_lockPatience = patience; }
    void setLockWait(LockWait wait) { m_lockWait = std::move(wait); }

private:
    // The record's folder, walked again; the first one found is kept, and
    // a folder of another identity at that path later is refused.
    FileResult<FoundFile> found(bool makeFolders);

    Location m_place;
    // Kept open for the session: the folder's number then cannot be given
    // to another folder while we compare by it.
    std::shared_ptr<const OpenFolder> m_folder;
    std::optional<Record> m_base;
    std::function<void()> m_beforeReplace;
    std::function<void()> m_beforeLock;
    std::chrono::milliseconds m_lockPatience = kLockPatience;
    LockWait m_lockWait;
};

// The lock file that saves of the record take in its folder.
inline constexpr char kRecordLockName[] = ".temparoka.lock";

}  // namespace temparoka
