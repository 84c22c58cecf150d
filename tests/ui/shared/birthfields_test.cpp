// Dates and times typed key by key into the birth fields of the main window
// and of the weton window, as a reader types them: taken as typed when they
// exist and lie in the field's range, refused otherwise with a message in
// both languages while the field keeps what it held. Today is Monday
// 7 December 2026; both date fields take 1 January 1900 to today.

#include "support/fakes.h"
#include "ui/main/Unit1.h"
#include "ui/shared/birthfields.h"
#include "ui/shared/birthtimeedit.h"
#include "ui/weton/wetonform.h"
#include "ui_wetonform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class BirthFields : public ::testing::Test, public MainWindowFixture {
protected:
    BirthFields() : form(makeWindow()), weton(services().readingServices(), output)
    {
        form->setWetonWindow([this]() -> Twetonform& { return weton; });
    }

    // The window of the field shown and active, so that keys go where the
    // focus is; in the weton window the partner is ticked.
    template <typename T>
    T* field(const char* name)
    {
        const bool inWeton = std::string(name).rfind("pasangan", 0) == 0;
        QWidget* window = inWeton ? static_cast<QWidget*>(&weton) : form.get();
        if (!window->isVisible()) {
            window->show();
            if (inWeton)
                weton.controls().pasangan->setChecked(true);
        }
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    // Digits and separators are typed as they stand; B is Backspace, D
    // Delete, L and R the arrows, T Tab, E Enter, X Escape, P Ctrl+V of
    // "29.02.2000", C a click on the field's first part, and M a click on
    // another field of the window.
    void keys(QDateTimeEdit* edit, const QString& sequence)
    {
        // A reading shown before took the window's focus for a while.
        QApplication::setActiveWindow(edit->window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(edit->window()));
        // Arriving by Tab selects the first part.
        edit->clearFocus();
        edit->setFocus(Qt::TabFocusReason);
        for (const QChar key : sequence) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_TRUE(target);
            switch (key.unicode()) {
            // clang-format off
            case 'B': QTest::keyClick(target, Qt::Key_Backspace); break;
            case 'D': QTest::keyClick(target, Qt::Key_Delete); break;
            case 'L': QTest::keyClick(target, Qt::Key_Left); break;
            case 'R': QTest::keyClick(target, Qt::Key_Right); break;
            case 'T': QTest::keyClick(target, Qt::Key_Tab); break;
            case 'E': QTest::keyClick(target, Qt::Key_Return); break;
            case 'X': QTest::keyClick(target, Qt::Key_Escape); break;
            // clang-format on
            case 'P':
                QGuiApplication::clipboard()->setText(QStringLiteral("29.02.2000"));
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
                break;
            case 'C': {
                auto* text = edit->findChild<QLineEdit*>();
                QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
                break;
            }
            case 'M': {
                Ui::Twetonform& partner = weton.controls();
                QWidget* other = edit->window() != &weton          ? form->findChild<QWidget*>("SpinEdit1")
                                 : edit == partner.pasanganTanggal ? static_cast<QWidget*>(partner.pasanganWaktu)
                                                                   : partner.pasanganTanggal;
                QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(5, 5));
                processEvents();  // where the refusal is told once the focus has moved
                break;
            }
            default:
                QTest::keyClicks(target, QString(key));
            }
        }
    }

    // What the reader was told, if anything: one message of two lines,
    // Indonesian and English, each naming what was typed.
    static void expectTold(const ErrorBoxRecorder& box, const std::string& told, const std::string& what)
    {
        if (told.empty()) {
            EXPECT_TRUE(box.texts.isEmpty()) << what << ": " << box.texts.join(" | ").toStdString();
            return;
        }
        ASSERT_EQ(box.texts.size(), 1) << what;
        const QStringList lines = box.texts.front().split('\n');
        ASSERT_EQ(lines.size(), 2) << what;
        EXPECT_TRUE(lines[0].contains(QString::fromStdString(told)) && lines[0].contains("tetap")) << what;
        EXPECT_TRUE(lines[1].contains(QString::fromStdString(told)) && lines[1].contains("stays")) << what;
    }

    std::unique_ptr<TForm1> form;
    Twetonform weton;
};

TEST_F(BirthFields, TypedDatesAndTimesArriveAsTypedOrAreRefusedAndTheFieldKeepsItsValue)
{
    AutoClose readings(&output);  // Enter in the weton window writes its reading
    QSignalSpy ramalan(form->losgehts, &QAction::triggered);
    struct DateCase {
        const char* what;
        QDate start;
        const char* keys;
        QDate held;  // afterwards
        const char* told;  // what the refusal names, or nothing
    };
    const QDate may1966(1966, 5, 9), april2000(2000, 4, 9), thisYear(2026, 12, 1), common(1999, 6, 15);
    // clang-format off
    const DateCase dates[] = {
        {"a leap day while the field holds a common year", common, "29022000", QDate(2000, 2, 29), ""},
        {"a leap day pasted while the field holds a common year", common, "P", QDate(2000, 2, 29), ""},
        {"a leap day of a common year", common, "29021989", common, "29/02/1989"},
        {"a date long ago while the field holds this year's", thisYear, "15061985", QDate(1985, 6, 15), ""},
        {"tomorrow", thisYear, "08122026", thisYear, "08/12/2026"},
        {"31 typed into a month of 30 days, then May", april2000, "31052000", QDate(2000, 5, 31), ""},
        {"31 April", may1966, "31041966", may1966, "31/04/1966"},
        {"31 typed into April, then Tab", april2000, "31T", april2000, "31/04/2000"},
        {"31 typed into April, then Enter", april2000, "31E", april2000, "31/04/2000"},
        {"31 typed into April, then a click elsewhere", april2000, "31M", april2000, "31/04/2000"},
        {"30 typed into April, then Tab", april2000, "30T", QDate(2000, 4, 30), ""},
        {"30 typed into April, then Enter", april2000, "30E", QDate(2000, 4, 30), ""},
        {"backspace in the middle", may1966, "1507BB061985", QDate(1985, 6, 15), ""},
        {"a first digit taken back", may1966, "3B15061985", QDate(1985, 6, 15), ""},
        {"delete puts a part back", may1966, "1507LDR1985", QDate(1985, 5, 15), ""},
        {"a click on the day while typing the year", may1966, "1506C16R1985", QDate(1985, 6, 16), ""},
        {"one digit and Right", may1966, "4R052001", QDate(2001, 5, 4), ""},
        {"separators typed between the parts", may1966, "4/5/2001", QDate(2001, 5, 4), ""},
        {"back to the day with Left", may1966, "1506LL16R1985", QDate(1985, 6, 16), ""},
        {"Escape forgets the typing", may1966, "3104XT", may1966, ""},
        {"the first of 1900", may1966, "01011900", QDate(1900, 1, 1), ""},
        {"the day before it", may1966, "31121899", may1966, "31/12/1899"},
        {"today", may1966, "07122026", QDate(2026, 12, 7), ""},
        {"far after today", may1966, "31122099", may1966, "31/12/2099"},
        {"a year of nothing", may1966, "01010000", may1966, "01/01/0000"},
    };
    // clang-format on
    for (const char* name : {"gebdat", "pasanganTanggal"}) {
        auto* edit = field<QDateEdit>(name);
        for (const DateCase& c : dates) {
            const std::string what = std::string(name) + ", " + c.what;
            edit->setDate(c.start);
            const int ramalanBefore = static_cast<int>(ramalan.count()), readingsBefore = readings.shown;
            ErrorBoxRecorder box;
            keys(edit, QString::fromLatin1(c.keys));
            EXPECT_EQ(edit->date(), c.held) << what;
            EXPECT_EQ(edit->text(), c.held.toString("dd/MM/yyyy")) << what << ": the field shows what it holds";
            // and the window reads it so.
            const bool main = std::string(name) == "gebdat";
            EXPECT_EQ(main ? static_cast<qint64>(form->birthday()) : weton.partner()->day, dayNumberOfDate(c.held))
                << what;
            expectTold(box, c.told, what);
            // Enter acts only on a date taken: "&Ramalan" or "Baca weton".
            const bool entered = QString::fromLatin1(c.keys).endsWith('E') && !*c.told;
            EXPECT_EQ(ramalan.count() - ramalanBefore + readings.shown - readingsBefore, entered ? 1 : 0) << what;
            form->enterEntryMode();
        }
    }

    struct TimeCase {
        const char* what;
        const char* keys;
        int minute;  // of the day, afterwards; each starts at 12:00
        const char* told;
    };
    // clang-format off
    const TimeCase times[] = {
        {"half past seven", "0730", 7 * 60 + 30, ""},
        {"a minute to midnight", "2359", 23 * 60 + 59, ""},
        {"an hour past the day", "2500", 12 * 60, "25:00"},
        {"a minute past the hour", "1261", 12 * 60, "12:61"},
        {"24 and Tab", "24T", 12 * 60, "24:00"},
        {"one digit and Tab", "9T", 9 * 60, ""},
        {"minutes only", "R45", 12 * 60 + 45, ""},
        {"a digit taken back", "2B1045", 10 * 60 + 45, ""},
        {"25, then a click elsewhere", "25M", 12 * 60, "25:00"},
    };
    // clang-format on
    for (const char* name : {"gebzeit", "pasanganWaktu"}) {
        auto* edit = field<BirthTimeEdit>(name);
        for (const TimeCase& c : times) {
            const std::string what = std::string(name) + ", " + c.what;
            edit->setValue(0.5 + 1.0 / 86400.0);  // 12:00:01
            ErrorBoxRecorder box;
            keys(edit, QString::fromLatin1(c.keys));
            const double expected = (c.minute * 60.0 + 1.0) / 86400.0;  // the hidden second stays
            EXPECT_NEAR(edit->value(), expected, 1e-9) << what;
            EXPECT_EQ(edit->text(), QTime(c.minute / 60, c.minute % 60).toString("HH:mm")) << what;
            expectTold(box, c.told, what);
        }
    }
}

TEST_F(BirthFields, AnAccessKeyActsOnTheTypedDateOrIsHeldBackWhenItIsRefused)
{
    auto* edit = field<QDateEdit>("gebdat");
    QSignalSpy ramalan(form->losgehts, &QAction::triggered);
    const std::pair<const char*, QDate> cases[] = {
        {"3104", QDate(1966, 5, 9)},  // 31 April 1966: Alt+R does nothing
        {"3105", QDate(1966, 5, 31)},  // Alt+R deals for 31 May 1966
    };
    auto* button = form->findChild<QPushButton*>("Ramalanknopf");
    for (const auto& [typed, held] : cases) {
        form->enterEntryMode();
        edit->setDate(QDate(1966, 5, 9));
        ErrorBoxRecorder box;
        keys(edit, typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        // An access key presses its button at once and releases it a moment later.
        const bool taken = held != QDate(1966, 5, 9);
        EXPECT_EQ(button->isDown(), taken) << typed;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isDown(); }, 2000)) << typed;
        processEvents();
        EXPECT_EQ(ramalan.count(), taken ? 1 : 0) << typed;
        EXPECT_EQ(box.texts.size(), taken ? 0 : 1) << typed;
        EXPECT_EQ(edit->date(), held) << typed;
        ramalan.clear();
    }
}

}  // namespace
