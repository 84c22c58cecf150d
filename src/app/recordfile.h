#pragma once
// The record file "temparoka.dat" on disk. Loading never fails loudly: a
// file that is missing, unreadable or shorter than a whole record counts as
// no file. Saving replaces the file only once the new one is completely
// written, so a failed save leaves the previous file as it was.

#include "app/record.h"

#include <QString>

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

private:
    QString m_path;
};

}  // namespace temparoka
