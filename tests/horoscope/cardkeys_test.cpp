// The five dealt cards by keyboard: the focus, the keys that move it, the
// keys that take a card, and the golden frame that shows where the focus is.

#include "app/Unit1.h"
#include "horoscope/DoubleImage.h"
#include "support/fakes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class CardsByKeyboard : public ::testing::Test, public MainWindowFixture {
protected:
    // The main window shown and active, the cards dealt.
    std::unique_ptr<TForm1> dealtWindow()
    {
        auto form = makeWindow();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
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
        EXPECT_EQ(form->karte, 3) << key;
        EXPECT_EQ(form->wuerfe.back().card, 3);
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
    EXPECT_EQ(form->karte, 0);
    EXPECT_TRUE(form->cards()[0]->hasFocus());
    // Keys pressed now count.
    QTest::keyClick(form->cards()[0], Qt::Key_Space);
    EXPECT_EQ(closer.shown, 1);
}

TEST_F(CardsByKeyboard, TheGoldenFrameShowsOnceKeysMoveBetweenTheCardsOnTopOfAnyCard)
{
    const auto form = dealtWindow();
    const auto cards = form->cards();
    // The third card, dealt after the second, lies over its upper part.
    cards[1]->move(300, 200);
    cards[2]->move(310, 170);
    // The gold at the middle of a card's top edge, as the window shows it.
    const auto framed = [&form](const TDoubleImage* card) {
        const QPoint top = card->geometry().topLeft() + QPoint(card->width() / 2, 2);
        return form->grab(QRect(top, QSize(1, 1))).toImage().pixelColor(0, 0) == QColor(255, 204, 64);
    };
    EXPECT_FALSE(framed(cards[0])) << "a reader with the mouse sees no frame";

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(cards[1]->hasFocus());
    EXPECT_TRUE(framed(cards[1])) << "the frame lies over the card on top";
    // The mouse goes through the frame to the card beneath it.
    EXPECT_EQ(form->childAt(cards[1]->geometry().bottomLeft() + QPoint(5, -5)), cards[1]);

    // Each deal starts without it again; an arrow brings it back.
    form->enterEntryMode();
    form->losgehts->trigger();
    ASSERT_TRUE(cards[0]->hasFocus());
    EXPECT_FALSE(framed(cards[0]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(framed(cards[4]));
    EXPECT_FALSE(framed(cards[0]));
}

}  // namespace
