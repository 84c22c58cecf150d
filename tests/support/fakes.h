#pragma once
// Stand-ins for the outside world that the windows take through their seams.

#include "app/Unit1.h"
#include "app/application.h"
#include "app/sound.h"
#include "common/clock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

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
    void play(const QString& path) override { played << path; }
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
    QString recordPath() const;
    void writeRecordBytes(const QByteArray& bytes) const;
    QByteArray readRecordBytes() const;

    QTemporaryDir folder;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<RecordingSound> sound;
};

inline constexpr double kMonday7December2026At15 = 46363.625;

// Processes pending events, so that posted events and timers run.
void processEvents();

}  // namespace temparoka::test
