// A weekly reading through the real windows: the draw, the card, the
// choice, the record file and the output window, on a fake clock.

#include "core/record.h"
#include "files/recordfile.h"
#include "sound/wavplayer.h"
#include "support/fakes.h"
#include "support/recordfiles.h"
#include "ui/main/Unit1.h"
#include "ui/main/cardimage.h"
#include "ui/shared/clock.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <numeric>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class WeeklyRun : public ::testing::Test, public MainWindowFixture {
protected:
    QString viewText() const { return output.ausfenster()->toPlainText(); }
    std::optional<Record> storedRecord() const
    {
        return RecordFile(QFile::encodeName(recordPath()).toStdString()).load().value();
    }
    bool visible(const TForm1& form, const char* name) const
    {
        return form.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&form);
    }
};

TEST_F(WeeklyRun, FirstRequestDealsTheSecondReusesTheCard)
{
    const auto form = makeWindow();
    form->show();
    AutoClose closer(&output);

    form->losgehts->trigger();
    // Dealt: 17 fade steps of 0.1 s, half a second, four more half seconds.
    ASSERT_EQ(waits->size(), 17u + 1 + 4);
    EXPECT_NEAR(std::accumulate(waits->begin(), waits->end(), 0.0), 4.2, 1e-9);
    EXPECT_FALSE(visible(*form, "Ramalanknopf"));
    EXPECT_TRUE(visible(*form, "pilihlabel"));
    // At 15:00 the cards land where the seed 62500 puts them.
    const QPoint places[] = {{190, 98}, {276, 224}, {277, 50}, {477, 125}, {389, 47}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(form->cards()[i]->isVisibleTo(form.get()));
        EXPECT_EQ(form->cards()[i]->pos(), places[i]) << i;
    }
    EXPECT_EQ(output.isVisible(), false);

    const qint64 back = form->cards()[2]->Picture().cacheKey();
    QTest::mouseClick(form->cards()[2], Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(closer.shown, 1);
    EXPECT_EQ(form->weekly().card(), 3);
    // The card lay face up for 0.3 seconds before the reading began.
    ASSERT_EQ(waits->size(), 17u + 1 + 4 + 1);
    EXPECT_EQ(waits->back(), 0.3);
    EXPECT_EQ(form->cards()[2]->Picture().cacheKey(), back);  // face down again
    EXPECT_TRUE(visible(*form, "Ramalanknopf"));
    EXPECT_FALSE(visible(*form, "sanskr3"));
    EXPECT_EQ(sound->played.size(), 1);

    const std::optional<Record> stored = storedRecord();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->verlauf.back(), (PredictionRecord{5, 2, 1, 50}));
    EXPECT_EQ(stored->wuerfe.back(), (DrawRecord{24236.0 + kInitialTimeOfBirth + 50, 3}));
    const QByteArray savedOnce = readRecordBytes();

    // The same reader in the same week: no deal, the same card and text.
    waits->clear();
    form->losgehts->trigger();
    EXPECT_TRUE(waits->empty());
    EXPECT_EQ(closer.shown, 2);
    EXPECT_EQ(readRecordBytes(), savedOnce);  // nothing new to record
    EXPECT_EQ(sound->played.size(), 2);
}

TEST_F(WeeklyRun, AStoredDrawIsFoundAfterARestartAlsoWithTheClockSetBackBeforeTheBirthday)
{
    // Monday 11 December 2000 lies in week 50 as Monday 7 December 2026 does.
    const double setBack = static_cast<double>(dayNumberOfDate(QDate(2000, 12, 11))) + 0.625;
    struct Case {
        const char* what;
        QDate birthday;  // entered before the first reading
        double restartedAt;
        PredictionRecord recorded;  // the newest prediction after the second reading
    };
    // clang-format off
    const Case cases[] = {
        {"the same clock", QDate(1966, 5, 9), kMonday7December2026At15, {4, 2, 2, 50}},
        // Born four years "after" today: a life stage below zero, the first band.
        {"the clock set back before the birthday", QDate(2005, 3, 14), setBack, {1, 3, 1, 50}},
    };
    // clang-format on
    for (const Case& c : cases) {
        QFile::remove(recordPath());
        clock->set(kMonday7December2026At15);
        {
            const auto form = makeWindow();
            form->findChild<QDateEdit*>("gebdat")->setDate(c.birthday);
            AutoClose closer(&output);
            form->losgehts->trigger();
            QTest::mouseClick(form->cards()[0], Qt::LeftButton, {}, QPoint(30, 40));
            EXPECT_EQ(form->weekly().card(), 1) << c.what;
        }
        clock->set(c.restartedAt);
        const auto restarted = makeWindow();
        EXPECT_EQ(restarted->birthday(), static_cast<double>(dayNumberOfDate(c.birthday))) << c.what;
        AutoClose closer(&output);
        waits->clear();
        restarted->losgehts->trigger();
        EXPECT_TRUE(waits->empty()) << c.what << ": dealt anew";
        EXPECT_EQ(restarted->weekly().card(), 1) << c.what;
        EXPECT_EQ(closer.shown, 1) << c.what;
        const std::optional<Record> stored = storedRecord();
        ASSERT_TRUE(stored) << c.what;
        EXPECT_EQ(stored->birthday, static_cast<double>(dayNumberOfDate(c.birthday))) << c.what;
        EXPECT_EQ(stored->verlauf.back(), c.recorded) << c.what;
    }
}

TEST_F(WeeklyRun, ThePromptFadesInStepByStep)
{
    const auto form = makeWindow();
    auto* label = form->findChild<QLabel*>("pilihlabel");
    std::vector<int> reds;
    *onWait = [&](double seconds) {
        if (seconds == 0.1)
            reds.push_back(label->palette().color(QPalette::WindowText).red());
    };
    form->weekly().wuerfeln();
    std::vector<int> expected;
    for (int red = 15; red <= 255; red += 15)
        expected.push_back(red);
    EXPECT_EQ(reds, expected);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(WeeklyRun, AMissingSoundKeepsTheCardsOnShowAndTheDrawInMemory)
{
    ErrorBoxRecorder box;
    auto form = std::make_unique<TForm1>(
        MainWindowServices{clock, nativeFolder(folder), std::make_shared<WavPlayer>(), [](double) {}});
    form->setOutputWindow(&output);
    AutoClose closer(&output);
    output.setReading(readingOf({"earlier reading"}));

    form->losgehts->trigger();
    const qint64 back = form->cards()[4]->Picture().cacheKey();
    QTest::mouseClick(form->cards()[4], Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_TRUE(box.texts.front().contains("no such file or folder")) << box.texts.front().toStdString();
    EXPECT_EQ(closer.shown, 0);
    EXPECT_EQ(viewText(), "earlier reading");  // nothing cleared or written
    EXPECT_NE(form->cards()[4]->Picture().cacheKey(), back);  // still face up
    EXPECT_TRUE(visible(*form, "sanskr1"));
    EXPECT_FALSE(visible(*form, "Ramalanknopf"));
    EXPECT_EQ(form->weekly().draws().back().card, 5);
    EXPECT_FALSE(QFile::exists(recordPath()));

    // Taking another card turns the first face down before the second turns up.
    QTest::mouseClick(form->cards()[1], Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(form->cards()[4]->Picture().cacheKey(), back);
    EXPECT_NE(form->cards()[1]->Picture().cacheKey(), form->cards()[4]->Picture().cacheKey());
    EXPECT_EQ(box.texts.size(), 2);
}

TEST_F(WeeklyRun, AFailedSaveShowsNoReading)
{
    ErrorBoxRecorder box;
    const auto form = makeWindow();
    AutoClose closer(&output);
    output.setReading(readingOf({"an earlier reading"}));
    form->losgehts->trigger();
    // A folder we may not write to (as root too: see the main window tests).
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool dropped = geteuid() == 0 && seteuid(65534) == 0;
    QTest::mouseClick(form->cards()[2], Qt::LeftButton, {}, QPoint(30, 40));
    if (dropped && seteuid(0) != 0)
        std::abort();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_TRUE(box.texts.front().contains("temparoka.dat")) << box.texts.front().toStdString();
    EXPECT_EQ(closer.shown, 0);
    EXPECT_EQ(viewText(), "an earlier reading");
    EXPECT_EQ(form->weekly().history().back(), (PredictionRecord{5, 2, 1, 50}));
}

TEST_F(WeeklyRun, AReadingAfterAFailedSaveSavesAgainThoughNothingNewIsRecorded)
{
    ErrorBoxRecorder box;
    const auto form = makeWindow();
    AutoClose closer(&output);
    form->speichern();  // the reader's record, which its owner then makes read-only
    struct Request {
        const char* what;
        int day;  // after the fixture's Monday
        bool readOnly;
        int boxes;  // so far
        int readings;
    };
    // clang-format off
    const Request requests[] = {
        {"a new prediction that cannot be kept is not read", 0, true, 1, 0},
        // The same week: the card is reused, the pick is the same, nothing
        // new is at stake; the owed save fails again and is told of once.
        {"the same week again", 0, true, 2, 1},
        {"and again", 0, true, 2, 2},
        {"writable again: the owed save is made", 0, false, 2, 3},
        {"saved: nothing is owed, nothing tried", 0, true, 2, 4},
        {"the next week's new prediction", 7, true, 3, 4},
        {"a new streak of failures is told of anew", 7, true, 4, 5},
    };
    // clang-format on
    for (const Request& r : requests) {
        clock->set(kMonday7December2026At15 + r.day);
        QFile::setPermissions(recordPath(), r.readOnly ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                                       : QFile::ReadOwner | QFile::WriteOwner);
        form->losgehts->trigger();
        if (form->weekly().card() == 0)  // dealt: a new week
            QTest::mouseClick(form->cards()[2], Qt::LeftButton, {}, QPoint(30, 40));
        ASSERT_EQ(box.texts.size(), r.boxes) << r.what;
        EXPECT_EQ(closer.shown, r.readings) << r.what;
    }
    EXPECT_EQ(box.texts[1], QString::fromStdString(recordNotSaved(recordPath().toStdString(),
                                                                  "berkas itu hanya dapat dibaca|it is read-only")));
    // What the owed save kept, and the read-only week after left alone.
    EXPECT_EQ(storedRecord()->verlauf.back(), (PredictionRecord{5, 2, 1, 50}));
    EXPECT_EQ(storedRecord()->wuerfe.back().card, 3);
    EXPECT_EQ(form->weekly().history().back().week, 51);
    QFile::setPermissions(recordPath(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(WeeklyRun, AFileReplacedWhileTheProgramRunsLosesNoReading)
{
    const auto form = makeWindow();
    // Another copy, or a synced folder, puts its own record in place.
    Record other;
    other.verlauf.back() = {2, 3, 1, 49};
    other.wuerfe.back() = {24300.25, 4};
    writeRecordBytes(QByteArray(reinterpret_cast<const char*>(serialise(other).data()), 452));
    // It is still saving when this copy saves: the window goes on handling
    // its events while it waits for the lock (a frozen one would never see
    // the other copy let go here), and the save goes through.
    const int held = open(QFile::encodeName(folder.filePath(".temparoka.lock")).constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    QTimer::singleShot(200, [held] { flock(held, LOCK_UN); });

    AutoClose closer(&output);
    form->losgehts->trigger();
    QTest::mouseClick(form->cards()[2], Qt::LeftButton, {}, QPoint(30, 40));
    close(held);
    ASSERT_EQ(closer.shown, 1);
    const Record stored = *storedRecord();
    EXPECT_EQ(stored.verlauf[kHistorySize - 2], (PredictionRecord{2, 3, 1, 49}));
    EXPECT_EQ(stored.verlauf.back(), (PredictionRecord{5, 2, 1, 50}));
    EXPECT_EQ(stored.wuerfe[kDrawsSize - 2], (DrawRecord{24300.25, 4}));
    EXPECT_EQ(stored.wuerfe.back().card, 3);
    EXPECT_EQ(form->weekly().draws(), stored.wuerfe);  // the window knows them too now
}

TEST_F(WeeklyRun, AStoredDrawWithADamagedCardDealsAnew)
{
    Record record;
    record.wuerfe.back() = {24236.0 + kInitialTimeOfBirth + 50, 9};
    writeRecordBytes(QByteArray(reinterpret_cast<const char*>(serialise(record).data()), 452));
    const auto form = makeWindow();
    form->show();
    AutoClose closer(&output);
    form->losgehts->trigger();
    EXPECT_EQ(closer.shown, 0);
    EXPECT_TRUE(visible(*form, "sanskr1"));  // dealt
    EXPECT_EQ(form->weekly().card(), 0);
}

TEST_F(WeeklyRun, ANamedPipeForARecordIsReportedOnceTheWindowIsUpAndNeverRead)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(recordPath()).constData(), 0600), 0);
    ErrorBoxRecorder box;
    const auto form = makeWindow();  // would block here for good if it were opened
    EXPECT_TRUE(box.texts.isEmpty());
    processEvents();
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_EQ(box.texts.front(), "Berkas catatan " + recordPath() +
                                     " tidak dapat dibaca: itu pipa bernama, bukan berkas biasa.\nCannot read the "
                                     "record file " +
                                     recordPath() + ": it is a named pipe, not a regular file.");
    EXPECT_EQ(form->birthday(), kInitialBirthday);

    AutoClose closer(&output);
    form->losgehts->trigger();
    QTest::mouseClick(form->cards()[0], Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(box.texts.size(), 2);
    EXPECT_EQ(box.texts.back(), QString::fromStdString(recordNotSaved(
                                    recordPath().toStdString(),
                                    "itu pipa bernama, bukan berkas biasa|it is a named pipe, not a regular file")));
    EXPECT_EQ(closer.shown, 0);
}

}  // namespace
