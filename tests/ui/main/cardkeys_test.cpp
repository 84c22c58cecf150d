// The five dealt cards by keyboard: the focus, the keys that move it, the
// keys that take a card, and the golden frame that shows where the focus is.

#include "support/fakes.h"
#include "ui/main/Unit1.h"
#include "ui/main/cardimage.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class CardsByKeyboard : public ::testing::Test, public MainWindowFixture {
protected:
    // The main window shown and active.
    std::unique_ptr<TForm1> shownWindow()
    {
        auto form = makeWindow();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    // The same, the cards dealt.
    std::unique_ptr<TForm1> dealtWindow()
    {
        auto form = shownWindow();
        form->losgehts->trigger();
        return form;
    }
    static int focusedCard(const TForm1& form)
    {
        for (int i = 0; i < 5; ++i)
            if (form.cards()[static_cast<std::size_t>(i)]->hasFocus())
                return i + 1;
        return 0;
    }
};

TEST_F(CardsByKeyboard, TheFirstCardHasTheFocusAndTheKeysMoveItInCardOrder)
{
    const auto form = dealtWindow();
    EXPECT_EQ(focusedCard(*form), 1);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Tab, 2},     {Qt::Key_Tab, 3},  {Qt::Key_Tab, 4}, {Qt::Key_Tab, 5},   {Qt::Key_Tab, 1},
        {Qt::Key_Backtab, 5}, {Qt::Key_Left, 4}, {Qt::Key_Up, 3},  {Qt::Key_Right, 4}, {Qt::Key_Down, 5},
    };
    for (const auto& [key, card] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(focusedCard(*form), card) << key;
    }
}

TEST_F(CardsByKeyboard, SpaceOrEnterTakesTheFocusedCardAsAClickWould)
{
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        const auto form = dealtWindow();
        AutoClose closer(&output);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(closer.shown, 1) << key;
        EXPECT_EQ(form->weekly().card(), 3) << key;
        EXPECT_EQ(form->weekly().draws().back().card, 3);
        EXPECT_TRUE(form->findChild<QWidget*>("Ramalanknopf")->isVisibleTo(form.get()));  // back in entry mode
        // The focus comes back to where the reading was asked for.
        EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>("Ramalanknopf")) << key;
        QFile::remove(recordPath());
    }
}

TEST_F(CardsByKeyboard, KeysPressedDuringTheDealTakeNoCard)
{
    auto form = makeWindow();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    AutoClose closer(&output);
    // Keys that arrive while the deal pauses wait in the queue.
    *onWait = [&form](double) {
        for (QWidget* target : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->cards()[0])}) {
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " "));
        }
    };
    form->losgehts->trigger();
    *onWait = nullptr;
    processEvents();
    EXPECT_EQ(closer.shown, 0);
    EXPECT_EQ(form->weekly().card(), 0);
    EXPECT_TRUE(form->cards()[0]->hasFocus());
    // Keys pressed now count.
    QTest::keyClick(form->cards()[0], Qt::Key_Space);
    EXPECT_EQ(closer.shown, 1);
}

TEST_F(CardsByKeyboard, TheGoldenFrameShowsAtOnceAfterADealByKeysElseOnceKeysMoveOnTopOfAnyCard)
{
    const auto form = shownWindow();
    const auto cards = form->cards();
    auto* ramalan = form->findChild<QPushButton*>("Ramalanknopf");
    auto* children = form->findChild<QWidget*>("SpinEdit1");
    // The gold at the middle of a card's top edge, as the window shows it.
    const auto framed = [&form](const TDoubleImage* card) {
        const QPoint top = card->geometry().topLeft() + QPoint(card->width() / 2, 2);
        return form->grab(QRect(top, QSize(1, 1))).toImage().pixelColor(0, 0) == QColor(255, 204, 64);
    };
    const auto screenReaderPress = [ramalan] {
        QAccessible::queryAccessibleInterface(ramalan)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    };
    struct Deal {
        const char* how;
        std::function<void()> start;
        bool framedAtOnce;
    };
    // clang-format off
    const Deal deals[] = {
        {"a click on Ramalan", [&] { QTest::mouseClick(ramalan, Qt::LeftButton); }, false},
        {"Enter on Ramalan", [&] { QTest::keyClick(ramalan, Qt::Key_Return); }, true},
        {"a click again", [&] { QTest::mouseClick(ramalan, Qt::LeftButton); }, false},
        {"Enter in the children field", [&] {
             children->setFocus(Qt::TabFocusReason);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
         }, true},
        {"Alt+R", [&] { QTest::keyClick(form->windowHandle(), Qt::Key_R, Qt::AltModifier); }, true},
        {"a screen reader's press", screenReaderPress, true},
        {"a press let go beside Ramalan, then a screen reader's press", [&] {
             QTest::mousePress(ramalan, Qt::LeftButton);
             QTest::mouseRelease(ramalan, Qt::LeftButton, {}, QPoint(-20, -20));
             screenReaderPress();
         }, true},
    };
    // clang-format on
    for (const Deal& deal : deals) {
        form->enterEntryMode();
        ramalan->setFocus(Qt::TabFocusReason);
        deal.start();
        // Alt+R and a screen reader press the button a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return cards[0]->hasFocus(); }, 5000)) << deal.how;
        EXPECT_EQ(framed(cards[0]), deal.framedAtOnce) << deal.how;
        // Keys moving between the cards bring it, however the deal began.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_TRUE(framed(cards[4])) << deal.how;
        EXPECT_FALSE(framed(cards[0])) << deal.how;
    }

    // After a click, Tab brings the frame, and it lies over the card on top:
    // the third card, dealt after the second, lies over its upper part.
    form->enterEntryMode();
    QTest::mouseClick(ramalan, Qt::LeftButton);
    ASSERT_TRUE(cards[0]->hasFocus());
    cards[1]->move(300, 200);
    cards[2]->move(310, 170);
    EXPECT_FALSE(framed(cards[0])) << "a reader with the mouse sees no frame";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(cards[1]->hasFocus());
    EXPECT_TRUE(framed(cards[1])) << "the frame lies over the card on top";
    // The mouse goes through the frame to the card beneath it.
    EXPECT_EQ(form->childAt(cards[1]->geometry().bottomLeft() + QPoint(5, -5)), cards[1]);
}

}  // namespace
