#pragma once
// Error types. Each carries the text the user reads in the error box. A
// user command that fails reports it there itself (reportingFailures), and
// the program goes on; the application object catches only what no
// command expected, as a last resort.

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

// "Berkas suara <path> tidak dapat diputar: …" / "Cannot play the sound
// file <path>: …", the cause said in each language (causeInBothLanguages).
MediaError soundFailure(const std::string& path, const std::string& cause, int error = 0);

// A file that cannot be written (the record file, a kept reading).
class FileError : public Error {
public:
    using Error::Error;
};

// A message in both languages, as the readings write them: Indonesian on
// the first line, English on the second, each ending as the error box
// ends a text (errorBoxText), so that both read as sentences of their own.
std::string inBothLanguages(const std::string& indonesian, const std::string& english);

// What was being done when a cause was met: the system gives the same
// error number for either, but a save makes a file that is missing, so a
// missing entry there is the folder ("no such folder"), and the permission
// it lacks is the one to write.
enum class Doing { Saving, Reading };

// Why something failed, said in both languages. This is the one place that
// words a cause for the reader: the system's error number (error, when not
// 0) is said in words of our own table, never in the C library's, which
// follow the system's language; without one, the cause is the English of
// the file layer, the encoders or the sound ("it is read-only", "its 9
// channels cannot be played"), which the table says in Indonesian too. A
// path, name or number in such words stays as it is. A cause the table
// does not know is kept in English in both, rather than lost; a detail in
// brackets at the end of a known one is kept as it is.
struct CauseInBothLanguages {
    std::string indonesian;
    std::string english;
    bool operator==(const CauseInBothLanguages&) const = default;
};
CauseInBothLanguages causeInBothLanguages(const std::string& cause, int error = 0, Doing doing = Doing::Saving);

// The English for a system error number that a failure carries, from the
// same table ("the disk is full"); "system error number N" for one that
// the table does not know.
std::string systemCauseText(int error);

// "<what failed>: <cause>" in both languages, each line from its own
// language's sentence and the cause said in that language.
std::string withCause(const std::string& indonesian, const std::string& english, const std::string& cause,
                      int error = 0, Doing doing = Doing::Saving);

// "Tidak dapat menyimpan <path>: …" / "Cannot save <path>: …": how a failed
// save of the record names its file (as the system names it) and why.
FileError saveFailure(const std::string& path, const std::string& cause, int error = 0);

// A picture that libjpeg cannot decode completely.
class PictureError : public Error {
public:
    using Error::Error;
};

// The error box shows the text with a full stop added when its last
// character sorts after "." (so ".", "!" and ")" endings stay as they are).
std::string errorBoxText(const std::string& text);

// The standard error box. The application object installs it while it
// lives; showErrorBox says whether there was one to show the text.
using ErrorBoxShower = std::function<void(const std::string& text)>;
void installErrorBox(ErrorBoxShower box);
bool showErrorBox(const std::string& text);

// Runs a user command (a reading, a save, a window it opens) where it is
// asked for, and reports what it failed with in the error box: the failure
// ends the command there, and the program goes on with the next event.
// Every command runs through here, so that no failure leaves a slot of the
// toolkit as an exception (which the toolkit leaves undefined). Without an
// error box to show it, the failure is passed on rather than lost.
void reportingFailures(const std::function<void()>& command);

}  // namespace temparoka
