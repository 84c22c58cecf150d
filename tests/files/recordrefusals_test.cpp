// What the record file refuses: anything in its place that is not a
// regular file, or a link that another user made, is neither read nor
// replaced; the new files of cut-off saves that are not ours to remove; and
// the new file of a save that a signal ends.

#include "files/recordfile.h"
#include "files/safesave.h"
#include "files/savetemporary.h"
#include "support/recordfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

enum class Planted {
    NamedPipe,
    Folder,
    Socket,
    LinkToPipe,
    LinkToFolder,
    LinkToDevice,
    DanglingLink,
    LinkOfAnotherUser
};

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
    case Planted::LinkOfAnotherUser:  // at a file of ours, by a user who may write in the folder
        writeBytes(native(folder + "/diary.txt"), "Dear diary");
        ASSERT_EQ(symlink(native(folder + "/diary.txt").c_str(), path.c_str()), 0);
        ASSERT_EQ(lchown(path.c_str(), 65534, 65534), 0);
        break;
    }
}

TEST(RecordFile, WhatIsNotARegularFileIsNeitherReadNorReplaced)
{
    struct Case {
        Planted what;
        const char* loadProblem;  // "" where the load counts it as no file; else "<Indonesian>|<English>"
        const char* saveProblem;
    };
    // clang-format off
    const Case cases[] = {
        {Planted::NamedPipe, "itu pipa bernama, bukan berkas biasa|it is a named pipe, not a regular file",
         "itu pipa bernama, bukan berkas biasa|it is a named pipe, not a regular file"},
        {Planted::Folder, "itu folder, bukan berkas biasa|it is a folder, not a regular file",
         "itu folder, bukan berkas biasa|it is a folder, not a regular file"},
        {Planted::Socket, "itu soket, bukan berkas biasa|it is a socket, not a regular file",
         "itu soket, bukan berkas biasa|it is a socket, not a regular file"},
        {Planted::LinkToPipe, "itu tautan ke pipa bernama, bukan ke berkas biasa|it is a link to a named pipe, not to a regular file",
         "itu tautan ke pipa bernama, bukan ke berkas biasa|it is a link to a named pipe, not to a regular file"},
        {Planted::LinkToFolder, "itu tautan ke folder, bukan ke berkas biasa|it is a link to a folder, not to a regular file",
         "itu tautan ke folder, bukan ke berkas biasa|it is a link to a folder, not to a regular file"},
        {Planted::LinkToDevice, "itu tautan ke perangkat, bukan ke berkas biasa|it is a link to a device, not to a regular file",
         "itu tautan ke perangkat, bukan ke berkas biasa|it is a link to a device, not to a regular file"},
        {Planted::DanglingLink, "", "itu tautan yang tidak mengarah ke mana pun|it is a link that leads nowhere"},
        {Planted::LinkOfAnotherUser, "", "itu tautan buatan pengguna lain|it is a link that another user made"},
    };
    // clang-format on
    for (const Case& c : cases) {
        if (c.what == Planted::LinkOfAnotherUser && geteuid() != 0)
            continue;  // only root can plant another user's link
        QTemporaryDir folder;
        const std::string path = native(folder.filePath("temparoka.dat"));
        plant(c.what, folder.path(), path);
        SCOPED_TRACE(c.saveProblem);
        struct stat before {};
        ASSERT_EQ(lstat(path.c_str(), &before), 0);

        RecordFile file(path);
        const LoadedRecord loaded = file.load();  // a pipe read would block here for good
        EXPECT_FALSE(loaded.ok() && loaded.value());
        const QStringList unread = QString(c.loadProblem).split('|');
        EXPECT_EQ(loaded.problem(),
                  *c.loadProblem ? "Berkas catatan " + path + " tidak dapat dibaca: " + unread[0].toStdString() +
                                       ".\nCannot read the record file " + path + ": " + unread[1].toStdString() + "."
                                 : "");
        EXPECT_EQ(saveError(file, Record{}), recordNotSaved(path, c.saveProblem));

        struct stat after {};
        ASSERT_EQ(lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);  // the same thing still stands there
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (c.what == Planted::LinkOfAnotherUser) {
            EXPECT_EQ(fileBytes(native(folder.filePath("diary.txt"))), "Dear diary");
        }
    }
    struct stat zero {};
    ASSERT_EQ(stat("/dev/zero", &zero), 0);
    EXPECT_TRUE(S_ISCHR(zero.st_mode));

    // The same things at the lock file's name: the save says so and leaves
    // the record as it was; nothing planted there is opened, let alone held.
    const char* notALock = "berkas kuncinya, .temparoka.lock, bukan berkas biasa|"
                           "its lock file .temparoka.lock is not a regular file";
    for (const Planted what : {Planted::NamedPipe, Planted::Folder, Planted::LinkToDevice, Planted::LinkToPipe,
                               Planted::LinkOfAnotherUser}) {
        SCOPED_TRACE(static_cast<int>(what));
        QTemporaryDir folder;
        const std::string path = native(folder.filePath("temparoka.dat"));
        const QByteArray record = bytesOf(recordWithBirthday(30000));
        writeBytes(path, record);
        plant(what, folder.path(), native(folder.filePath(".temparoka.lock")));
        RecordFile file(path);
        EXPECT_EQ(saveError(file, recordWithBirthday(31000)), recordNotSaved(path, notALock));
        EXPECT_EQ(fileBytes(path), record);
    }
}

TEST(RecordFile, TemporaryNamesFitAndAreKnownOnlyAsOurOwnDeadSaves)
{
    const auto dead = [](pid_t) { return false; };
    const auto running = [](pid_t) { return true; };
    const std::string tag = runTag(), name = "temparoka.dat";
    ASSERT_FALSE(tag.empty());
    // Every name fits, and two are never the same.
    for (const std::string& target : {name, std::string(255, 'r')}) {
        const std::string a = temporaryName(target), b = temporaryName(target);
        EXPECT_LE(a.size(), 255u);
        EXPECT_NE(a, b);
        EXPECT_TRUE(isLeftoverOf(a, tag, dead)) << a;
        EXPECT_FALSE(isLeftoverOf(a, tag, running)) << a;
    }
    const std::string ours = ".temparoka.dat.new-" + tag + "-4242-";
    struct Case {
        std::string entry;
        bool leftover;
    };
    const Case cases[] = {
        {ours + "0123456789abcdef", true},
        {ours + "0123456789abcde", false},  // not a name we make
        {ours + "0123456789abcdefg", false},
        {".temparoka.dat.new-4242-0", false},  // an older version's: its pid says nothing
        {".temparoka.dat.new-" + tag.substr(0, tag.find('-')) + "-1-4242-0123456789abcdef",
         false},  // another container
        {".other.dat.new-" + tag + "-4242-0123456789abcdef", true},  // a save of another file
        {".a.new-" + tag + "-1-0123456789abcdef.new-" + tag + "-4242-0123456789abcdef", true},  // of a name like ours
        {"..new-" + tag + "-4242-0123456789abcdef", false},  // no name
        {"other.dat.new-" + tag + "-4242-0123456789abcdef", false},  // not hidden
        {".other.dat.new-" + tag + "--0123456789abcdef", false},  // no pid
        {".other.dat.new-" + tag + "-0-0123456789abcdef", false},
        {".other.dat.new-" + tag + "-42x-0123456789abcdef", false},
        {".other.dat.new-" + tag + "-4242-0123456789abcdeg", false},
        {".other.dat.new-" + tag + "-4242_0123456789abcdef", false},
        {"temparoka.dat", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isLeftoverOf(c.entry, tag, dead), c.leftover) << c.entry;
    // A system that cannot tell its boot or pid namespace takes nothing for dead.
    EXPECT_FALSE(isLeftoverOf(".temparoka.dat.new--4242-0123456789abcdef", "", dead));
}

// A signal that ends the program while a save has its new file beside the
// target (a logout, a shutdown, Ctrl+C) takes that file away and ends the
// program as it would have; a signal the program was told to ignore stays
// ignored, and the save goes through.
TEST(SaveTemporary, ASignalThatEndsTheProgramMidSaveTakesTheNewFileAway)
{
    struct Case {
        int signal;
        bool ignored;
    };
    const Case cases[] = {{SIGTERM, false}, {SIGINT, false}, {SIGHUP, false}, {SIGHUP, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(strsignal(c.signal));
        QTemporaryDir folder;
        const std::string path = native(folder.filePath("Ramalan.pdf"));
        writeBytes(path, "old");
        const std::uint8_t bytes[] = {'n', 'e', 'w'};
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (c.ignored)
                std::signal(c.signal, SIG_IGN);
            const FileResult<> saved =
                replaceFile(resolveSaveTarget(path).value(), bytes, NewFileAccess::Document, [&] {
                    // Its new file is there, complete, when the signal comes.
                    if (QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() != 2)
                        _exit(3);
                    raise(c.signal);
                });
            _exit(saved.ok() ? 0 : 4);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (c.ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Ramalan.pdf"});
        EXPECT_EQ(fileBytes(path), c.ignored ? "new" : "old");
    }
}

}  // namespace
