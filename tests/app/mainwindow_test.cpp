#include "app/Unit1.h"
#include "app/birthtimeedit.h"
#include "app/program.h"
#include "common/clock.h"
#include "common/errors.h"
#include "horoscope/DoubleImage.h"
#include "record/record.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

QByteArray bytesOf(const Record& record)
{
    const auto bytes = serialise(record);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

template <typename T>
T* control(const TForm1& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}

// Every window as laid out: title, client size, keyboard order (default button
// marked "*"), each control's caption, hint and place ("Panel2/tdktahu" lies in
// Panel2). A radio group's caption is its title and items, the chosen one marked
// "*". Only a caption may widen its box (captionfit.h): a control without one lies
// exactly at its place. An empty place is not checked.

struct Control {
    const char *name, *caption, *hint;
    QRect place;
};

struct Window {
    const char *name, *title;
    QSize size;
    QStringList order;
    std::vector<Control> controls;
};

const Window kWindows[] = {
    {"Form1",
     "Ramalan Temparoka",
     {735, 487},
     {"*Ramalanknopf", "Button2", "gebzeit", "SpinEdit1", "gebdat", "Keluar", "Tidaktahu", "ueber", "kindNW"},
     {{"Label1", "Tanggal lahir Anda", "Your birthday", {13, 25, 114, 16}},
      {"gebdat", "09/05/1966", "Enter your birthday", {13, 46, 92, 24}},
      {"Label3", "Waktu lahir", "Time of birth", {487, 25, 66, 16}},
      {"gebzeit", "12:00", "Time of birth", {487, 46, 66, 24}},
      {"Tidaktahu", "tidak tahu", "don't know", {487, 80, 78, 13}},
      {"Label4", "Berapa anak", "How many children", {289, 25, 78, 16}},
      {"SpinEdit1", "0", "How many children do you have?", {289, 46, 46, 26}},
      {"kindNW", "tidak tahu", "don't know", {289, 80, 78, 13}},
      {"Button2", "&Mimpi", "Dream interpretation", {28, 360, 85, 24}},
      {"Ramalanknopf", "&Ramalan", "Horoscope", {26, 439, 95, 26}},
      {"Keluar", "&Keluar ", "Exit", {496, 440, 73, 27}},
      {"ueber", "Tentang Temparoka", "About Temparoka", {585, 440, 129, 27}},
      {"pilihlabel", "Silakan memilih satu kartu", "Please choose a card", {150, 13, 258, 29}}}},
    {"AboutBox", "About", {367, 271}, {"*OKButton"}, {{"OKButton", "OK", "", {137, 231, 92, 31}}}},
    {"ausform",
     "Ramalan",
     {681, 488},
     {"ausfenster", "SpendeKnopf", "simpan", "cetak", "riwayat", "ende"},
     {{"ausfenster", "", "", {0, 0, 673, 449}},
      {"SpendeKnopf", "Support Temparoka", "", {8, 456, 153, 25}},
      {"simpan", "&Simpan...", "Save (Ctrl+S)", {277, 456, 89, 25}},
      {"cetak", "&Cetak...", "Print (Ctrl+P)", {374, 456, 89, 25}},
      {"riwayat", "&Riwayat", "Earlier readings (Ctrl+H)", {471, 456, 89, 25}},
      {"ende", "&Keluar", "Exit", {568, 456, 89, 25}}}},
    {"traumfenster",
     "Mimpi",
     {641, 481},
     {"gefuehl", "farbe", "*Button1", "tiger", "conflict", "boot", "ular", "ikan", "orang", "anak", "tod", "fallen",
      "anjing", "kerja", "laut", "pachilang", "auffuehrung", "gigicheck", "trans"},
     {{"Label1", "Mimpi apa?", "What did you dream?", {8, 8, 96, 20}},
      {"gefuehl", "Perasaan yang dialami|menakutkan|sedih|*biasa|gembira", "the dream felt..", {192, 0, 217, 97}},
      {"farbe", "Gambar mimpi|berwarna|*hitam putih|tidak tahu", "the pictures were..", {424, 0, 201, 73}},
      {"Button1", "Arti mimpi Anda", "Meaning of yr dream", {488, 434, 129, 25}},
      {"tiger", "harimau", "tiger", {18, 46, 100, 17}},
      {"laut", "menyebrang sungai atau laut", "running away", {224, 441, 193, 18}},
      {"auffuehrung", "pertunjukan di depan penonton", "", {360, 302, 257, 17}},  // its hint is no tooltip
      {"gigicheck", "gigi lepas", "you lost a tooth", {496, 237, 121, 17}},
      {"trans", "", "translate this form", {11, 439, 52, 24}}}},
    {"SpendeForm", "Sumbangan", {641, 415}, {"Memo1", "BitBtn1"}, {}},
    {"Tfrage",
     "Temparoka minta keterangan - Clarification needed",
     {339, 297},
     {"kanal", "tdkkanal", "hidup", "tdkhidup", "tdktahu", "Button1"},
     {{"Panel1/kanal", "Orang yang saya kanal", " I know", {13, 26, 202, 14}},
      {"Panel2", "", "", {27, 143, 302, 91}},
      {"Panel2/tdktahu", "Saya tidak tahu", "I don't know", {13, 65, 111, 14}}}},
    {"flussfrage",
     "Temparoka minta keterangan - Clarificatino needed",
     {377, 129},
     {"janein", "*Button1"},
     {{"Image1", "", "", {0, 0, 377, 129}},
      {"janein",
       "Anda sampai ke tepi yang lain?|*ya - yes|tidak - no",
       "Did you reach the other shore?",
       {16, 48, 217, 65}}}},
    {"zahnform",
     "Temparoka meminta keterangan",
     {305, 177},
     {"zahnoben", "zahnunten", "Button1"},
     {{"GroupBox1/zahnunten", "gigi bawa", "lower yaw", {}},  // its group's title grows upwards
      {"Button1", "Selesai", "", {8, 120, 75, 25}}}},  // its hint is no tooltip
    {"riwayatform",
     "Riwayat ramalan",
     {681, 488},
     {"daftar", "isi", "simpan", "cetak", "tutup"},
     {{"daftar", "", "Your readings of earlier weeks, newest first", {0, 0, 241, 449}},
      {"isi", "", "", {248, 0, 425, 449}},
      {"simpan", "&Simpan...", "Save (Ctrl+S)", {374, 456, 89, 25}},
      {"cetak", "&Cetak...", "Print (Ctrl+P)", {471, 456, 89, 25}},
      {"tutup", "&Tutup", "Close", {568, 456, 89, 25}}}},
};

QString shownCaption(const QWidget* widget)
{
    QStringList shown(widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString());
    for (int i = 0; const QString& item : widget->property("items").toStringList())
        shown << (i++ == widget->property("itemIndex").toInt() ? "*" : "") + item;
    return shown.join('|');
}

// The named controls that Tab stops at, once round from the first: a radio
// group is one stop, and the editors inside the pickers are not named.
QStringList keyboardOrder(QWidget* window, const QString& first)
{
    QStringList order;
    QWidget* widget = window->findChild<QWidget*>(first);
    for (int steps = 0; widget && steps < 500 && !(steps && widget->objectName() == first); ++steps) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && widget->isVisibleTo(window) &&
            ((widget->focusPolicy() & Qt::TabFocus) || widget->inherits("temparoka::RadioGroup")))
            order << (widget->property("default").toBool() ? "*" : "") + name;
        widget = widget->nextInFocusChain();
    }
    return order;
}

class MainWindow : public ::testing::Test, public MainWindowFixture {};
using Windows = MainWindow;

TEST_F(Windows, HaveTheirTitleSizeKeysAndEachControlsCaptionHintAndPlace)
{
    Program program(services());
    for (int i = 0; const Window& expected : kWindows) {
        QWidget* window = program.windows().value(i++);
        ASSERT_TRUE(window && window->objectName() == expected.name) << expected.name;
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(window->windowTitle().toStdString(), expected.title);
        EXPECT_EQ(window->size(), expected.size);
        EXPECT_EQ(keyboardOrder(window, QString(expected.order.first()).remove('*')).join(' ').toStdString(),
                  expected.order.join(' ').toStdString());
        for (const Control& c : expected.controls) {
            QWidget* widget = window;
            for (const QString& name : QString(c.name).split('/'))
                widget = widget ? widget->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly) : nullptr;
            ASSERT_TRUE(widget) << c.name;
            EXPECT_EQ(shownCaption(widget).toStdString(), c.caption) << c.name;
            EXPECT_EQ(widget->toolTip().toStdString(), c.hint) << c.name;
            if (!c.place.isNull()) {
                EXPECT_TRUE(!*c.caption ? ::testing::AssertionResult(widget->geometry() == c.place)
                                        : holdsPlace(widget, c.place))
                    << c.name;
            }
        }
    }
}

TEST_F(MainWindow, StartsInEntryModeWithTheInitialBirthDataWhenThereIsNoFile)
{
    const auto form = makeWindow();
    EXPECT_EQ(form->birthday(), 24236.0);
    EXPECT_EQ(form->timeOfBirth(), kInitialTimeOfBirth);
    EXPECT_EQ(form->children(), 0);
    EXPECT_EQ(form->verlauf, PredictionHistory{});
    EXPECT_EQ(form->wuerfe, DrawHistory{});
    auto* date = control<QDateEdit>(*form, "gebdat");
    EXPECT_TRUE(date->calendarPopup());
    EXPECT_EQ(date->minimumDate(), QDate(1900, 1, 1));
    EXPECT_EQ(date->maximumDate(), QDate(2003, 10, 11));
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
    EXPECT_EQ(form->verlauf, record.verlauf);
    EXPECT_EQ(form->wuerfe, record.wuerfe);
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
        EXPECT_EQ(form->wuerfe, DrawHistory{}) << length;
    }
    {  // a birthday the picker cannot show keeps the initial one, the rest loads
        Record outOfRange = valid;
        outOfRange.birthday = 40000;
        outOfRange.children = 15;
        writeRecordBytes(bytesOf(outOfRange));
        const auto form = makeWindow();
        EXPECT_EQ(form->birthday(), kInitialBirthday);
        EXPECT_EQ(form->children(), 10);
        EXPECT_EQ(form->wuerfe, valid.wuerfe);
    }
}

TEST_F(MainWindow, SavingWritesTheWholeRecordReplacingAShortFile)
{
    writeRecordBytes("short");
    const auto form = makeWindow();
    form->verlauf.back() = {5, 2, 1, 50};
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
    form->wurfwert = 30054.5;
    form->karte = 4;
    form->wurfspeichern();
    form->verlauf.back() = {3, 3, 3, 50};

    std::string message;
    try {
        form->speichern();
        ADD_FAILURE() << "the save did not fail";
    } catch (const FileError& error) {
        message = error.what();
    }
    EXPECT_EQ(message, "Cannot save " + form->recordPath() + ": it is read-only");
    EXPECT_EQ(readRecordBytes(), bytesOf(old));
    EXPECT_EQ(form->wuerfe.back(), (DrawRecord{30054.5, 4}));
    EXPECT_EQ(form->verlauf.back(), (PredictionRecord{3, 3, 3, 50}));
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

TEST_F(MainWindow, TheSoundComesFromTheProgramFolder)
{
    const auto form = makeWindow();
    form->tonabspielen();
    ASSERT_EQ(sound->played.size(), 1);
    EXPECT_EQ(sound->played.front(), folder.filePath("tmk.wav"));
}

}  // namespace
