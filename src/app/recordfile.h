#pragma once
// The record file "temparoka.dat" on disk. Loading never fails loudly for a
// missing or damaged file: it counts as no file. Anything in its place that
// is not a regular file is refused with a reason, never read. Saving merges
// what another copy of the program wrote in the meantime, then replaces the
// file only once the new one is completely written, so a failed save leaves
// the previous file as it was and no reading is lost. A record that its
// owner made read-only is left as it is: the save fails and says so.

#include "common/nativefile.h"
#include "record/record.h"

#include <functional>
#include <optional>
#include <string>

namespace temparoka {

inline constexpr char kRecordFileName[] = "temparoka.dat";

// A path as the system names it (bytes, ending in "/" for a folder), or,
// when there is none to be had, why not.
using Location = FileResult<std::string>;

// The user's data folder for the program, "temparoka/" in the folder that
// the desktop's conventions give: XDG_DATA_HOME when it is a full path
// (a relative one is ignored, as the convention says), else .local/share in
// the home folder (HOME, or the account's home when HOME is unset). The
// bytes stay as the environment gives them. An empty, relative or root home
// gives no folder: a record under "/" would be written into the system.
Location dataFolderFrom(const char* xdgDataHome, const char* home, const char* accountHome);
// The same, from this process's environment and account.
Location userDataFolder();

// Where the record lives: beside the program when its folder already holds
// one or can be written (a portable folder), otherwise in the user's data
// folder (a system-wide install, a read-only medium). A program folder under
// /usr is never written, even by an administrator who could: it is shared by
// every user and belongs to the package manager.
Location recordPlace(const std::string& programFolder, const Location& dataFolder);

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

    const std::string& path() const { return m_place.value(); }
    LoadedRecord load();
    // Writes record, merged with what another copy saved since this one
    // last read or wrote the file, and returns what was written. Throws
    // FileError naming the file and the cause when it cannot be written.
    Record save(const Record& record);

    // Runs between writing the new file and putting it in the old one's
    // place; tests stop the process there, as a crash or power cut would.
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }

private:
    Location m_place;
    std::optional<Record> m_base;
    std::function<void()> m_beforeReplace;
};

}  // namespace temparoka
