// Where the record lives: beside the program when its folder can keep it,
// else in the user's data folder as the desktop's conventions name it, and
// in folders whose names are odd or very long, by their bytes.

#include "files/recordfile.h"
#include "support/fakes.h"
#include "support/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

TEST(RecordFile, TheDataFolderFollowsTheDesktopsConventionsAndKeepsTheirBytes)
{
    struct Case {
        const char* xdgDataHome;
        const char* home;
        const char* accountHome;
        const char* folder;  // "" where there is none
        const char* problem;
    };
    // clang-format off
    const Case cases[] = {
        {"/data", "/home/sari", "/home/sari", "/data/temparoka/", ""},
        {"/data/", "/home/sari", nullptr, "/data/temparoka/", ""},
        {nullptr, "/home/sari", "/home/other", "/home/sari/.local/share/temparoka/", ""},
        {"", "/home/sari/", nullptr, "/home/sari/.local/share/temparoka/", ""},
        {"relative/data", "/home/sari", nullptr, "/home/sari/.local/share/temparoka/", ""},  // ignored
        {"/", "/home/sari", nullptr, "/home/sari/.local/share/temparoka/", ""},
        {nullptr, nullptr, "/root", "/root/.local/share/temparoka/", ""},  // HOME unset: the account's
        {"/Ramalan \xff\xfe", nullptr, nullptr, "/Ramalan \xff\xfe/temparoka/", ""},  // bytes as they are
        {nullptr, "", "/home/sari", "", "no home folder is set"},
        {nullptr, nullptr, nullptr, "", "no home folder is set"},
        {nullptr, "/", "/home/sari", "", "the home folder is the system's top folder \"/\""},
        {nullptr, "//", nullptr, "", "the home folder is the system's top folder \"/\""},
        {nullptr, "home/sari", nullptr, "", "the home folder \"home/sari\" is not a full path"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Location found = dataFolderFrom(c.xdgDataHome, c.home, c.accountHome);
        EXPECT_EQ(found.ok() ? found.value() : "", c.folder) << c.home;
        EXPECT_EQ(found.problem(), c.problem) << c.home;
    }
}

TEST(RecordFile, TheRecordLivesInTheDataFolderOnlyWhenTheProgramFolderCannotKeepIt)
{
    QTemporaryDir program, data;
    const std::string programFolder = native(program.path()) + '/';
    const Location dataFolder = native(data.path()) + "/temparoka/", none = Failure{"no home folder is set"};
    EXPECT_EQ(recordPlace(programFolder, dataFolder).value(), programFolder + "temparoka.dat");  // writable
    EXPECT_EQ(recordPlace(programFolder, none).value(), programFolder + "temparoka.dat");
    // An installed program's folder is shared, even where it can be
    // written (as it can by root, who runs this test in CI).
    EXPECT_EQ(recordPlace("/usr/lib/", dataFolder).value(), dataFolder.value() + "temparoka.dat");
    EXPECT_EQ(recordPlace("/usr/local/", dataFolder).value(), dataFolder.value() + "temparoka.dat");
    // Without a data folder, an installed program says why it keeps nothing.
    RecordFile homeless(recordPlace("/usr/lib/", none));
    EXPECT_FALSE(homeless.load().value());
    EXPECT_EQ(saveError(homeless, Record{}),
              "Catatan tidak dapat disimpan: folder program tidak dapat menyimpannya, dan tidak ada folder home yang "
              "ditetapkan.\nCannot save the record: the program's folder cannot keep it, and no home folder is set.");

    Location readOnlyEmpty, readOnlyWithRecord;
    {
        ReadOnlyFolder readOnly(program.path());
        readOnlyEmpty = recordPlace(programFolder, dataFolder);
    }
    writeBytes(programFolder + "temparoka.dat", QByteArray(452, '\0'));
    ReadOnlyFolder::giveToUnprivilegedUser(program.filePath("temparoka.dat"));  // the reader's own record
    {
        ReadOnlyFolder readOnly(program.path());
        readOnlyWithRecord = recordPlace(programFolder, dataFolder);
    }
    EXPECT_EQ(readOnlyEmpty.value(), dataFolder.value() + "temparoka.dat");
    EXPECT_EQ(readOnlyWithRecord.value(), programFolder + "temparoka.dat");

    // The data folder is made at the first save.
    RecordFile file(readOnlyEmpty);
    file.save(recordWithBirthday(30000));
    EXPECT_EQ(file.load().value(), recordWithBirthday(30000));
}

// A folder's owner, group and mode, as a test sets them up.
void setUp(const std::string& path, uid_t owner, gid_t group, mode_t mode)
{
    ASSERT_EQ(lchown(path.c_str(), owner, group), 0) << path;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

TEST(RecordFile, OnlyFoldersAndRecordsOfTheReadersOwnAreUsed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give folders to other users";
    constexpr uid_t other = 65534;
    enum class Beside { Nothing, OurRecord, OthersRecord, OthersLink };
    struct Case {
        const char* what;
        uid_t programOwner;
        gid_t programGroup;
        mode_t programMode;
        Beside beside;
        mode_t dataHomeMode;  // the folder the data folder is made in
        uid_t dataOwner;
        mode_t dataMode;  // 0: the data folder is not made yet
        const char* place;  // "beside", "data", or why there is none
    };
    // clang-format off
    const Case cases[] = {
        {"our folder", 0, 0, 0700, Beside::Nothing, 0700, 0, 0, "beside"},
        {"our folder, group our own", 0, 0, 0770, Beside::OurRecord, 0700, 0, 0, "beside"},
        {"a folder anyone may write", 0, 0, 0777, Beside::OurRecord, 0700, 0, 0, "data"},
        {"a shared folder", 0, 0, 01777, Beside::Nothing, 0700, 0, 0, "data"},
        {"a folder another group may write", 0, other, 0775, Beside::OurRecord, 0700, 0, 0, "data"},
        {"another user's folder", other, other, 0755, Beside::Nothing, 0700, 0, 0, "data"},
        {"another user's record", 0, 0, 0755, Beside::OthersRecord, 0700, 0, 0, "data"},
        {"another user's link", 0, 0, 0755, Beside::OthersLink, 0700, 0, 0, "data"},
        {"a data folder of another user's", 0, 0, 0777, Beside::Nothing, 0700, other, 0700,
         "the program's folder cannot keep it, and the data folder @temparoka/ belongs to another user"},
        {"a data folder others may write", 0, 0, 0777, Beside::Nothing, 0700, 0, 0777,
         "the program's folder cannot keep it, and others may write in the data folder @temparoka/"},
        // Nobody can move away what the reader makes there: every save
        // walks to it again and takes only the reader's own.
        {"a data folder to be made in a shared folder", 0, 0, 0777, Beside::Nothing, 01777, 0, 0, "data"},
        {"a data folder to be made in a folder anyone may write", 0, 0, 0777, Beside::Nothing, 0777, 0, 0,
         "the program's folder cannot keep it, and others may write in the folder @"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir program, data;
        const std::string programFolder = native(program.path()) + '/', dataHome = native(data.path()) + '/';
        const std::string beside = programFolder + "temparoka.dat", dataFolder = dataHome + "temparoka/";
        if (c.beside != Beside::Nothing) {
            writeBytes(beside, QByteArray(452, '\0'));
            if (c.beside == Beside::OthersLink) {
                ASSERT_EQ(rename(beside.c_str(), (programFolder + "mine.dat").c_str()), 0);
                ASSERT_EQ(symlink((programFolder + "mine.dat").c_str(), beside.c_str()), 0);
            }
            ASSERT_EQ(lchown(beside.c_str(), c.beside == Beside::OurRecord ? 0 : other, 0), 0);
        }
        setUp(programFolder, c.programOwner, c.programGroup, c.programMode);
        setUp(dataHome, 0, 0, c.dataHomeMode);
        if (c.dataMode) {
            ASSERT_EQ(mkdir(dataFolder.c_str(), 0700), 0);
            setUp(dataFolder, c.dataOwner, 0, c.dataMode);
        }
        const Location place = recordPlace(programFolder, Location(dataFolder));
        std::string expected = c.place;
        if (expected == "beside")
            EXPECT_EQ(place.value(), beside);
        else if (expected == "data")
            EXPECT_EQ(place.value(), dataFolder + "temparoka.dat");
        else
            EXPECT_EQ(place.problem(), expected.replace(expected.find('@'), 1, dataHome));
        setUp(programFolder, 0, 0, 0700);  // for QTemporaryDir to clear it
    }
}

// What others do after the program has found the record's place: every
// save walks to the folder again, judging each folder on the way as the
// kernel sees it, and takes only the folder it found first.
TEST(RecordFile, EverySaveWalksToItsFolderAgainAndTakesNoneButTheOneFound)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can act as other users";
    const uid_t other = anotherUser();
    struct Case {
        const char* what;
        std::string below;  // the record's folder, under the test's folder
        std::function<void(const std::string&top)> before, after;  // before the first look, and after it
        const char* problem;  // "" where the save goes through
    };
    const auto made = [](const std::string& path, uid_t owner, mode_t mode) {
        ASSERT_EQ(mkdir(path.c_str(), mode), 0) << path;
        ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
    };
    const auto linked = [](const std::string& target, const std::string& path, uid_t owner) {
        ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
        ASSERT_EQ(lchown(path.c_str(), owner, owner), 0);
    };
    // clang-format off
    const Case cases[] = {
        {"made in a shared folder", "shared/data/", [&](auto& t) { made(t + "shared", 0, 01777); }, {}, ""},
        {"another user makes it first, after the start", "shared/data/",
         [&](auto& t) { made(t + "shared", 0, 01777); },
         [&](auto& t) { made(t + "shared/data", other, 0777); },
         "the folder @shared/data/ belongs to another user"},
        {"another user's link at its name, after the start", "shared/data/",
         [&](auto& t) { made(t + "shared", 0, 01777); made(t + "theirs", other, 0777); },
         [&](auto& t) { linked(t + "theirs", t + "shared/data", other); },
         "@shared/data is a link that another user made"},
        {"our link to a folder of another user's", "local/data/",
         [&](auto& t) { made(t + "theirs", other, 0755); linked(t + "theirs", t + "local", geteuid()); },
         [&](auto& t) { made(t + "theirs/data", other, 0755); },
         "the folder @theirs/ belongs to another user"},
        {"up out of a folder that is not there", "shared/missing/../../data/",
         [&](auto& t) { made(t + "shared", 0, 01777); }, {},
         "its path goes up out of @shared/missing/, which does not exist"},
        {"a folder on the way that others may write", "open/data/",
         [&](auto& t) { made(t + "open", 0, 0700); made(t + "open/data", 0, 0700); },
         [&](auto& t) { ASSERT_EQ(chmod((t + "open").c_str(), 0777), 0); },
         "others may write in the folder @open/"},
        {"moved away, another in its place", "data/",
         [&](auto& t) { made(t + "data", 0, 0700); },
         [&](auto& t) { ASSERT_EQ(rename((t + "data").c_str(), (t + "moved").c_str()), 0); made(t + "data", 0, 0700); },
         "the folder @data/ was replaced after the program started"},
        {"removed by the reader, made again", "data/",
         [&](auto& t) { made(t + "data", 0, 0700); },
         [&](auto& t) { ASSERT_EQ(rmdir((t + "data").c_str()), 0); }, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const std::string top = native(folder.path()) + '/';
        if (c.before)
            c.before(top);
        RecordFile file(top + c.below + "temparoka.dat");
        const LoadedRecord loaded = file.load();  // the first look, as at start
        EXPECT_FALSE(loaded.ok() && loaded.value());
        if (c.after)
            c.after(top);
        std::string expected = c.problem;
        if (const std::size_t at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, top);
        const std::string message = saveError(file, recordWithBirthday(30000));
        if (expected.empty()) {
            EXPECT_EQ(message, "no error");
        } else {
            EXPECT_NE(message.find(expected), std::string::npos) << message;
        }
        // Nothing of the reader's went into another user's folder.
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(top + "theirs/data/temparoka.dat")));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(top + "shared/data/temparoka.dat")) && !expected.empty());
    }
}

TEST(RecordFile, RootTakesOnlyItsOwnFoldersFromTheEnvironment)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give folders to other users";
    QTemporaryDir rootsOwn, usersHome;
    const std::string root = native(rootsOwn.path()), user = native(usersHome.path());
    ASSERT_EQ(chown(user.c_str(), 65534, 65534), 0);
    struct Case {
        std::string xdgDataHome, home, folder;
    };
    const Case cases[] = {
        {"", root, root + "/.local/share/temparoka/"},
        {"", user, "/root/.local/share/temparoka/"},  // kept by "sudo -E"
        {user + "/.local/share", root, root + "/.local/share/temparoka/"},  // not made yet, in their home
        {root + "/data", user, root + "/data/temparoka/"},
    };
    for (const Case& c : cases) {
        const char* xdg = c.xdgDataHome.empty() ? nullptr : c.xdgDataHome.c_str();
        EXPECT_EQ(dataFolderOf(0, xdg, c.home.c_str(), "/root").value(), c.folder) << c.xdgDataHome << c.home;
        // Another user takes the environment as it is.
        EXPECT_EQ(dataFolderOf(1000, xdg, c.home.c_str(), "/root").value(),
                  dataFolderFrom(xdg, c.home.c_str(), "/root").value());
    }
}

std::string oddFolder(const NativeTemporaryFolder& root, bool longPath)
{
    std::string path = root.path();
    if (!longPath) {
        path += "/Ramalan \xff\xfe";
        return mkdir(path.c_str(), 0700) == 0 ? path + '/' : std::string();
    }
    while (path.size() < 3999) {
        path += '/' + std::string(std::min<std::size_t>(200, 3999 - path.size() - 1), 'r');
        if (mkdir(path.c_str(), 0700) != 0)
            return {};
    }
    return path + '/';
}

TEST(RecordFile, FoldersWithOddOrVeryLongNamesKeepTheRecord)
{
    for (const bool longPath : {false, true}) {
        const NativeTemporaryFolder root;
        ASSERT_FALSE(root.path().empty());
        const std::string folder = oddFolder(root, longPath);
        ASSERT_FALSE(folder.empty());
        RecordFile file(recordPlace(folder, Location("/nonexistent/")));
        EXPECT_EQ(file.path(), folder + "temparoka.dat");
        file.save(recordWithBirthday(30000));
        EXPECT_EQ(file.load().value(), recordWithBirthday(30000)) << longPath;
    }
}

}  // namespace
