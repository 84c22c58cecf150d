// The dream window and its three dialogs through real events: the motifs,
// the dialogs asked on ticking, the language switch and the reading.

#include "sound/wavplayer.h"
#include "support/dreamfixture.h"

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

TEST_F(DreamWindow, TranslatingTwiceRestoresEveryCaptionHintAndItem)
{
    const auto snapshot = [&] {
        QStringList state;
        for (QWidget* w : dream.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            state << w->objectName() + "|" + w->toolTip() + "|" + w->property("hint").toString();
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                state << b->text();
            if (auto* g = qobject_cast<RadioGroup*>(w))
                state << g->title() << g->items();
        }
        return state;
    };
    const QStringList indonesian = snapshot();
    tick(ui().tiger);
    ui().gefuehl->setItemIndex(3);

    QTest::mouseClick(ui().trans, Qt::LeftButton);
    EXPECT_EQ(ui().laut->text(), "running away");
    EXPECT_EQ(ui().laut->toolTip(), "menyebrang sungai atau laut");
    EXPECT_EQ(ui().Button1->text(), "Meaning of yr dream");
    EXPECT_EQ(ui().Label1->text(), "What did you dream?");
    EXPECT_EQ(ui().gefuehl->title(), "the dream felt..");
    EXPECT_EQ(ui().gefuehl->items(), (QStringList{"freightening", "sad", "normal", "happy"}));
    EXPECT_EQ(ui().farbe->items(), (QStringList{"in colour", "black and white", "don't know"}));
    EXPECT_EQ(ui().trans->toolTip(), "translate this form");
    EXPECT_EQ(dream.windowTitle(), "Mimpi");
    EXPECT_TRUE(ui().tiger->isChecked());
    EXPECT_EQ(ui().gefuehl->itemIndex(), 3);

    QTest::mouseClick(ui().trans, Qt::LeftButton);
    EXPECT_EQ(snapshot(), indonesian);
}

TEST_F(DreamWindow, RiverAndToothDialogsAreAskedOnTickingOnly)
{
    AutoClose riverShown(&river), toothShown(&tooth);
    tick(ui().laut);
    EXPECT_EQ(riverShown.shown, 1);
    tick(ui().laut);  // unticked: nothing asked
    EXPECT_EQ(riverShown.shown, 1);
    tick(ui().laut);
    EXPECT_EQ(riverShown.shown, 2);

    tick(ui().gigicheck);
    tick(ui().gigicheck);
    EXPECT_EQ(toothShown.shown, 1);
    EXPECT_EQ(riverShown.shown, 2);
}

TEST_F(DreamWindow, WorkedExampleThroughTheWindow)
{
    tick(ui().boot);
    ui().gefuehl->setItemIndex(0);
    dream.show();
    read();
    EXPECT_EQ(readingsShown, 1);
    EXPECT_EQ(lines(), (QStringList{"b:Sebuah tantangan menanti Anda.", "B:A challenge is waiting for you.",
                                    "b:Tetapi Anda akan berhasil.", "B:But you will prevail.",
                                    "b:", "b:Akan ada bahaya.", "B:There will be danger."}));
    EXPECT_EQ(dream.summe, 8);
    EXPECT_EQ(readingFileName(output.reading()), "Tafsir Mimpi Temparoka 2026-12-07");  // today's dream
    EXPECT_FALSE(dream.isVisible());  // closed once the reading was read
    EXPECT_EQ(sound->played.size(), 1);
}

TEST_F(DreamWindow, TheSameReadingInBothLanguagesAndTwice)
{
    tick(ui().ular);
    tick(ui().kerja);
    read();
    const QStringList first = lines();
    ASSERT_FALSE(first.isEmpty());
    QTest::mouseClick(ui().trans, Qt::LeftButton);
    read();
    EXPECT_EQ(lines(), first);
    read();
    EXPECT_EQ(lines(), first);
}

TEST_F(DreamWindow, NothingTickedShowsAnEmptyView)
{
    output.setReading(readingOf({"an earlier reading"}));
    read();
    EXPECT_EQ(readingsShown, 1);
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(dream.summe, 0);
}

TEST_F(DreamWindow, DeathAsksItsDialogDuringTheReadingAndRiverAnswersCount)
{
    AutoClose deathShown(&death);
    tick(ui().tod);
    EXPECT_EQ(deathShown.shown, 0);  // asked only when the dream is read
    death.controls().kanal->setChecked(true);
    death.controls().hidup->setChecked(true);
    {
        AutoClose riverShown(&river);
        tick(ui().laut);
        river.controls().janein->setItemIndex(1);
    }
    read();
    EXPECT_EQ(deathShown.shown, 1);
    EXPECT_EQ(lines().first(), "b:Anda akan berumur panjang.");  // tod.longlife, its normal entry is empty
    EXPECT_TRUE(lines().contains("B:You will remain in good health.")) << lines().join('\n').toStdString();
    EXPECT_EQ(dream.summe, 128 + 2 + 8192);
}

TEST_F(DreamWindow, AMissingSoundLeavesTheOutputAloneAndTheWindowOpen)
{
    ErrorBoxRecorder box;
    Ttraumfenster window(ReadingServices{clock, nativeFolder(folder), std::make_shared<WavPlayer>()}, output);
    output.setReading(readingOf({"an earlier reading"}));
    window.show();
    AutoClose closer(&output);
    QTest::mouseClick(window.controls().Button1, Qt::LeftButton);
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_EQ(closer.shown, 0);
    EXPECT_EQ(output.ausfenster()->toPlainText(), "an earlier reading");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(DreamWindow, TheRiverAndToothDialogsShowTheDeathDialogsPicture)
{
    const QImage picture = death.picture();
    ASSERT_EQ(picture.size(), QSize(430, 615));
    EXPECT_EQ(river.controls().Image1->picture(), picture);
    EXPECT_EQ(tooth.controls().Image1->picture(), picture);
}

}  // namespace
