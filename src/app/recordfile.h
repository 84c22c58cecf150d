#pragma once
// The record file "temparoka.dat" on disk. Loading never fails loudly: a
// file that is missing, unreadable or shorter than a whole record counts as
// no file. Saving replaces the file only once the new one is completely
// written, so a failed save leaves the previous file as it was.

#include "app/record.h"

#include <QString>

#include <functional>
#include <optional>

namespace temparoka {

inline constexpr char kRecordFileName[] = "temparoka.dat";

class RecordFile {
public:
    explicit RecordFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    std::optional<Record> load() const;
    // Throws FileError naming the cause when the file cannot be written.
    void save(const Record& record) const;

    // Runs between writing the new file and putting it in the old one's
    // place; tests stop the process there, as a crash or power cut would.
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }

private:
    QString m_path;
    std::function<void()> m_beforeReplace;
};

}  // namespace temparoka
