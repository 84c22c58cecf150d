// Where the record lives: beside the program when its folder can keep it,
// else in the user's data folder as the desktop's conventions name it, and
// in folders whose names are odd or very long, by their bytes.

#include "app/recordfile.h"
#include "support/fakes.h"
#include "support/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        EXPECT_EQ(found.value(), c.folder) << c.home;
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
              "Cannot save the record: the program's folder cannot keep it, and no home folder is set");

    Location readOnlyEmpty, readOnlyWithRecord;
    {
        ReadOnlyFolder readOnly(program.path());
        readOnlyEmpty = recordPlace(programFolder, dataFolder);
    }
    writeBytes(programFolder + "temparoka.dat", QByteArray(452, '\0'));
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
