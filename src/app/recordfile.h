#pragma once
// The record file "temparoka.dat" on disk. Loading never fails loudly for a
// missing or damaged file: it counts as no file. Anything in its place that
// is not a regular file is refused with a reason, never read. Saving merges
// what another copy of the program wrote in the meantime, then replaces the
// file only once the new one is completely written, so a failed save leaves
// the previous file as it was and no reading is lost.

#include "record/record.h"

#include <functional>
#include <optional>
#include <string>

namespace temparoka {

inline constexpr char kRecordFileName[] = "temparoka.dat";

// Where the record lives: beside the program when its folder already holds
// one or can be written (a portable folder), otherwise in the user's data
// folder (a system-wide install, a read-only medium). A program folder under
// /usr is never written, even by an administrator who could: it is shared by
// every user and belongs to the package manager. Both folders end in "/".
std::string recordPlace(const std::string& programFolder, const std::string& dataFolder);

struct LoadedRecord {
    std::optional<Record> record;
    // Why a file that is there could not be read; empty when it was read,
    // is missing or is too short to be a record.
    std::string problem;
};

class RecordFile {
public:
    // path as the system names it.
    explicit RecordFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    LoadedRecord load() const;
    // Writes record, with the entries of the file on disk merged in, and
    // returns what was written. Throws FileError naming the file and the
    // cause when it cannot be written.
    Record save(const Record& record) const;

    // Runs between writing the new file and putting it in the old one's
    // place; tests stop the process there, as a crash or power cut would.
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }

private:
    std::string m_path;
    std::function<void()> m_beforeReplace;
};

}  // namespace temparoka
