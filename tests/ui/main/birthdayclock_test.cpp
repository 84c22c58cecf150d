// The birthday field and the clock: what the reader may enter ends today and
// moves on with the clock when a reading starts, while the birthday the
// field holds (from the record, saved before the clock was set back) stays
// whatever the clock says.

#include "core/calendar.h"
#include "core/record.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "ui/dream/traumform.h"
#include "ui/main/Unit1.h"
#include "ui/shared/birthfields.h"
#include "ui/weton/wetonform.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class BirthdayClock : public ::testing::Test, public MainWindowFixture {};

TEST_F(BirthdayClock, TheLatestBirthdayIsTodayAndMovesOnWithTheClockButAClockSetBackKeepsTheBirthday)
{
    const double today = kMonday7December2026At15;
    const QDate monday(2026, 12, 7);
    const QDate sunday = monday.addDays(-1), tuesday = monday.addDays(1);
    struct Step {
        const char* what;
        double now;
        bool startReading;
        QDate set;  // set before and after the reading starts; none if invalid
        QDate latest;  // the field's maximum afterwards
        QDate latestEntry;  // the latest date the reader may enter
        QDate held;  // what the field holds in the end
    };
    // clang-format off
    const Step steps[] = {
        {"today is taken", today, false, monday, monday, monday, monday},
        {"tomorrow is not", today, false, tuesday, monday, monday, monday},
        {"past midnight, before a reading starts", today + 0.4, false, tuesday, monday, monday, monday},
        {"a reading starts on Tuesday", today + 0.4, true, tuesday, tuesday, tuesday, tuesday},
        {"the clock set back to Sunday keeps Tuesday's birthday", today - 1, true, {}, tuesday, sunday, tuesday},
        {"a birthday before Sunday entered, the field ends on Sunday again", today - 1, false, monday.addDays(-7),
         sunday, sunday, monday.addDays(-7)},
    };
    // clang-format on
    for (const char* path : {"reading", "dream", "weton"}) {
        clock->set(today);
        const auto form = makeWindow();
        Ttraumfenster dreamWindow(services().readingServices(), output);
        form->setDreamWindow(&dreamWindow);
        AutoClose closeDream(&dreamWindow);
        Twetonform weton(services().readingServices(), output);
        form->setWetonWindow([&weton]() -> Twetonform& { return weton; });
        AutoClose closeWeton(&weton);
        auto* date = control<BirthDateEdit>(*form, "gebdat");
        for (const Step& step : steps) {
            clock->set(step.now);
            date->setDate(step.set);
            if (step.startReading) {
                if (path == std::string("dream"))
                    control<QPushButton>(*form, "Button2")->click();
                else if (path == std::string("weton"))
                    control<QPushButton>(*form, "Wetonknopf")->click();
                else
                    form->losgehts->trigger();
                form->enterEntryMode();
            }
            EXPECT_EQ(date->maximumDate(), step.latest) << step.what << " (" << path << ")";
            EXPECT_EQ(date->latestEntry(), step.latestEntry) << step.what << " (" << path << ")";
            date->setDate(step.set);
            EXPECT_EQ(date->date(), step.held) << step.what << " (" << path << ")";
        }
    }
}

TEST_F(BirthdayClock, ABirthdayAfterTodayIsHeldButNoOtherDayAfterTodayCanBeSteppedToOrPicked)
{
    const QDate today(2026, 12, 7), held(2027, 1, 6);
    Record record;
    record.birthday = static_cast<double>(dayNumberOfDate(held));
    writeRecordBytes(bytesOf(record));
    const auto form = makeWindow();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* date = control<BirthDateEdit>(*form, "gebdat");
    EXPECT_EQ(date->date(), held);
    EXPECT_EQ(date->maximumDate(), held);
    EXPECT_EQ(date->latestEntry(), today);
    QSignalSpy changes(date, &QDateEdit::dateChanged);

    // A day back is still after today: not taken.
    date->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(date->date(), held);
    EXPECT_EQ(changes.count(), 0);
    // The calendar offers the days up to today only, and closing it keeps the date.
    QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(date->width() - 4, date->height() / 2));
    QCalendarWidget* calendar = date->calendarWidget();
    ASSERT_TRUE(calendar);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->maximumDate(), today);
    calendar->window()->close();
    EXPECT_EQ(date->date(), held);
    EXPECT_EQ(changes.count(), 0);
    // A year back is before today: taken, and the field ends today again.
    date->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(date->date(), QDate(2026, 1, 6));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(date->maximumDate(), today);
    EXPECT_EQ(control<QSpinBox>(*form, "SpinEdit1")->maximum(), 1);  // the birthday's change was seen
}

}  // namespace
