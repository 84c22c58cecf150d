#pragma once
// The new file that a save writes beside its target before the rename: its
// name, and the removal of those that saves cut short (a crash, a power cut)
// left behind. A name carries this machine's boot, this process's pid
// namespace and pid, and random digits: nobody can create it ahead of us,
// and a leftover is only ever taken for dead when it was made by a process
// of ours that no longer runs on this very system, never by one of another
// machine or container that shares the folder.

#include <string>
#include <sys/types.h>

namespace temparoka {

// This boot and pid namespace, as "<boot id>-<namespace>"; "" where the
// system does not tell (then no leftover is ever taken for dead).
const std::string& runTag();

// A fresh name for the new file of a save to name, no longer than a name
// may be however long name is.
std::string temporaryName(const std::string& name);

// Whether entry (a name in a folder) is the new file of a save to name that
// was left behind by a process that no longer runs here. tag and running
// stand for runTag() and a check that a pid is alive, so that tests can ask
// about other systems.
bool isLeftoverOf(const std::string& entry, const std::string& name, const std::string& tag, bool (*running)(pid_t));

// Removes from folder (an open descriptor) the leftovers of saves to name:
// regular files of ours alone, made on this system by processes that no
// longer run, or by this one, which saves one file at a time.
void removeLeftovers(int folder, const std::string& name);

}  // namespace temparoka
