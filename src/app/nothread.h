#pragma once
// Where the system lets the program start no thread (a limit of one
// process for the user, RLIMIT_NPROC, or a control group's task limit), the
// toolkit cannot run: it reads the display on a thread of its own, reaches
// the session bus through another and paints the pictures with helpers,
// and waits for each of them for ever when it cannot be made. So before
// the application object exists the program finds out whether threads can
// be had, and where they cannot it says why, in a box drawn with the X
// library alone, and ends.

#include <string>

namespace temparoka {

// As many threads as the program runs at once besides its own: the
// toolkit's display reader and its session bus, its painting helpers (as
// many as there are processors), the sound's two loops, and the two the
// start runs beside the main thread. Those two would merely not start, but
// while they run they hold places the toolkit's own threads need: with one
// fewer the program would wait for ever at start, in the first picture or
// in the first sound.
int threadsTheProgramNeeds();

// Whether this many threads can run side by side now.
bool threadsCanStart(int count);

// Why the program cannot start without them, in both languages.
std::string noThreadsMessage();

// Shows text in a box of the given title on the X display, with one OK
// button, without any thread, until the reader closes it (Enter, Escape,
// Space, the button or the window's close button). The X library is
// loaded only here. False where there is no X display to show it on.
bool showBoxWithoutThreads(const std::string& title, const std::string& text);

}  // namespace temparoka
