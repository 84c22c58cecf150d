#pragma once
// Small tools the record file tests share: paths as the system's bytes,
// whole files read and written, and the text of a save that fails.

#include "core/errors.h"
#include "files/recordfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

namespace temparoka::test {

inline std::string native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QByteArray fileBytes(const std::string& path)
{
    QFile file(QFile::decodeName(path.c_str()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const std::string& path, const QByteArray& bytes)
{
    QFile raw(QFile::decodeName(path.c_str()));
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
    raw.write(bytes);
}

// A record's 452 bytes, as a file holds them.
inline QByteArray bytesOf(const Record& record)
{
    const auto bytes = serialise(record);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

inline std::string saveError(RecordFile& file, const Record& record)
{
    try {
        file.save(record);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no error";
}

// What a failed save of the record to path says, its cause given as
// "<in Indonesian>|<in English>".
inline std::string recordNotSaved(const std::string& path, const std::string& cause)
{
    const std::size_t bar = cause.find('|');
    return "Tidak dapat menyimpan " + path + ": " + cause.substr(0, bar) + ".\nCannot save " + path + ": " +
           cause.substr(bar + 1) + ".";
}

inline Record recordWithBirthday(double birthday)
{
    Record record;
    record.birthday = birthday;
    return record;
}

// Lets no file grow beyond a few bytes, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

}  // namespace temparoka::test
