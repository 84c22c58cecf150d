// What a file operation came to: a value or a failure, never both, and the
// program's own folder as the system names it.

#include "files/nativefile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <string>
#include <variant>

using namespace temparoka;

namespace {

TEST(FileResult, HoldsEitherAValueOrAFailure)
{
    struct Case {
        const char* name;
        FileResult<std::string> result;
        bool ok;
        std::string problem;
        int error;
    };
    const Case cases[] = {
        {"nothing said", {}, true, "", 0},
        {"a value", std::string("text"), true, "", 0},
        {"an empty value", std::string(), true, "", 0},
        {"a failure", Failure{"it is read-only"}, false, "it is read-only", 0},
        // The system's reason keeps its number, and words of our own.
        {"the system's failure", systemFailure(EACCES), false, "no permission to open it", EACCES},
        {"a failure passed on", FileResult<std::string>(FileResult<int>(systemFailure(ENOSPC)).failure()), false,
         "the disk is full", ENOSPC},
        // Words missing do not turn a failure into success.
        {"a failure without words", Failure{""}, false, "the system gave no reason", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.ok(), c.ok) << c.name;
        EXPECT_EQ(c.result.problem(), c.problem) << c.name;
        EXPECT_EQ(c.result.error(), c.error) << c.name;
        if (c.ok)
            EXPECT_NO_THROW((void)c.result.value()) << c.name;
        else
            EXPECT_THROW((void)c.result.value(), std::bad_variant_access) << c.name;
    }
}

TEST(FileResult, ExecutableFolderIsTheRunningProgramsFolder)
{
    const FileResult<std::string> folder = executableFolder();
    ASSERT_TRUE(folder.ok()) << folder.problem();
    EXPECT_EQ(folder.value(),
              QFile::encodeName(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString());
}

}  // namespace
