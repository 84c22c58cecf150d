#pragma once
// The new file that a save writes beside its target before the rename: its
// name, its removal when a signal ends the program in the middle of the
// save, and the removal of those that saves cut short otherwise (a crash,
// a power cut) left behind. A name carries this machine's boot, this process's pid
// namespace and pid, and random digits: nobody can create it ahead of us,
// and a leftover is only ever taken for dead when it was made by a process
// of ours that no longer runs on this very system, never by one of another
// machine or container that shares the folder.

#ifndef TEMPAROKA_FILE_LAYER
#error "Only the file layer writes files: keep a reading with files/keptfile.h, the record with files/recordfile.h"
#endif

#include <string>
#include <sys/types.h>

namespace temparoka {

// This boot and pid namespace, as "<boot id>-<namespace>"; "" where the
// system does not tell (then no leftover is ever taken for dead).
const std::string& runTag();

// A fresh name for the new file of a save to name, no longer than a name
// may be however long name is.
std::string temporaryName(const std::string& name);

// Whether entry (a name in a folder) is the new file of a save, to any
// name, that was left behind by a process that no longer runs here. tag
// and running stand for runTag() and a check that a pid is alive, so that
// tests can ask about other systems.
bool isLeftoverOf(const std::string& entry, const std::string& tag, bool (*running)(pid_t));

// Removes from folder (an open descriptor) the leftovers of saves, whatever
// file they were for: regular files of ours alone, made on this system by
// processes that no longer run, or by this one, which saves one file at a
// time.
void removeLeftovers(int folder);

// Names the new file of the save under way, so that a signal that ends the
// program (SIGTERM, SIGINT, SIGHUP: a logout, a shutdown, Ctrl+C in a
// terminal) removes it on the way out; the signal then ends the program as
// it would have. The handlers come with the first name, each only where the
// signal would end the program: one that the program was told to ignore
// stays ignored, one that something else handles stays theirs. One save at
// a time: a name given takes the place of the one before.
class PendingTemporary {
public:
    PendingTemporary() = default;
    ~PendingTemporary() { forget(); }
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

    // name in folder, an open descriptor that stays open until forget().
    void track(int folder, const std::string& name);
    void forget();

private:
    bool m_named = false;
};

}  // namespace temparoka
