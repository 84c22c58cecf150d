// The main window driven by keys alone, as a reader without a mouse uses it:
// the Tab order, the date and time fields as single stops, and the children
// field that takes any typed number and corrects it on the way out; and
// Enter on the buttons of the windows a reading opens.

#include "app/program.h"
#include "core/calendar.h"
#include "support/fakes.h"
#include "ui/about/spende.h"
#include "ui/main/Unit1.h"
#include "ui/output/riwayat.h"
#include "ui/shared/birthtimeedit.h"

#include <QApplication>
#include <QDateEdit>
#include <QDesktopServices>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace temparoka;
using namespace temparoka::test;

namespace {

// The keyboard order of the window's controls, from "&Ramalan" on.
const std::vector<std::string> kTabOrder = {"Ramalanknopf", "Button2", "gebzeit", "SpinEdit1",  "gebdat",    "Keluar",
                                            "Tidaktahu",    "ueber",   "kindNW",  "Wetonknopf", "Kamusknopf"};

class Keyboard : public ::testing::Test, public MainWindowFixture {
protected:
    // The window shown and active, so that keys go where the focus is.
    std::unique_ptr<TForm1> shownWindow()
    {
        auto form = makeWindow();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    // The window's own control holding the focus, not the line editor
    // inside a field.
    static std::string focused(const TForm1& form)
    {
        QWidget* widget = QApplication::focusWidget();
        while (widget && widget->parentWidget() != &form)
            widget = widget->parentWidget();
        return widget ? widget->objectName().toStdString() : "(none)";
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        QTest::keyClick(target, key, modifiers);
    }

    static void type(const QString& text)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        QTest::keyClicks(target, text);
    }

    // Tabs from "&Ramalan" to the control at the given place in the order.
    static void tabTo(const TForm1& form, const std::string& name)
    {
        control<QWidget>(form, "Ramalanknopf")->setFocus(Qt::TabFocusReason);
        for (const std::string& stop : kTabOrder) {
            if (focused(form) == name)
                return;
            EXPECT_EQ(focused(form), stop);
            press(Qt::Key_Tab);
        }
        ASSERT_EQ(focused(form), name);
    }
};

TEST_F(Keyboard, TabWalksTheWindowInItsKeyboardOrderBothWays)
{
    const auto form = shownWindow();
    EXPECT_EQ(focused(*form), "Ramalanknopf");  // first in the order

    std::vector<std::string> forwards;
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        press(Qt::Key_Tab);
        forwards.push_back(focused(*form));
    }
    std::vector<std::string> expected(kTabOrder.begin() + 1, kTabOrder.end());
    expected.push_back(kTabOrder.front());  // round to the start again
    EXPECT_EQ(forwards, expected);

    std::vector<std::string> backwards;
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        backwards.push_back(focused(*form));
    }
    expected.assign(kTabOrder.rbegin(), kTabOrder.rend());
    EXPECT_EQ(backwards, expected);
}

TEST_F(Keyboard, TabLeavesTheDateAndTimeFieldsFromAnyPart)
{
    const auto form = shownWindow();
    struct Case {
        std::string field;
        int parts;
        std::string afterTab;
        std::string afterShiftTab;
    };
    // clang-format off
    const Case cases[] = {
        {"gebdat", 3, "Keluar", "SpinEdit1"},
        {"gebzeit", 2, "SpinEdit1", "Button2"},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (int part = 0; part < c.parts; ++part) {
            for (const bool backwards : {false, true}) {
                auto* edit = control<QDateTimeEdit>(*form, c.field);
                edit->setFocus(Qt::TabFocusReason);
                for (int i = 0; i < part; ++i)
                    press(Qt::Key_Right);
                ASSERT_EQ(edit->currentSectionIndex(), part) << c.field;
                press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
                EXPECT_EQ(focused(*form), backwards ? c.afterShiftTab : c.afterTab)
                    << c.field << " part " << part << (backwards ? " Shift+Tab" : " Tab");
            }
        }
    }
}

TEST_F(Keyboard, LeftAndRightMoveBetweenThePartsAndStopAtTheEnds)
{
    const auto form = shownWindow();
    struct Case {
        std::string field;
        QDateTimeEdit::Section first;  // where arriving by Tab puts the reader
        std::vector<Qt::Key> keys;
        std::vector<QDateTimeEdit::Section> sections;  // after each key
    };
    using S = QDateTimeEdit::Section;
    // clang-format off
    const Case cases[] = {
        {"gebdat", S::DaySection,
         {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left},
         {S::DaySection, S::MonthSection, S::YearSection, S::YearSection, S::MonthSection, S::DaySection}},
        {"gebzeit", S::HourSection,
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left},
         {S::MinuteSection, S::MinuteSection, S::HourSection, S::HourSection}},
    };
    // clang-format on
    for (const Case& c : cases) {
        auto* edit = control<QDateTimeEdit>(*form, c.field);
        edit->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(edit->currentSection(), c.first) << c.field;
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            press(c.keys[i]);
            EXPECT_EQ(edit->currentSection(), c.sections[i]) << c.field << " key " << i;
            EXPECT_TRUE(edit->hasFocus()) << c.field;
        }
    }
}

TEST_F(Keyboard, DigitsGoIntoThePartThatRightSelectedYearsUpToTodaysAndAChildOf2015ReadsBand2)
{
    const auto form = shownWindow();
    tabTo(*form, "gebzeit");
    press(Qt::Key_Right);
    type("45");
    press(Qt::Key_Tab);
    // Hours untouched, the hidden second of 12:00:01 kept.
    EXPECT_EQ(form->timeOfBirth(), (12 * 3600 + 45 * 60 + 1) / 86400.0);

    // A year up to today's (Monday 7 December 2026) is taken, a later one
    // or one before 1900 is refused, and the reader is told.
    auto* date = control<QDateEdit>(*form, "gebdat");
    const QDate initial(1966, 5, 9);
    const std::pair<QString, QDate> years[] = {
        {"1990", QDate(1990, 5, 9)}, {"2026", QDate(2026, 5, 9)}, {"2027", initial},
        {"1899", initial},           {"2015", QDate(2015, 5, 9)},
    };
    for (const auto& [year, taken] : years) {
        ErrorBoxRecorder box;
        date->setDate(initial);
        tabTo(*form, "gebdat");
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        type(year);
        press(Qt::Key_Tab);
        EXPECT_EQ(form->birthday(), static_cast<double>(dayNumberOfDate(taken))) << year.toStdString();
        EXPECT_EQ(box.texts.size(), taken == initial ? 1 : 0) << year.toStdString();
    }
    // A child of 2015, 11 calendar years old: band 2, which card 3 keeps.
    AutoClose reading(&output);
    date->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);  // the deal; card 1 has the focus
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    ASSERT_EQ(reading.shown, 1);
    EXPECT_EQ(form->weekly().history().back(), (PredictionRecord{2, 3, 1, 50}));
}

TEST_F(Keyboard, EnterInsideTheBirthFieldsPressesRamalan)
{
    const auto form = shownWindow();
    QSignalSpy ramalan(form->losgehts, &QAction::triggered);
    int presses = 0;
    for (const std::string field : {"gebdat", "gebzeit", "SpinEdit1"}) {
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
            tabTo(*form, field);
            press(Qt::Key_Right);
            press(enter);
            EXPECT_EQ(ramalan.count(), ++presses) << field;
            form->enterEntryMode();  // each press opened a draw
        }
    }
}

TEST_F(Keyboard, ATypedChildrenCountIsKeptWhileTypingAndBroughtIntoTheRangeOnLeaving)
{
    const double today = static_cast<double>(dayNumberOfDate(QDate(2003, 10, 11)));
    struct Case {
        const char* what;
        QDate birthday;  // invalid: the birthday is left alone, maximum 10
        QString typed;
        int maximum;
        int whileTyping;  // children() with the typed text still in the field
        int afterTab;
    };
    // clang-format off
    const Case cases[] = {
        {"above the form's maximum", {}, "15", 10, 10, 10},
        {"above a limit of 1", QDate(2003, 10, 11), "5", 1, 1, 1},
        {"above a limit of 1, two digits", QDate(1995, 1, 1), "12", 1, 1, 1},
        {"inside the range", {}, "7", 10, 7, 7},
        {"the maximum itself", {}, "10", 10, 10, 10},
        {"a leading zero", {}, "07", 10, 7, 7},
        {"below the minimum", {}, "-3", 10, 0, 0},
        {"a lone sign", {}, "-", 10, 0, 0},
        {"far too many digits", {}, "123456789012", 10, 10, 10},
        {"an emptied field", {}, "", 10, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        clock->set(today + 0.5);
        const auto form = shownWindow();
        auto* spin = control<QSpinBox>(*form, "SpinEdit1");
        if (c.birthday.isValid())
            control<QDateEdit>(*form, "gebdat")->setDate(c.birthday);
        ASSERT_EQ(spin->maximum(), c.maximum) << c.what;

        spin->setValue(4);
        spin->setFocus(Qt::TabFocusReason);  // arriving by Tab selects the number
        press(Qt::Key_Backspace);
        type(c.typed);
        EXPECT_EQ(spin->text().toStdString(), c.typed.toStdString()) << c.what << ": no keystroke refused";
        EXPECT_EQ(form->children(), c.whileTyping) << c.what;
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(*form), "gebdat") << c.what;
        EXPECT_EQ(spin->text().toStdString(), std::to_string(c.afterTab)) << c.what;
        EXPECT_EQ(spin->value(), c.afterTab) << c.what;
        EXPECT_EQ(form->children(), c.afterTab) << c.what;
    }
}

TEST_F(Keyboard, ChildrenArrowsStayInsideTheRangeAndCorrectATypedNumber)
{
    const auto form = shownWindow();
    auto* spin = control<QSpinBox>(*form, "SpinEdit1");
    spin->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    EXPECT_EQ(spin->value(), 0);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(spin->value(), 2);

    type("15");
    press(Qt::Key_Up);  // the typed number is put right first, not stepped from
    EXPECT_EQ(spin->value(), 10);
    EXPECT_EQ(spin->text().toStdString(), "10");
}

TEST_F(Keyboard, KeysTypedDuringTheDealAreDroppedAndCtrlHWorksAgainInEntryMode)
{
    Program program({clock, nativeFolder(folder), sound, [this](double seconds) {
                         if (*onWait)
                             (*onWait)(seconds);
                     }});
    TForm1& form = program.Form1();
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    AutoClose reading(&program.ausform());
    AutoClose earlier(&program.riwayat());
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, Qt::NoModifier},  // would take the first card
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_H, Qt::ControlModifier},  // would open the earlier readings
    };
    for (const auto& [key, modifiers] : keys) {
        // The key reaches the window as the system hands it over: it waits
        // while the deal pauses and is read once the cards lie there.
        bool typed = false;
        *onWait = [&](double) {
            if (!std::exchange(typed, true))
                QMetaObject::invokeMethod(
                    &form, [&] { QTest::keyClick(form.windowHandle(), key, modifiers); }, Qt::QueuedConnection);
        };
        form.losgehts->trigger();
        *onWait = nullptr;
        processEvents();
        ASSERT_TRUE(typed);
        EXPECT_EQ(form.weekly().card(), 0) << key;
        EXPECT_EQ(reading.shown + earlier.shown, 0) << key;
        form.enterEntryMode();
    }
    QTest::keyClick(form.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(earlier.shown, 1);
}

// Takes the web page the donation window asks for, so that no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

TEST_F(Keyboard, EnterPressesTheFocusedButtonOfTheOutputAndDonationWindows)
{
    Program program(services());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    AutoClose donationCloses(&program.SpendeForm());  // as "Support Temparoka" opens it
    const std::pair<DialogOnFirstUse*, const char*> buttons[] = {
        {&program.ausform(), "SpendeKnopf"},
        {&program.ausform(), "ende"},
        {&program.SpendeForm(), "BitBtn1"},
    };
    for (const auto& [window, name] : buttons) {
        window->buildControls();  // as they are once it has been shown
        auto* button = window->findChild<QPushButton*>(name);
        ASSERT_TRUE(button) << name;
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);  // sent where the focus would send it
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(clicked.count(), 2) << name;
    }
    EXPECT_EQ(donationCloses.shown, 2);
    EXPECT_EQ(catcher.opened.size(), 2);
    QDesktopServices::unsetUrlHandler("https");
}

}  // namespace

#include "keyboard_test.moc"
