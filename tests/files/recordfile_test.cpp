#include "core/errors.h"
#include "files/recordfile.h"
#include "files/savetemporary.h"
#include "support/fakes.h"
#include "support/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

TEST(RecordFile, AMissingFileIsNoRecordAndASaveMakesItForTheReaderAlone)
{
    QTemporaryDir folder;
    RecordFile file(native(folder.filePath("temparoka.dat")));
    EXPECT_FALSE(file.load().value());
    EXPECT_EQ(file.load().problem(), "");  // a first start is no problem
    // A record holds personal data: readable by us alone, from its
    // temporary file on, whatever the umask.
    std::vector<mode_t> modes;
    file.setBeforeReplace([&] {
        for (const QFileInfo& entry : QDir(folder.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            struct stat info {};
            modes.push_back(stat(native(entry.filePath()).c_str(), &info) == 0 ? info.st_mode & 07777 : 0);
        }
    });
    const mode_t mask = umask(0);
    Record record;
    record.children = 2;
    file.save(record);
    umask(mask);
    EXPECT_EQ(modes, (std::vector<mode_t>{0600, 0600}));  // the lock file and the new record
    struct stat made {};
    ASSERT_EQ(stat(file.path().c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0600u);
    EXPECT_EQ(fileBytes(file.path()).size(), 452);
    EXPECT_EQ(file.load().value(), record);
}

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
    EXPECT_EQ(message, recordNotSaved(file.path(), "berkas terlalu besar|the file is too large"));
    EXPECT_EQ(fileBytes(file.path()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({".temparoka.lock", "temparoka.dat"}));  // no leftovers
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
    // dead child's new files, of this name and of any other (a kept reading
    // whose save a signal cut off), and nothing else: not that of a process
    // still running, nor one made in another container or on another
    // machine sharing the folder, nor one that is not ours.
    const auto leftover = [&](const std::string& tag, pid_t pid, const char* name = "temparoka.dat") {
        return '.' + QString(name) + ".new-" + QString::fromStdString(tag) + '-' + QString::number(pid) +
               "-0123456789abcdef";
    };
    writeBytes(native(folder.filePath(leftover(runTag(), child, "Ramalan minggu ini.pdf"))), "cut off");
    writeBytes(native(folder.filePath(leftover(runTag(), child, "x.new-1-2-0123456789abcdef"))), "cut off");
    const std::string otherContainer = runTag().substr(0, runTag().find('-')) + "-1";
    const QStringList kept = {leftover(runTag(), getppid()), leftover(otherContainer, child),
                              leftover(std::string(32, 'b') + runTag().substr(32), child), leftover(runTag(), 999999)};
    for (const QString& name : kept)
        writeBytes(native(folder.filePath(name)), "in use");
    if (geteuid() == 0)
        ASSERT_EQ(chown(native(folder.filePath(kept.back())).c_str(), 65534, 65534), 0);
    else
        ASSERT_EQ(QFile::remove(folder.filePath(kept.back())), true);  // only root can plant another's file
    ASSERT_EQ(
        QDir(folder.path()).entryList({leftover(runTag(), child).chopped(16) + '*'}, QDir::Files | QDir::Hidden).size(),
        1);
    file.setBeforeReplace({});
    const Record later = recordWithBirthday(32000);
    file.save(later);
    EXPECT_EQ(file.load().value(), later);
    QStringList expected = geteuid() == 0 ? kept : kept.mid(0, 3);
    expected << "temparoka.dat"
             << ".temparoka.lock";
    expected.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
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
        EXPECT_EQ(file.load().problem(), "") << length;  // a short file is no record, not a failure
    }
}

// Puts something that is not a regular file where the record belongs.
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
    // The lock is taken where the link is (the one in the synced folder is
    // the first save's, made there directly), and nothing is left behind.
    EXPECT_EQ(QDir(folder.filePath("synced")).entryList(QDir::Files | QDir::Hidden),
              QStringList({".temparoka.lock", "temparoka.dat"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({".temparoka.lock", "temparoka.dat"}));
}

TEST(RecordFile, EachKindOfFileAndFolderIsReplacedWrittenInPlaceOrLeftAlone)
{
    enum class Situation {
        Ordinary,
        FolderTakesNoNewFile,
        SecondName,
        ReadOnlyFile,
        FolderTakesNoFileAndHasNone,
        AnotherUsersFile
    };
    struct Case {
        Situation situation;
        const char* problem;  // "" for a save that goes through, else "<Indonesian>|<English>"
        bool inPlace;  // the same file, rather than a new one in its place
    };
    // clang-format off
    const Case cases[] = {
        {Situation::Ordinary, "", false},
        {Situation::FolderTakesNoNewFile, "", true},
        {Situation::SecondName, "", true},  // the other name must see the new record too
        {Situation::ReadOnlyFile, "berkas itu hanya dapat dibaca|it is read-only", true},
        {Situation::FolderTakesNoFileAndHasNone, "tidak ada izin untuk menulis di sana|no permission to write there", false},
        {Situation::AnotherUsersFile, "", false},  // saved by root: it stays theirs
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
        case Situation::AnotherUsersFile:
            if (geteuid() != 0)
                continue;
            ASSERT_EQ(chown(file.path().c_str(), 65534, 65534), 0);
            break;
        }
        struct stat before {};
        const bool existed = stat(file.path().c_str(), &before) == 0;
        const std::string message = saveError(file, recordWithBirthday(31000));
        readOnly.reset();

        SCOPED_TRACE(static_cast<int>(c.situation));
        EXPECT_EQ(message, *c.problem ? recordNotSaved(file.path(), c.problem) : "no error");
        struct stat after {};
        ASSERT_EQ(stat(file.path().c_str(), &after) == 0, existed);
        EXPECT_EQ(QDir(folder.path()).entryList({"temparoka*"}, QDir::Files | QDir::Hidden),
                  existed ? QStringList{"temparoka.dat"} : QStringList{});
        if (!existed)
            continue;
        EXPECT_EQ(RecordFile(file.path()).load().value(), recordWithBirthday(*c.problem ? 30000 : 31000));
        EXPECT_EQ(after.st_size, *c.problem ? 600 : 452);
        EXPECT_EQ(after.st_ino == before.st_ino, c.inPlace);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
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

    // A copy held up just before its rename (a slow disk, a stop signal)
    // still holds the folder: the other copy's save fails rather than be
    // overwritten by it, and goes through once the first has finished.
    RecordFile stalled(path), other(path);
    Record held = *stalled.load().value(), waiting = *other.load().value();
    recordPrediction(held.verlauf, 2, 2, 2, 52);
    recordPrediction(waiting.verlauf, 1, 5, 1, 52);
    other.setLockPatience(std::chrono::milliseconds(0));
    std::string whileHeld;
    stalled.setBeforeReplace([&] { whileHeld = saveError(other, waiting); });
    stalled.save(held);
    const CauseInBothLanguages busy = causeInBothLanguages(
        "Temparoka in another window is saving there; wait a moment, then try again", 0, Doing::Saving);
    EXPECT_EQ(whileHeld, recordNotSaved(path, busy.indonesian + "|" + busy.english));
    other.save(waiting);
    const PredictionRecord expectedBoth[] = {{2, 2, 2, 52}, {1, 5, 1, 52}};
    const Record both = *RecordFile(path).load().value();
    EXPECT_TRUE(std::equal(std::begin(expectedBoth), std::end(expectedBoth), both.verlauf.end() - 2));

    // No record yet: the second copy looked before the first one's save
    // made the file, and waited for its lock meanwhile. It still keeps the
    // first copy's reading and draw.
    QTemporaryDir empty;
    const std::string first = native(empty.filePath("temparoka.dat"));
    RecordFile firstCopy(first), secondCopy(first);
    ASSERT_FALSE(firstCopy.load().value());
    ASSERT_FALSE(secondCopy.load().value());
    Record one, two;
    appendDraw(one.wuerfe, 24287.5, 2);
    recordPrediction(one.verlauf, 5, 2, 1, 50);
    appendDraw(two.wuerfe, 24288.5, 3);
    recordPrediction(two.verlauf, 4, 2, 2, 50);
    secondCopy.setBeforeLock([&] { firstCopy.save(one); });
    secondCopy.save(two);
    const Record kept = *RecordFile(first).load().value();
    const PredictionRecord bothFirst[] = {{5, 2, 1, 50}, {4, 2, 2, 50}};
    EXPECT_TRUE(std::equal(std::begin(bothFirst), std::end(bothFirst), kept.verlauf.end() - 2));
    const DrawRecord bothDraws[] = {{24287.5, 2}, {24288.5, 3}};
    EXPECT_TRUE(std::equal(std::begin(bothDraws), std::end(bothDraws), kept.wuerfe.end() - 2));
}

// A folder name that is not valid UTF-8, and a folder path of 3,999 bytes
// (longer than some libraries take).
}  // namespace
