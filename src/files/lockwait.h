#pragma once
// How a save waits for another copy of the program that is saving in the
// same folder: how long at most, and how it passes the time between two
// looks (a window keeps painting meanwhile).

#include <chrono>
#include <functional>

namespace temparoka {

// Long enough for a slow disk, short enough that a copy stopped in the
// middle of its save does not freeze this one for good.
inline constexpr std::chrono::milliseconds kLockPatience{5000};

using LockWait = std::function<void(std::chrono::milliseconds)>;

}  // namespace temparoka
