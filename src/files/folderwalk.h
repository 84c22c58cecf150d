#pragma once
// Folders reached the way the kernel reaches them, but looked at on the
// way: one name at a time from "/", each folder opened without following a
// link in its place and judged by what was opened, never by the text of its
// path. A path such as "/tmp/x/missing/../../home/other" or a folder swapped
// for a link after we looked cannot send a save anywhere we did not judge.
// Links are followed only when the reader or the administrator made them,
// each one's target walked the same way, as the kernel itself does in
// shared folders.

#include "files/nativefile.h"

#include <string>

#include <sys/types.h>

namespace temparoka {

// How far a walk trusts the folders it passes through.
enum class Trust {
    // The record's own folders: every folder passed is the reader's or the
    // administrator's, and nobody else may change what is in it; a shared
    // folder with the sticky bit (/tmp) may be passed, since nobody can
    // move away what we made in it.
    OwnFolders,
    // A place the reader chose: any folder, but still only the reader's and
    // the administrator's links are followed.
    AnyFolder,
};

// A folder a walk ended in, open for the session, and who it belongs to.
struct OpenFolder {
    FileDescriptor fd;
    std::string path;  // as walked, links resolved, ending in "/"
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    dev_t device = 0;
    ino_t inode = 0;
};

// Opens the folder at path (a full path; a relative one starts at the
// current folder). With make, missing folders are made on the way, each
// readable by its owner only, and then judged like found ones. A missing
// folder without make fails with ENOENT; one that the path leaves again
// by ".." fails whether it may be made or not: the kernel would not go up
// out of a folder that is not there.
FileResult<OpenFolder> openFolder(const std::string& path, Trust trust, bool make = false);

// Whether others than the reader may write in a folder of this owner's
// group and mode: others, or a group that anyone but the reader is in.
bool othersMayWrite(gid_t group, mode_t mode);

// Whether a folder is fit to hold the record: the reader's or the
// administrator's, and nobody else may write in it (the sticky bit is not
// enough here); a failure naming the folder says which is not so.
FileResult<> closedToOthers(const OpenFolder& folder);

// Whether nobody but the reader is in group: it is the reader's own group,
// named after the reader, lists no other member, and is no other account's
// primary group (a user made with the reader's group as theirs is in it
// without being listed).
bool onlyTheReaderIn(gid_t group);

// Why findFile refuses a link: it leads to nothing, or another user made it.
inline constexpr char kLeadsNowhere[] = "it is a link that leads nowhere";
inline constexpr char kLinkOfAnotherUser[] = "it is a link that another user made";

// Where a name leads: the folder that holds the file it names, once every
// link on the way is followed (only the reader's and the administrator's),
// the file's name there and its path.
struct FoundFile {
    OpenFolder folder;
    std::string name;
    std::string path;
    bool exists = false;
};
// The file that path names, through its links. Only what is not there or a
// regular file is found; anything else is refused, saying what it is.
FileResult<FoundFile> findFile(const std::string& path, Trust trust, bool makeFolders = false);
// The same for a name in a folder already open.
FileResult<FoundFile> findFileIn(OpenFolder folder, const std::string& name, Trust trust);

}  // namespace temparoka
