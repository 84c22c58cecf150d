// The dream window and its three dialogs through real events: the motifs,
// the dialogs asked on ticking, the language switch and the reading.

#include "app/Unit1.h"
#include "app/sound.h"
#include "common/radiogroup.h"
#include "dream/flussform.h"
#include "dream/todfrage.h"
#include "dream/traumform.h"
#include "dream/zahnfrage.h"
#include "support/fakes.h"
#include "ui_flussform.h"
#include "ui_todfrage.h"
#include "ui_traumform.h"
#include "ui_zahnfrage.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class DreamWindow : public ::testing::Test, public MainWindowFixture {
protected:
    DreamWindow()
        : form(makeWindow()), dream(*form, output), river(death), tooth(death)
    {
        dream.setDialogs(&death, &river, &tooth);
    }

    Ui::Ttraumfenster& ui() { return dream.controls(); }
    void tick(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2)); }

    // Runs "Arti mimpi Anda" with the output window closed as soon as it shows.
    void read()
    {
        AutoClose closer(&output);
        QTest::mouseClick(ui().Button1, Qt::LeftButton);
        readingsShown += closer.shown;
    }

    // The view's lines as "b:" (black) or "B:" (blue) followed by the text.
    QStringList lines() const
    {
        QStringList result;
        for (QTextBlock b = output.ausfenster()->document()->begin(); b.isValid(); b = b.next()) {
            const QTextCharFormat format = b.text().isEmpty() ? b.charFormat() : b.begin().fragment().charFormat();
            result << (format.foreground().color() == QColor(0, 0, 255) ? "B:" : "b:") + b.text();
        }
        if (result == QStringList{"b:"})
            result.clear();  // an empty view
        return result;
    }

    std::unique_ptr<TForm1> form;
    TTfrage death;
    Ttraumfenster dream;
    Tflussfrage river;
    Tzahnform tooth;
    int readingsShown = 0;
};

TEST_F(DreamWindow, ControlsCaptionsHintsAndStartingAnswers)
{
    EXPECT_EQ(dream.windowTitle(), "Mimpi");
    EXPECT_EQ(dream.size(), QSize(641, 481));
    struct Expected {
        QWidget* control;
        QRect place;
        QString caption;
        QString tooltip;
    };
    const Expected expected[] = {
        {ui().Label1, {8, 8, 96, 20}, "Mimpi apa?", "What did you dream?"},
        {ui().gefuehl, {192, 0, 217, 97}, "Perasaan yang dialami", "the dream felt.."},
        {ui().farbe, {424, 0, 201, 73}, "Gambar mimpi", "the pictures were.."},
        {ui().Button1, {488, 434, 129, 25}, "Arti mimpi Anda", "Meaning of yr dream"},
        {ui().tiger, {18, 46, 100, 17}, "harimau", "tiger"},
        {ui().laut, {224, 441, 193, 18}, "menyebrang sungai atau laut", "running away"},
        {ui().auffuehrung, {360, 302, 257, 17}, "pertunjukan di depan penonton", ""},
        {ui().gigicheck, {496, 237, 121, 17}, "gigi lepas", "you lost a tooth"},
        {ui().trans, {11, 439, 52, 24}, "", "translate this form"},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(e.control->geometry(), e.place) << e.control->objectName().toStdString();
        EXPECT_EQ(e.control->toolTip(), e.tooltip) << e.control->objectName().toStdString();
    }
    EXPECT_EQ(ui().gefuehl->items(), (QStringList{"menakutkan", "sedih", "biasa", "gembira"}));
    EXPECT_EQ(ui().gefuehl->itemIndex(), 2);
    EXPECT_EQ(ui().farbe->items(), (QStringList{"berwarna", "hitam putih", "tidak tahu"}));
    EXPECT_EQ(ui().farbe->itemIndex(), 1);
    EXPECT_TRUE(ui().Button1->isDefault());
}

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
                                    "b:Tetapi Anda akan berhasil.", "B:But you will prevail.", "b:",
                                    "b:Akan ada bahaya.", "B:There will be danger."}));
    EXPECT_EQ(dream.summe, 8);
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
    output.appendLine("an earlier reading");
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
    auto realSound = std::make_unique<TForm1>(
        MainWindowServices{clock, nativeFolder(folder), std::make_shared<WavPlayer>(), [](double) {}});
    Ttraumfenster window(*realSound, output);
    output.appendLine("an earlier reading");
    window.show();
    AutoClose closer(&output);
    QTest::mouseClick(window.controls().Button1, Qt::LeftButton);
    ASSERT_EQ(box.texts.size(), 1);
    EXPECT_EQ(closer.shown, 0);
    EXPECT_EQ(output.ausfenster()->toPlainText(), "an earlier reading");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(DreamWindow, DialogsHaveTheirControlsAndShareTheDeathDialogsPicture)
{
    EXPECT_EQ(death.windowTitle(), "Temparoka minta keterangan - Clarification needed");
    EXPECT_EQ(river.windowTitle(), "Temparoka minta keterangan - Clarificatino needed");
    EXPECT_EQ(tooth.windowTitle(), "Temparoka meminta keterangan");
    EXPECT_EQ(death.controls().kanal->text(), "Orang yang saya kanal");
    EXPECT_EQ(death.controls().kanal->toolTip(), " I know");
    EXPECT_EQ(death.controls().Panel2->geometry(), QRect(27, 143, 302, 91));
    EXPECT_EQ(death.controls().tdktahu->parentWidget(), death.controls().Panel2);
    EXPECT_EQ(river.controls().janein->items(), (QStringList{"ya - yes", "tidak - no"}));
    EXPECT_EQ(river.answer(), 0);
    EXPECT_TRUE(river.controls().Button1->isDefault());
    EXPECT_EQ(tooth.controls().zahnunten->text(), "gigi bawa");
    EXPECT_EQ(tooth.controls().Button1->toolTip(), "");

    const QImage picture = death.picture();
    ASSERT_EQ(picture.size(), QSize(430, 615));
    EXPECT_EQ(river.controls().Image1->picture(), picture);
    EXPECT_EQ(tooth.controls().Image1->picture(), picture);
    EXPECT_EQ(river.controls().Image1->size(), QSize(377, 129));
}

TEST_F(DreamWindow, DialogAnswersStayFromOneShowingToTheNext)
{
    river.controls().janein->setItemIndex(1);
    tooth.controls().zahnoben->setChecked(true);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&river, &tooth, &death}) {
        AutoClose closer(dialog);
        dialog->exec();
    }
    EXPECT_EQ(river.answer(), 1);
    EXPECT_TRUE(tooth.upperTooth());
    EXPECT_FALSE(tooth.lowerTooth());

    // Enter closes the river dialog, keeping the answer.
    river.show();
    QTest::keyClick(river.controls().janein, Qt::Key_Return);
    EXPECT_FALSE(river.isVisible());
    EXPECT_EQ(river.answer(), 1);
}

}  // namespace
