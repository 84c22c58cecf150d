// What a file operation came to: a value or a failure, never both, and the
// program's own folder as the system names it.

#include "common/nativefile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

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
    };
    const Case cases[] = {
        {"nothing said", {}, true, ""},
        {"a value", std::string("text"), true, ""},
        {"an empty value", std::string(), true, ""},
        {"a failure", Failure{"Permission denied"}, false, "Permission denied"},
        // Words missing do not turn a failure into success.
        {"a failure without words", Failure{""}, false, "the system gave no reason"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.ok(), c.ok) << c.name;
        EXPECT_EQ(c.result.problem(), c.problem) << c.name;
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
