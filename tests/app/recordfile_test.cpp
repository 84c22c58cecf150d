#include "app/recordfile.h"
#include "common/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <sys/resource.h>

using namespace temparoka;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RecordFile, MissingOrShortFilesAreNoRecordAndASaveReplacesThemWhole)
{
    QTemporaryDir folder;
    const RecordFile file(folder.filePath("temparoka.dat"));
    EXPECT_FALSE(file.load());
    for (int length : {0, 19, 20, 451}) {
        QFile raw(file.path());
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
        raw.write(QByteArray(length, '\x11'));
        raw.close();
        EXPECT_FALSE(file.load()) << length;
    }
    Record record;
    record.children = 2;
    file.save(record);
    EXPECT_EQ(fileBytes(file.path()).size(), 452);
    EXPECT_EQ(file.load(), record);
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

TEST(RecordFile, ASaveThatCannotWriteEverythingLeavesTheOldFileWhole)
{
    QTemporaryDir folder;
    const RecordFile file(folder.filePath("temparoka.dat"));
    Record old;
    old.birthday = 30000;
    file.save(old);
    const QByteArray before = fileBytes(file.path());

    Record next;
    next.birthday = 31000;
    std::string message;
    {
        FileSizeLimit limit(100);
        try {
            file.save(next);
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    EXPECT_NE(message.find("temparoka.dat"), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(fileBytes(file.path()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"temparoka.dat"});  // no leftovers
}

TEST(RecordFile, ASaveCutOffBeforeTheReplaceLeavesTheOldFileWhole)
{
    QTemporaryDir folder;
    RecordFile file(folder.filePath("temparoka.dat"));
    Record old;
    old.birthday = 30000;
    file.save(old);
    const QByteArray before = fileBytes(file.path());

    // The child writes the new record completely and dies before it
    // replaces the old file.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        file.setBeforeReplace([] { _exit(7); });
        Record next;
        next.birthday = 31000;
        file.save(next);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 7);

    EXPECT_EQ(fileBytes(file.path()), before);
    EXPECT_EQ(file.load(), old);
    // The next save goes through and replaces it whole.
    Record later;
    later.birthday = 32000;
    file.save(later);
    EXPECT_EQ(file.load(), later);
}

TEST(RecordFile, EveryTruncationOfARecordLoadsAsNoRecord)
{
    QTemporaryDir folder;
    const RecordFile file(folder.filePath("temparoka.dat"));
    Record record;
    record.birthday = 30000;
    record.wuerfe.back() = {30050.5, 2};
    file.save(record);
    const QByteArray whole = fileBytes(file.path());
    for (int length = 0; length < 452; ++length) {
        QFile raw(file.path());
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
        raw.write(whole.left(length));
        raw.close();
        EXPECT_FALSE(file.load()) << length;
    }
}

}  // namespace
