#pragma once
// Stand-ins for the outside world that the windows take through their seams.

#include "app/application.h"
#include "files/keptfile.h"
#include "ui/main/Unit1.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace temparoka::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(double now) : m_now(now) {}
    double now() const override { return m_now; }
    void set(double now) { m_now = now; }

private:
    double m_now;
};

// Remembers what it was asked to play; plays nothing.
class RecordingSound : public SoundPlayer {
public:
    void play(const std::string& path) override { played << QFile::decodeName(path.c_str()); }
    QStringList played;
};

// Collects what would have gone into the error box while it lives.
class ErrorBoxRecorder {
public:
    ErrorBoxRecorder();
    ~ErrorBoxRecorder();
    QStringList titles;
    QStringList texts;
};

// A main window over a fresh program folder, with a fake clock
// (Monday 7 December 2026, 15:00) and a recording sound.
struct MainWindowFixture {
    MainWindowFixture();
    std::unique_ptr<TForm1> makeWindow();
    // The same seams for a whole program, whose deal does not wait.
    MainWindowServices services() const;
    QString recordPath() const;
    void writeRecordBytes(const QByteArray& bytes) const;
    QByteArray readRecordBytes() const;

    QTemporaryDir folder;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<RecordingSound> sound;
    // The seconds the deal waited, in order; nobody really waits in tests.
    std::shared_ptr<std::vector<double>> waits;
    // Runs at every wait, to look at the window in the middle of the deal.
    std::shared_ptr<std::function<void(double)>> onWait;
    Tausform output;
};

inline constexpr double kMonday7December2026At15 = 46363.625;

// Closes a dialog as soon as it is shown (as a reader would), counting the
// showings and keeping what its view showed; or, given a reader, lets it
// work the dialog once it is up (and close it).
class AutoClose : public QObject {
public:
    explicit AutoClose(QDialog* dialog, std::function<void()> reader = {});
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog* m_dialog;
    std::function<void()> m_reader;
};

// Whether a control still holds the place it was laid out at: a caption's
// box may have grown into free room around it (see captionfit.h), but it
// covers its place and keeps its left edge or its centre across, and its top
// edge or its centre line.
::testing::AssertionResult holdsPlace(const QWidget* widget, const QRect& place);

// A temporary folder named and removed by its bytes, for folders whose
// names are not valid text (which QTemporaryDir cannot remove).
class NativeTemporaryFolder {
public:
    NativeTemporaryFolder();
    ~NativeTemporaryFolder();
    NativeTemporaryFolder(const NativeTemporaryFolder&) = delete;
    NativeTemporaryFolder& operator=(const NativeTemporaryFolder&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// The folder as the program folder seam takes it: native bytes ending in "/".
std::string nativeFolder(const QTemporaryDir& folder);

// Makes a folder unwritable while it lives. As root, permissions do not
// stop us, so the process also drops to an unprivileged effective user
// (nobody) meanwhile; files that user must write are handed to it first.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // Lets the unprivileged user write path (owner and mode).
    static void giveToUnprivilegedUser(const QString& path);

private:
    QString m_path;
    bool m_droppedRoot = false;
};

// A user who is not the one running the tests (nobody, or the id below it
// when the suite runs as nobody): only root may give a file to them.
uid_t anotherUser();

// A window's control by its object name; a missing one fails the test.
template <typename T>
T* control(const QObject& window, const std::string& name)
{
    T* found = window.findChild<T*>(QString::fromStdString(name));
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}

// A dream reading of the given Indonesian lines, as if one had been read.
Reading readingOf(std::vector<std::string> lines);

// What a poppler tool (poppler-utils) says of a PDF, kept for it in a
// folder of its own through the file layer; "PDF" in the arguments names
// the file.
QString popplerSays(const QString& tool, QStringList arguments, const Encoded& pdf);

// Processes pending events, so that posted events and timers run.
void processEvents();

}  // namespace temparoka::test
