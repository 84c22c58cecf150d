#pragma once
// Error types. Each carries the text the user reads in the error box; the
// application object turns any of them that a handler lets escape into that
// box. Nothing else in the program catches them, but for the few commands
// that must go on after a failure (the weekly reading's retry of a save
// that failed before, the commands that keep a reading), which show the
// same box themselves.

#include <stdexcept>
#include <string>

namespace temparoka {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A sound file that cannot be opened or decoded.
class MediaError : public Error {
public:
    using Error::Error;
};

// A file that cannot be written (the record file, a kept reading).
class FileError : public Error {
public:
    using Error::Error;
};

// "Cannot save <path>: <cause>": how every failed save names its file (as
// the system names it) and why.
FileError saveFailure(const std::string& path, const std::string& cause);

// A picture that libjpeg cannot decode completely.
class PictureError : public Error {
public:
    using Error::Error;
};

// The error box shows the text with a full stop added when its last
// character sorts after "." (so ".", "!" and ")" endings stay as they are).
std::string errorBoxText(const std::string& text);

}  // namespace temparoka
