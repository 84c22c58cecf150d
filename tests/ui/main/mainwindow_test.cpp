#include "app/program.h"
#include "core/errors.h"
#include "core/record.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "support/weeklyprobe.h"
#include "ui/main/Unit1.h"
#include "ui/main/cardimage.h"
#include "ui/shared/birthtimeedit.h"
#include "ui/shared/clock.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class MainWindow : public ::testing::Test, public MainWindowFixture {};

TEST_F(MainWindow, StartsInEntryModeWithTheInitialBirthDataWhenThereIsNoFile)
{
    const auto form = makeWindow();
    EXPECT_EQ(form->birthday(), 24236.0);
    EXPECT_EQ(form->timeOfBirth(), kInitialTimeOfBirth);
    EXPECT_EQ(form->children(), 0);
    EXPECT_EQ(form->weekly().history(), PredictionHistory{});
    EXPECT_EQ(form->weekly().draws(), DrawHistory{});
    auto* date = control<QDateEdit>(*form, "gebdat");
    EXPECT_TRUE(date->calendarPopup());
    EXPECT_EQ(date->minimumDate(), QDate(1900, 1, 1));
    EXPECT_EQ(date->maximumDate(), QDate(2026, 12, 7));  // today
    EXPECT_EQ(control<BirthTimeEdit>(*form, "gebzeit")->displayFormat(), "HH:mm");
    EXPECT_EQ(control<QSpinBox>(*form, "SpinEdit1")->minimum(), 0);
    EXPECT_EQ(control<QSpinBox>(*form, "SpinEdit1")->maximum(), 10);
    EXPECT_TRUE(control<QWidget>(*form, "Ramalanknopf")->isVisibleTo(form.get()));
    EXPECT_FALSE(control<QWidget>(*form, "pilihlabel")->isVisibleTo(form.get()));
    for (TDoubleImage* card : form->cards()) {
        EXPECT_FALSE(card->isVisibleTo(form.get()));
        EXPECT_EQ(card->size(), QSize(70, 95));
        EXPECT_FALSE(card->Flipside().isNull());
    }
    EXPECT_FALSE(QFile::exists(recordPath()));  // loading writes nothing
}

TEST_F(MainWindow, RestoresAStoredRecord)
{
    Record record;
    record.birthday = 30000;
    record.timeOfBirth = 0.3;
    record.children = 4;
    record.verlauf.back() = {5, 2, 1, 50};
    record.wuerfe.back() = {30054.3, 3};
    writeRecordBytes(bytesOf(record));

    const auto form = makeWindow();
    EXPECT_EQ(form->birthday(), 30000.0);
    EXPECT_EQ(form->timeOfBirth(), 0.3);  // bit for bit, though the picker shows minutes
    EXPECT_EQ(form->children(), 4);
    EXPECT_EQ(form->weekly().history(), record.verlauf);
    EXPECT_EQ(form->weekly().draws(), record.wuerfe);
    // Restoring is not an edit: the form's own maximum still holds.
    EXPECT_EQ(control<QSpinBox>(*form, "SpinEdit1")->maximum(), 10);
}

TEST_F(MainWindow, DamagedRecordsLoadWhatTheControlsCanHold)
{
    Record valid;
    valid.birthday = 30000;
    valid.children = 3;
    valid.wuerfe.back() = {30054.5, 2};
    const QByteArray whole = bytesOf(valid);

    // Shorter than a record, wherever it was cut: nothing at all is taken,
    // not even the birth data at its start.
    for (const int length : {0, 8, 16, 19, 20, 21, 211, 212, 400, 451}) {
        writeRecordBytes(whole.left(length));
        const auto form = makeWindow();
        EXPECT_EQ(form->birthday(), kInitialBirthday) << length;
        EXPECT_EQ(form->timeOfBirth(), kInitialTimeOfBirth) << length;
        EXPECT_EQ(form->children(), 0) << length;
        EXPECT_EQ(form->weekly().draws(), DrawHistory{}) << length;
    }
    // A birthday the picker cannot show, from before 1900 or after the year
    // 9999, keeps the initial one; the rest loads. One after today was saved
    // before the clock was set back: it is the reader's all the same.
    const double today = 46363;  // Monday 7 December 2026
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> birthdays[] = {
        {today, today},
        {today + 0.99, today},
        {today + 1, today + 1},
        {2958465, 2958465},
        {42133.25, 42133},
        {1, kInitialBirthday},
        {2, 2},
        {2958466, kInitialBirthday},
        {nan, kInitialBirthday},
        {inf, kInitialBirthday},
        {-inf, kInitialBirthday},
    };
    for (const auto& [stored, shown] : birthdays) {
        Record record = valid;
        record.birthday = stored;
        record.children = 15;
        writeRecordBytes(bytesOf(record));
        const auto form = makeWindow();
        EXPECT_EQ(form->birthday(), shown) << stored;
        EXPECT_EQ(form->children(), 10) << stored;
        EXPECT_EQ(form->weekly().draws(), valid.wuerfe) << stored;
    }
}

TEST_F(MainWindow, SavingWritesTheWholeRecordReplacingAShortFile)
{
    writeRecordBytes("short");
    const auto form = makeWindow();
    WeeklyReadingProbe::verlauf(form->weekly()).back() = {5, 2, 1, 50};
    form->speichern();
    const QByteArray saved = readRecordBytes();
    ASSERT_EQ(saved.size(), 452);
    Record expected;
    expected.verlauf.back() = {5, 2, 1, 50};
    EXPECT_EQ(saved, bytesOf(expected));
}

TEST_F(MainWindow, AFailedSaveNamesTheCauseAndKeepsTheOldFileAndTheLists)
{
    Record old;
    old.birthday = 30000;
    writeRecordBytes(bytesOf(old));
    // A record its owner made read-only stops the save, for an ordinary
    // user and for the administrator alike.
    QFile::setPermissions(recordPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto form = makeWindow();
    WeeklyReadingProbe::wurfwert(form->weekly()) = 30054.5;
    WeeklyReadingProbe::karte(form->weekly()) = 4;
    form->weekly().wurfspeichern();
    WeeklyReadingProbe::verlauf(form->weekly()).back() = {3, 3, 3, 50};

    std::string message;
    try {
        form->speichern();
        ADD_FAILURE() << "the save did not fail";
    } catch (const FileError& error) {
        message = error.what();
    }
    EXPECT_EQ(message, recordNotSaved(form->recordPath(), "berkas itu hanya dapat dibaca|it is read-only"));
    EXPECT_EQ(readRecordBytes(), bytesOf(old));
    EXPECT_EQ(form->weekly().draws().back(), (DrawRecord{30054.5, 4}));
    EXPECT_EQ(form->weekly().history().back(), (PredictionRecord{3, 3, 3, 50}));
}

TEST_F(MainWindow, ChildrenLimitFollowsTheBirthday)
{
    const auto form = makeWindow();
    auto* date = control<QDateEdit>(*form, "gebdat");
    auto* spin = control<QSpinBox>(*form, "SpinEdit1");

    spin->setValue(5);
    date->setDate(QDate(1996, 12, 7));  // 30 calendar years before today
    EXPECT_EQ(spin->maximum(), 17);
    EXPECT_EQ(spin->value(), 5);
    date->setDate(QDate(1966, 12, 7));
    EXPECT_EQ(spin->maximum(), 20);

    spin->setValue(5);
    clock->set(static_cast<double>(dayNumberOfDate(QDate(2003, 10, 11))) + 0.5);
    date->setDate(QDate(2003, 10, 11));  // born today
    EXPECT_EQ(spin->maximum(), 1);
    EXPECT_EQ(spin->value(), 1);
}

TEST_F(MainWindow, ChildrenDontKnowForcesZeroAndLeavesOnlyTheMaximumToTheBirthday)
{
    const auto form = makeWindow();
    auto* spin = control<QSpinBox>(*form, "SpinEdit1");
    auto* box = control<QCheckBox>(*form, "kindNW");
    spin->setValue(3);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_EQ(form->children(), 0);

    control<QDateEdit>(*form, "gebdat")->setDate(QDate(1996, 12, 7));
    EXPECT_EQ(spin->maximum(), 17);
    EXPECT_EQ(form->children(), 0);

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_EQ(form->children(), 0);
}

TEST_F(MainWindow, TimeDontKnowSetsOneSecondPastNoonAndGreysThePicker)
{
    const auto form = makeWindow();
    auto* time = control<BirthTimeEdit>(*form, "gebzeit");
    auto* box = control<QCheckBox>(*form, "Tidaktahu");
    time->setTime(QTime(7, 30));
    EXPECT_EQ(form->timeOfBirth(), 27001.0 / 86400.0);  // 07:30 keeps the hidden second

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(form->timeOfBirth(), kInitialTimeOfBirth);
    EXPECT_FALSE(time->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(form->timeOfBirth(), kInitialTimeOfBirth);
    EXPECT_TRUE(time->isEnabled());
}

TEST_F(MainWindow, MidnightBecomesNoonButOneSecondPastStays)
{
    const auto form = makeWindow();
    auto* time = control<BirthTimeEdit>(*form, "gebzeit");

    time->setTime(QTime(0, 0));  // the hidden second of 12:00:01 survives
    EXPECT_EQ(form->timeOfBirth(), 1.0 / 86400.0);

    time->setValue(0.25);  // 06:00:00 exactly, then edited to 00:00
    time->setTime(QTime(0, 0));
    EXPECT_EQ(form->timeOfBirth(), 0.5);
    EXPECT_EQ(time->time(), QTime(12, 0));
}

TEST_F(MainWindow, EnterPressesRamalanUnlessAnotherButtonHasTheFocus)
{
    const auto form = makeWindow();
    form->show();
    QSignalSpy ramalan(form->losgehts, &QAction::triggered);
    // Each press opens a draw; the deal's waits are recorded, not slept.
    auto* spin = control<QWidget>(*form, "SpinEdit1");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(ramalan.count(), 1);
    form->enterEntryMode();
    auto* box = control<QWidget>(*form, "Tidaktahu");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(ramalan.count(), 2);
    form->enterEntryMode();

    auto* ueber = control<QPushButton>(*form, "ueber");
    QSignalSpy about(ueber, &QPushButton::clicked);
    ueber->setFocus();
    QTest::keyClick(ueber, Qt::Key_Return);
    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(ramalan.count(), 2);
}

TEST_F(MainWindow, EntryAndDrawModesSwapTheControlGroups)
{
    const auto form = makeWindow();
    const char* entry[] = {"Keluar",  "Label1",  "Label3",       "Label4",    "gebdat", "SpinEdit1",
                           "gebzeit", "Button2", "Ramalanknopf", "Tidaktahu", "ueber",  "kindNW"};
    const char* draw[] = {"pilihlabel", "sanskr1", "sanskr2", "sanskr3", "sanskr4", "sanskr5"};
    const auto visible = [&](const char* name) { return control<QWidget>(*form, name)->isVisibleTo(form.get()); };

    form->losgehts->trigger();  // no draw stored for this week: the cards are dealt
    for (const char* name : entry)
        EXPECT_FALSE(visible(name)) << name;
    for (const char* name : draw)
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_TRUE(control<QWidget>(*form, "Image1")->isVisibleTo(form.get()));

    form->enterEntryMode();
    for (const char* name : entry)
        EXPECT_TRUE(visible(name)) << name;
    for (const char* name : draw)
        EXPECT_FALSE(visible(name)) << name;
}

TEST_F(MainWindow, KeluarClosesTheWindow)
{
    const auto form = makeWindow();
    form->show();
    QTest::mouseClick(control<QPushButton>(*form, "Keluar"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(recordPath()));  // nothing saved on the way out
}

}  // namespace
