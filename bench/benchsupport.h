#pragma once
// What the benchmarks share: a quiet sound, a reader who closes every
// dialog the moment it opens, and a clock held at Monday 7 December 2026.

#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace temparoka::bench {

class Silence : public SoundPlayer {
public:
    void play(const std::string&) override {}
};

class CloseDialogs : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched))
                QTimer::singleShot(0, dialog, &QDialog::reject);
        return false;
    }
};

// 15:00 on Monday 7 December 2026, moved on a week at a time on request.
class WeekClock : public Clock {
public:
    double now() const override { return 46363.625 + 7.0 * m_weeks; }
    void nextWeek() { ++m_weeks; }

private:
    int m_weeks = 0;
};

}  // namespace temparoka::bench
