// Every window the program makes, as laid out: the one table that pins their
// titles, sizes, keyboard order and each control's caption, hint and place.

#include "app/program.h"
#include "support/everywindow.h"
#include "support/fakes.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

// Every window as laid out: title, client size, keyboard order (default button
// marked "*"), each control's caption, hint and place ("Panel2/tdktahu" lies in
// Panel2). A radio group's caption is its title and items, the chosen one marked
// "*". Only a caption may widen its box (captionfit.h): a control without one lies
// exactly at its place. An empty place is not checked; a window without a size
// takes it from its layouts.

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
     {"*Ramalanknopf", "Button2", "gebzeit", "SpinEdit1", "gebdat", "Keluar", "Tidaktahu", "ueber", "kindNW",
      "Wetonknopf", "Kamusknopf"},
     {{"Label1", "Tanggal lahir Anda", "Your birthday", {13, 25, 114, 16}},
      {"gebdat", "09/05/1966", "Enter your birthday", {13, 46, 92, 24}},
      {"Label3", "Waktu lahir", "Time of birth", {487, 25, 66, 16}},
      {"gebzeit", "12:00", "Time of birth", {487, 46, 66, 24}},
      {"Tidaktahu", "tidak tahu", "don't know", {487, 80, 78, 13}},
      {"Label4", "Berapa anak", "How many children", {289, 25, 78, 16}},
      {"SpinEdit1", "0", "How many children do you have?", {289, 46, 46, 26}},
      {"kindNW", "tidak tahu", "don't know", {289, 80, 78, 13}},
      {"Button2", "&Mimpi", "Dream interpretation", {28, 360, 85, 24}},
      {"Wetonknopf", "&Weton", "Javanese weton and match", {28, 400, 85, 24}},
      {"Kamusknopf", "K&amus", "Dream dictionary", {28, 320, 85, 24}},
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
     {980, 488},
     {"daftar", "isi", "simpan", "cetak", "tutup"},
     {{"daftar", "", "Your readings of earlier weeks, newest first", {0, 0, 300, 449}},
      {"isi", "", "", {307, 0, 673, 449}},
      {"simpan", "&Simpan...", "Save (Ctrl+S)", {673, 456, 89, 25}},
      {"cetak", "&Cetak...", "Print (Ctrl+P)", {770, 456, 89, 25}},
      {"tutup", "&Tutup", "Close", {867, 456, 89, 25}}}},
    // Laid out by its layouts, at the size they ask for at the desktop's
    // font size: every control is there, inside the window and clear of
    // the others, wherever the layouts put it.
    {"wetonform",
     "Weton",
     {},
     {"pasangan", "pasanganTanggal", "pasanganWaktu", "pasanganTidaktahu", "*baca", "tutup"},
     {{"Image1", "", "", {}},
      {"judul", "Weton dan jodoh", "Your weton and your match", {}},
      {"lahirLabel", "Kelahiran Anda", "Your birth, as entered in the main window", {}},
      {"lahirAnda", "9 Mei 1966, pukul 12.00", "Change it in the main window", {}},
      {"wetonAnda", "Senin Legi, neptu 9", "Your weton and its neptu", {}},
      {"pasangan", "&Pasangan", "Add a partner's birthday to see whether your wetons match", {}},
      {"tanggalLabel", "Tanggal lahir", "Partner's birthday", {}},
      {"pasanganTanggal", "09/05/1966", "Enter your partner's birthday", {}},
      {"waktuLabel", "Waktu lahir", "Partner's time of birth", {}},
      {"pasanganWaktu", "12:00", "Your partner's time of birth", {}},
      {"pasanganTidaktahu", "tidak tahu", "don't know", {}},
      {"wetonPasangan", "", "Your partner's weton and its neptu", {}},
      {"jodoh", "", "Your match", {}},
      {"hariIni", "Hari ini: Senin Pon", "Today's weton", {}},
      {"baca", "&Baca weton", "Write your weton reading", {}},
      {"tutup", "&Tutup", "Close", {}}}},
    // Made on first use; laid out by its layouts like the weton window.
    {"kamusform",
     "Kamus Mimpi",
     {},
     {"cari", "daftar", "arti", "*tampilkan", "tutup"},
     {{"cariLabel", "&Cari gambar mimpi:", "", {}},
      {"cari", "", "Type a dream picture in Indonesian or English", {}},
      {"daftar", "", "Dream pictures: Space ticks one for the reading", {}},
      {"arti", "", "What the dream picture means", {}},
      {"dipilih",
       "Centang beberapa gambar (Spasi) untuk satu mimpi.<br><span style=\"color:#0000ff\">Tick several pictures "
       "(Space) "
       "for one dream.</span>",
       "",
       {}},
      {"tampilkan", "&Tampilkan", "Show the meanings as a reading", {}},
      {"tutup", "T&utup", "Close", {}}}},
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

// The controls of a window laid out by its layouts lie inside it, and none
// lies over another.
::testing::AssertionResult clearOfEachOther(QWidget* window, const std::vector<Control>& controls)
{
    std::vector<QWidget*> placed;
    for (const Control& c : controls) {
        QWidget* widget = window->findChild<QWidget*>(c.name, Qt::FindDirectChildrenOnly);
        if (!widget)
            return ::testing::AssertionFailure() << c.name << " is not one of the window's own controls";
        if (!window->rect().contains(widget->geometry()))
            return ::testing::AssertionFailure() << c.name << " reaches outside the window";
        for (QWidget* other : placed)
            if (other->geometry().intersects(widget->geometry()))
                return ::testing::AssertionFailure() << c.name << " lies over " << other->objectName().toStdString();
        placed.push_back(widget);
    }
    return ::testing::AssertionSuccess();
}

class Windows : public ::testing::Test, public MainWindowFixture {};

TEST_F(Windows, HaveTheirTitleSizeKeysAndEachControlsCaptionHintAndPlace)
{
    Program program(services());
    const QList<QWidget*> windows = everyWindow(program);
    for (int i = 0; const Window& expected : kWindows) {
        QWidget* window = windows.value(i++);
        ASSERT_TRUE(window && window->objectName() == expected.name) << expected.name;
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(window->windowTitle().toStdString(), expected.title);
        if (expected.size.isEmpty()) {
            EXPECT_EQ(window->size(), window->sizeHint());
        } else {
            EXPECT_EQ(window->size(), expected.size);
        }
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
        if (expected.size.isEmpty()) {
            EXPECT_TRUE(clearOfEachOther(window, expected.controls));
        }
    }
}

}  // namespace
