#include "app/recordfile.h"
#include "common/errors.h"
#include "support/fakes.h"
#include "support/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

TEST(RecordFile, MissingOrShortFilesAreNoRecordAndASaveReplacesThemWhole)
{
    QTemporaryDir folder;
    RecordFile file(native(folder.filePath("temparoka.dat")));
    EXPECT_FALSE(file.load().value());
    EXPECT_EQ(file.load().problem(), "");  // a first start is no problem
    for (int length : {0, 19, 20, 451}) {
        writeBytes(file.path(), QByteArray(length, '\x11'));
        EXPECT_FALSE(file.load().value()) << length;
        EXPECT_EQ(file.load().problem(), "") << length;
    }
    Record record;
    record.children = 2;
    file.save(record);
    EXPECT_EQ(fileBytes(file.path()).size(), 452);
    EXPECT_EQ(file.load().value(), record);
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
    RecordFile file(native(folder.filePath("temparoka.dat")));
    file.save(recordWithBirthday(30000));
    const QByteArray before = fileBytes(file.path());

    std::string message;
    {
        FileSizeLimit limit(100);
        message = saveError(file, recordWithBirthday(31000));
    }
    EXPECT_NE(message.find("temparoka.dat"), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(fileBytes(file.path()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"temparoka.dat"});  // no leftovers
}

TEST(RecordFile, ASaveCutOffBeforeTheReplaceLeavesTheOldFileWhole)
{
    QTemporaryDir folder;
    RecordFile file(native(folder.filePath("temparoka.dat")));
    const Record old = recordWithBirthday(30000);
    file.save(old);
    const QByteArray before = fileBytes(file.path());

    // The child writes the new record completely and dies before it
    // replaces the old file.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        file.setBeforeReplace([] { _exit(7); });
        file.save(recordWithBirthday(31000));
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 7);

    EXPECT_EQ(fileBytes(file.path()), before);
    EXPECT_EQ(file.load().value(), old);
    // The next save goes through and replaces it whole, and clears away the
    // dead child's new file; that of a process still running stays.
    const QString running = folder.filePath(".temparoka.dat.new-" + QString::number(getppid()) + "-0");
    writeBytes(native(running), "in use");
    const QStringList leftBehind = {".temparoka.dat.new-" + QString::number(child) + "-0"};
    EXPECT_EQ(QDir(folder.path())
                  .entryList({".temparoka.dat.new-" + QString::number(child) + "-*"}, QDir::Files | QDir::Hidden),
              leftBehind);
    file.setBeforeReplace({});
    const Record later = recordWithBirthday(32000);
    file.save(later);
    EXPECT_EQ(file.load().value(), later);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{".temparoka.dat.new-" + QString::number(getppid()) + "-0", "temparoka.dat"}));
}

TEST(RecordFile, EveryTruncationOfARecordLoadsAsNoRecord)
{
    QTemporaryDir folder;
    RecordFile file(native(folder.filePath("temparoka.dat")));
    Record record = recordWithBirthday(30000);
    record.wuerfe.back() = {30050.5, 2};
    file.save(record);
    const QByteArray whole = fileBytes(file.path());
    for (int length = 0; length < 452; ++length) {
        writeBytes(file.path(), whole.left(length));
        EXPECT_FALSE(file.load().value()) << length;
    }
}

// Puts something that is not a regular file where the record belongs.
enum class Planted { NamedPipe, Folder, Socket, LinkToPipe, LinkToFolder, LinkToDevice, DanglingLink };

void plant(Planted what, const QString& folder, const std::string& path)
{
    const std::string pipe = native(folder + "/pipe");
    switch (what) {
    case Planted::NamedPipe:
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        break;
    case Planted::Folder:
        ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
        break;
    case Planted::Socket: {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof(address.sun_path));
        std::copy(path.begin(), path.end(), address.sun_path);
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        close(fd);
        break;
    }
    case Planted::LinkToPipe:
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        ASSERT_EQ(symlink(pipe.c_str(), path.c_str()), 0);
        break;
    case Planted::LinkToFolder:
        ASSERT_EQ(symlink(native(folder).c_str(), path.c_str()), 0);
        break;
    case Planted::LinkToDevice:
        ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
        break;
    case Planted::DanglingLink:
        ASSERT_EQ(symlink(native(folder + "/nowhere").c_str(), path.c_str()), 0);
        break;
    }
}

TEST(RecordFile, WhatIsNotARegularFileIsNeitherReadNorReplaced)
{
    struct Case {
        Planted what;
        const char* loadProblem;  // "" where the load counts it as no file
        const char* saveProblem;
    };
    // clang-format off
    const Case cases[] = {
        {Planted::NamedPipe, "it is a named pipe, not a regular file", "it is a named pipe, not a regular file"},
        {Planted::Folder, "it is a folder, not a regular file", "it is a folder, not a regular file"},
        {Planted::Socket, "it is a socket, not a regular file", "it is a socket, not a regular file"},
        {Planted::LinkToPipe, "it is a named pipe, not a regular file", "it is a link to a named pipe, not to a regular file"},
        {Planted::LinkToFolder, "it is a folder, not a regular file", "it is a link to a folder, not to a regular file"},
        {Planted::LinkToDevice, "it is a device, not a regular file", "it is a link to a device, not to a regular file"},
        {Planted::DanglingLink, "", "it is a link that leads nowhere"},
    };
    // clang-format on
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const std::string path = native(folder.filePath("temparoka.dat"));
        plant(c.what, folder.path(), path);
        SCOPED_TRACE(c.saveProblem);
        struct stat before {};
        ASSERT_EQ(lstat(path.c_str(), &before), 0);

        RecordFile file(path);
        const LoadedRecord loaded = file.load();  // a pipe read would block here for good
        EXPECT_FALSE(loaded.value());
        EXPECT_EQ(loaded.problem(), *c.loadProblem ? "Cannot read the record file " + path + ": " + c.loadProblem : "");
        EXPECT_EQ(saveError(file, Record{}), "Cannot save " + path + ": " + c.saveProblem);

        struct stat after {};
        ASSERT_EQ(lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);  // the same thing still stands there
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
    struct stat zero {};
    ASSERT_EQ(stat("/dev/zero", &zero), 0);
    EXPECT_TRUE(S_ISCHR(zero.st_mode));
}

TEST(RecordFile, ALinkToARecordIsWrittenThroughAndStaysALink)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("synced"));
    const QString target = folder.filePath("synced/temparoka.dat");
    const std::string link = native(folder.filePath("temparoka.dat"));
    RecordFile(native(target)).save(recordWithBirthday(30000));
    ASSERT_EQ(symlink(native(target).c_str(), link.c_str()), 0);

    RecordFile file(link);
    EXPECT_EQ(file.load().value(), recordWithBirthday(30000));
    file.save(recordWithBirthday(31000));
    EXPECT_TRUE(QFileInfo(QFile::decodeName(link.c_str())).isSymLink());
    EXPECT_EQ(RecordFile(native(target)).load().value(), recordWithBirthday(31000));
    EXPECT_EQ(QDir(folder.filePath("synced")).entryList(QDir::Files | QDir::Hidden), QStringList{"temparoka.dat"});
}

TEST(RecordFile, EachKindOfFileAndFolderIsReplacedWrittenInPlaceOrLeftAlone)
{
    enum class Situation { Ordinary, FolderTakesNoNewFile, SecondName, ReadOnlyFile, FolderTakesNoFileAndHasNone };
    struct Case {
        Situation situation;
        const char* problem;  // "" for a save that goes through
        bool inPlace;  // the same file, rather than a new one in its place
    };
    // clang-format off
    const Case cases[] = {
        {Situation::Ordinary, "", false},
        {Situation::FolderTakesNoNewFile, "", true},
        {Situation::SecondName, "", true},  // the other name must see the new record too
        {Situation::ReadOnlyFile, "it is read-only", true},
        {Situation::FolderTakesNoFileAndHasNone, "Permission denied", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath("temparoka.dat");
        const std::string secondName = native(folder.filePath("backup.dat"));
        RecordFile file(native(path));
        // An old file longer than a record, with permissions of its own,
        // which a new file must take over.
        const auto old = serialise(recordWithBirthday(30000));
        writeBytes(file.path(), QByteArray(reinterpret_cast<const char*>(old.data()), 452) + QByteArray(148, 'x'));
        ASSERT_EQ(chmod(file.path().c_str(), 0640), 0);
        std::optional<ReadOnlyFolder> readOnly;
        switch (c.situation) {
        case Situation::Ordinary:
            break;
        case Situation::FolderTakesNoNewFile:
            ReadOnlyFolder::giveToUnprivilegedUser(path);
            readOnly.emplace(folder.path());
            break;
        case Situation::SecondName:
            ASSERT_EQ(link(file.path().c_str(), secondName.c_str()), 0);
            break;
        case Situation::ReadOnlyFile:
            ASSERT_EQ(chmod(file.path().c_str(), 0444), 0);
            break;
        case Situation::FolderTakesNoFileAndHasNone:
            ASSERT_EQ(unlink(file.path().c_str()), 0);
            readOnly.emplace(folder.path());
            break;
        }
        struct stat before {};
        const bool existed = stat(file.path().c_str(), &before) == 0;
        const std::string message = saveError(file, recordWithBirthday(31000));
        readOnly.reset();

        SCOPED_TRACE(static_cast<int>(c.situation));
        EXPECT_EQ(message, *c.problem ? "Cannot save " + file.path() + ": " + c.problem : "no error");
        struct stat after {};
        ASSERT_EQ(stat(file.path().c_str(), &after) == 0, existed);
        EXPECT_EQ(QDir(folder.path()).entryList({"*temparoka*"}, QDir::Files | QDir::Hidden),
                  existed ? QStringList{"temparoka.dat"} : QStringList{});
        if (!existed)
            continue;
        EXPECT_EQ(RecordFile(file.path()).load().value(), recordWithBirthday(*c.problem ? 30000 : 31000));
        EXPECT_EQ(after.st_size, *c.problem ? 600 : 452);
        EXPECT_EQ(after.st_ino == before.st_ino, c.inPlace);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (c.situation == Situation::SecondName) {
            EXPECT_EQ(RecordFile(secondName).load().value(), recordWithBirthday(31000));
        }
    }
}

TEST(RecordFile, TwoCopiesSavingInTurnKeepEachOthersReadings)
{
    QTemporaryDir folder;
    const std::string path = native(folder.filePath("temparoka.dat"));
    Record base;
    base.verlauf.back() = {1, 1, 1, 49};
    base.wuerfe.back() = {24286.5, 1};
    RecordFile(path).save(base);

    // Both copies start from base; each records its own draw and prediction.
    RecordFile fileA(path), fileB(path);
    Record a = *fileA.load().value(), b = *fileB.load().value();
    appendDraw(a.wuerfe, 24287.5, 2);
    recordPrediction(a.verlauf, 5, 2, 1, 50);
    appendDraw(b.wuerfe, 24288.5, 3);
    recordPrediction(b.verlauf, 4, 2, 2, 51);
    b.children = 1;
    const Record savedA = fileA.save(a);
    EXPECT_EQ(savedA, a);  // nothing new on disk for A
    const Record savedB = fileB.save(b);

    const Record onDisk = *RecordFile(path).load().value();
    EXPECT_EQ(onDisk, savedB);
    EXPECT_EQ(onDisk.children, 1);  // the birth data are the saving copy's
    const PredictionRecord expectedHistory[] = {{1, 1, 1, 49}, {5, 2, 1, 50}, {4, 2, 2, 51}};
    EXPECT_TRUE(std::equal(std::begin(expectedHistory), std::end(expectedHistory), onDisk.verlauf.end() - 3));
    const DrawRecord expectedDraws[] = {{24286.5, 1}, {24287.5, 2}, {24288.5, 3}};
    EXPECT_TRUE(std::equal(std::begin(expectedDraws), std::end(expectedDraws), onDisk.wuerfe.end() - 3));

    // A saves again: only its newest pick joins, its first is saved already.
    Record again = savedA;
    recordPrediction(again.verlauf, 3, 3, 3, 51);
    const PredictionRecord expectedLater[] = {{5, 2, 1, 50}, {4, 2, 2, 51}, {3, 3, 3, 51}};
    const Record later = fileA.save(again);
    EXPECT_TRUE(std::equal(std::begin(expectedLater), std::end(expectedLater), later.verlauf.end() - 3));
}

// A folder name that is not valid UTF-8, and a folder path of 3,999 bytes
// (longer than some libraries take).
}  // namespace
