// The dream window and its dialogs by keyboard alone: where each showing
// puts the focus, Tab through the groups, the arrows, Enter and Escape.

#include "support/dreamfixture.h"

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class DreamKeyboard : public DreamWindow {
protected:
    ~DreamKeyboard() override
    {
        for (QWidget* window : std::initializer_list<QWidget*>{&dream, &death, &river, &tooth, &output})
            window->hide();
    }

    static void showActive(QWidget* window)
    {
        window->show();
        // The offscreen platform does not activate a window shown again
        // right after it was hidden; the application is told directly.
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_EQ(QApplication::activeWindow(), window);
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), key, modifiers);
    }

    static QWidget* item(RadioGroup* group, int index) { return group->findChildren<QRadioButton*>().value(index); }

    static std::string nameOf(const QWidget* widget)
    {
        if (!widget)
            return "nothing";
        const QWidget* parent = widget->parentWidget();
        return (parent && qobject_cast<const RadioGroup*>(parent) ? parent->objectName() + "/" : QString())
                   .toStdString() +
               (qobject_cast<const QRadioButton*>(widget) ? static_cast<const QRadioButton*>(widget)->text()
                                                          : widget->objectName())
                   .toStdString();
    }

    // Runs the keys in order, checking where the focus is after each.
    void walk(const std::vector<std::pair<QKeyCombination, QWidget*>>& steps)
    {
        for (const auto& [key, expected] : steps) {
            press(key.key(), key.keyboardModifiers());
            EXPECT_EQ(nameOf(focused()), nameOf(expected)) << "after key " << key.toCombined();
        }
    }
};

TEST_F(DreamKeyboard, OpensOnTheSelectedFeelingAtEveryShowing)
{
    AutoClose reading(&output);
    showActive(&dream);
    EXPECT_EQ(nameOf(focused()), nameOf(item(ui().gefuehl, 2)));
    press(Qt::Key_Space);  // as right after "&Mimpi": nothing is read, nothing changes
    EXPECT_EQ(reading.shown, 0);
    EXPECT_EQ(ui().gefuehl->itemIndex(), 2);

    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);  // on "Arti mimpi Anda" when the window is closed
    press(Qt::Key_Escape);
    ASSERT_FALSE(dream.isVisible());
    showActive(&dream);
    EXPECT_EQ(nameOf(focused()), nameOf(item(ui().gefuehl, 3)));

    // Changed while the window is closed and the focus last left the group
    // from another item.
    press(Qt::Key_Tab);
    press(Qt::Key_Escape);
    ui().gefuehl->setItemIndex(0);
    showActive(&dream);
    EXPECT_EQ(nameOf(focused()), nameOf(item(ui().gefuehl, 0)));
    EXPECT_EQ(reading.shown, 0);
}

TEST_F(DreamKeyboard, EachQuestionOpensOnItsFirstControl)
{
    const std::pair<QDialog*, QWidget*> dialogs[] = {
        {&death, death.controls().kanal},
        {&river, item(river.controls().janein, 1)},  // the chosen answer
        {&tooth, tooth.controls().zahnoben},
    };
    river.controls().janein->setItemIndex(1);
    for (const auto& [dialog, first] : dialogs) {
        for (int showing = 0; showing < 2; ++showing) {
            QWidget* focusAtShow = nullptr;
            QTimer::singleShot(0, dialog, [&, dialog = dialog] {
                focusAtShow = dialog->focusWidget();
                // Leave the focus elsewhere: the next showing starts over.
                dialog->findChild<QPushButton*>()->setFocus();
                dialog->reject();
            });
            dialog->exec();
            EXPECT_EQ(nameOf(focusAtShow), nameOf(first)) << dialog->objectName().toStdString() << showing;
        }
    }
}

TEST_F(DreamKeyboard, TabEntersEachGroupOnItsSelectedItemAndLeavesIt)
{
    ui().gefuehl->setItemIndex(0);
    ui().farbe->setItemIndex(2);
    showActive(&dream);
    QWidget* feeling = item(ui().gefuehl, 0);
    QWidget* colour = item(ui().farbe, 2);
    walk({{Qt::Key_Tab, colour},
          {Qt::Key_Tab, ui().Button1},
          {Qt::Key_Tab, ui().tiger},
          {Qt::SHIFT | Qt::Key_Tab, ui().Button1},
          {Qt::SHIFT | Qt::Key_Tab, colour},
          {Qt::SHIFT | Qt::Key_Tab, feeling},
          {Qt::SHIFT | Qt::Key_Tab, ui().trans},
          {Qt::Key_Tab, feeling}});
    press(Qt::Key_Space);
    EXPECT_EQ(ui().gefuehl->itemIndex(), 0);
    EXPECT_EQ(ui().farbe->itemIndex(), 2);

    // A press on another item, let go beside it, focuses without choosing;
    // coming back by keyboard still lands on the answer given.
    QWidget* pressed = item(ui().gefuehl, 2);
    QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(5, pressed->height() / 2));
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(-20, -20));
    ASSERT_EQ(nameOf(focused()), nameOf(pressed));
    EXPECT_EQ(ui().gefuehl->itemIndex(), 0);
    walk({{Qt::Key_Tab, colour}, {Qt::SHIFT | Qt::Key_Tab, feeling}});

    river.controls().janein->setItemIndex(1);
    showActive(&river);
    QWidget* answer = item(river.controls().janein, 1);
    answer->setFocus();
    walk({{Qt::Key_Tab, river.controls().Button1},
          {Qt::Key_Tab, answer},
          {Qt::SHIFT | Qt::Key_Tab, river.controls().Button1},
          {Qt::SHIFT | Qt::Key_Tab, answer},
          {Qt::Key_Space, answer}});
    EXPECT_EQ(river.answer(), 1);
}

TEST_F(DreamKeyboard, ArrowsMoveTheSelectionAndWrapAtTheEnds)
{
    struct Case {
        RadioGroup* group;
        int from;
        Qt::Key key;
        int to;
    };
    // clang-format off
    const Case cases[] = {
        {ui().gefuehl, 2, Qt::Key_Down, 3},  {ui().gefuehl, 3, Qt::Key_Down, 0}, {ui().gefuehl, 0, Qt::Key_Up, 3},
        {ui().gefuehl, 1, Qt::Key_Right, 2}, {ui().gefuehl, 1, Qt::Key_Left, 0}, {ui().farbe, 2, Qt::Key_Right, 0},
        {ui().farbe, 1, Qt::Key_Up, 0},      {river.controls().janein, 0, Qt::Key_Up, 1},
        {river.controls().janein, 1, Qt::Key_Down, 0},
    };
    // clang-format on
    showActive(&dream);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group->objectName().toStdString() + " from " + std::to_string(c.from));
        if (c.group->window() != QApplication::activeWindow())
            showActive(c.group->window());
        c.group->setItemIndex(c.from);
        c.group->setFocus();  // focus given to the group goes to its selection
        ASSERT_EQ(nameOf(focused()), nameOf(item(c.group, c.from)));
        press(c.key);
        EXPECT_EQ(c.group->itemIndex(), c.to);
        EXPECT_EQ(nameOf(focused()), nameOf(item(c.group, c.to)));
    }
    EXPECT_EQ(ui().farbe->itemIndex(), 0);  // a group keeps its answer when the focus leaves
}

TEST_F(DreamKeyboard, EnterOnTheFlagSwitchesTheLanguageOnly)
{
    AutoClose reading(&output);
    showActive(&dream);
    walk({{Qt::SHIFT | Qt::Key_Tab, ui().trans}});
    press(Qt::Key_Return);
    EXPECT_EQ(ui().Button1->text(), "Meaning of yr dream");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ui().Button1->text(), "Arti mimpi Anda");
    EXPECT_EQ(reading.shown, 0);
    EXPECT_TRUE(dream.isVisible());
}

TEST_F(DreamKeyboard, EnterElsewhereInTheDreamWindowReads)
{
    AutoClose reading(&output);
    for (QWidget* start : std::initializer_list<QWidget*>{item(ui().gefuehl, 2), ui().tiger, ui().Button1}) {
        SCOPED_TRACE(nameOf(start));
        const int before = reading.shown;
        showActive(&dream);
        start->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(reading.shown, before + 1);
        EXPECT_FALSE(dream.isVisible());
    }
}

TEST_F(DreamKeyboard, EnterInTheDialogsPressesTheFocusedButtonOrTheDefault)
{
    // Only the river dialog has a default button; in the others Enter on a
    // check box leaves the dialog open.
    struct Case {
        QDialog* dialog;
        QWidget* start;
        bool closes;
    };
    // clang-format off
    const Case cases[] = {
        {&river, item(river.controls().janein, 0), true}, {&river, river.controls().Button1, true},
        {&death, death.controls().kanal, false},          {&death, death.controls().Button1, true},
        {&tooth, tooth.controls().zahnoben, false},       {&tooth, tooth.controls().Button1, true},
    };
    // clang-format on
    river.controls().janein->setItemIndex(1);  // kept whatever Enter does
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog->objectName().toStdString() + " " + nameOf(c.start));
        showActive(c.dialog);
        c.start->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(c.dialog->isVisible(), !c.closes);
        c.dialog->hide();
    }
    EXPECT_FALSE(death.known());
    EXPECT_FALSE(tooth.upperTooth());
    EXPECT_EQ(river.answer(), 1);
}

TEST_F(DreamKeyboard, EscapeClosesEveryDialogAndKeepsTheAnswers)
{
    death.controls().kanal->setChecked(true);
    death.controls().tdktahu->setChecked(true);
    river.controls().janein->setItemIndex(1);
    tooth.controls().zahnunten->setChecked(true);
    ui().anak->setChecked(true);
    ui().farbe->setItemIndex(0);
    output.setReading(readingOf({"an earlier reading"}));
    for (QWidget* window : std::initializer_list<QWidget*>{&death, &river, &tooth, &dream, &output}) {
        SCOPED_TRACE(window->objectName().toStdString());
        showActive(window);
        press(Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(death.known());
    EXPECT_FALSE(death.stillAlive());
    EXPECT_TRUE(death.unsure());
    EXPECT_EQ(river.answer(), 1);
    EXPECT_TRUE(tooth.lowerTooth());
    EXPECT_FALSE(tooth.upperTooth());
    EXPECT_TRUE(ui().anak->isChecked());
    EXPECT_EQ(ui().farbe->itemIndex(), 0);
    EXPECT_EQ(output.ausfenster()->toPlainText(), "an earlier reading");
}

}  // namespace
