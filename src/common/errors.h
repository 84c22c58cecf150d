#pragma once
// Error types. Each carries the text the user reads in the error box; the
// application object turns any of them that a handler lets escape into that
// box. Nothing else in the program catches them, but for the few commands
// that must go on after a failure (the weekly reading's retry of a save
// that failed before, the commands that keep a reading), which show the
// same box themselves.

#include <functional>
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

// A message in both languages, as the readings write them: Indonesian on
// the first line, English on the second, each ending as the error box
// ends a text (errorBoxText), so that both read as sentences of their own.
std::string inBothLanguages(const std::string& indonesian, const std::string& english);

// Why something could not be written, said in both languages. The file
// layer and the encoders give their causes in English (the system's own
// words, such as "No such file or directory", or ours, such as "it is
// read-only"); this is the one place that says them in Indonesian, in
// words that fit after "…: ". A cause it does not know is kept in English
// in both, rather than lost; a detail in brackets at its end is kept as
// it is.
struct CauseInBothLanguages {
    std::string indonesian;
    std::string english;
    bool operator==(const CauseInBothLanguages&) const = default;
};
CauseInBothLanguages causeInBothLanguages(const std::string& cause);

// A picture that libjpeg cannot decode completely.
class PictureError : public Error {
public:
    using Error::Error;
};

// The error box shows the text with a full stop added when its last
// character sorts after "." (so ".", "!" and ")" endings stay as they are).
std::string errorBoxText(const std::string& text);

// The standard error box, for the commands that must not let a failure out
// of their slot (Qt leaves an exception through a slot undefined): they
// catch it and show it here themselves. The application object installs the
// box while it lives; showErrorBox says whether there was one to show it.
using ErrorBoxShower = std::function<void(const std::string& text)>;
void installErrorBox(ErrorBoxShower box);
bool showErrorBox(const std::string& text);

}  // namespace temparoka
