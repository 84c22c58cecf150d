// The weton window over a main window with fakes, driven by keys as a
// reader would: Alt+W opens it, the partner is ticked and typed, the weton
// and the match follow every key, and Enter writes the reading.

#include "core/wetonreading.h"
#include "support/fakes.h"
#include "ui/main/Unit1.h"
#include "ui/weton/wetonform.h"
#include "ui_wetonform.h"

#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class WetonWindow : public ::testing::Test, public MainWindowFixture {
protected:
    WetonWindow() : form(makeWindow()), weton(services().readingServices(), output)
    {
        form->setWetonWindow([this]() -> Twetonform& { return weton; });
    }

    static void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    std::unique_ptr<TForm1> form;
    Twetonform weton;
};

TEST_F(WetonWindow, ShowsBothWetonsAsTypedAndWritesTheReadingOnEnter)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Ui::Twetonform& ui = weton.controls();
    // Alt+W on the main window opens the window; the test goes on inside it.
    QString seen, today, partnerShown, match;
    bool partnerFieldsOff = false;
    int readings = 0;
    QString reading;
    AutoClose reader(&weton, [&] {
        // Closed whatever happens here, so that a failure cannot hang the run.
        const std::unique_ptr<QDialog, void (*)(QDialog*)> closing(&weton, [](QDialog* d) { d->reject(); });
        ASSERT_TRUE(QTest::qWaitForWindowActive(&weton));
        seen = ui.lahirAnda->text() + " | " + ui.wetonAnda->text();
        today = ui.hariIni->text();
        partnerFieldsOff = !ui.pasanganTanggal->isEnabled() && !ui.pasanganWaktu->isEnabled();
        key(Qt::Key_Space);  // "Pasangan", first in the order
        key(Qt::Key_Tab);
        keys("17081945");
        key(Qt::Key_Tab);
        keys("1000");
        partnerShown = ui.wetonPasangan->text();
        match = ui.jodoh->text();
        AutoClose closer(&output);
        key(Qt::Key_Tab);  // "tidak tahu", then Enter presses "Baca weton"
        key(Qt::Key_Return);
        readings = closer.shown;
        reading = output.ausfenster()->toPlainText();
    });
    // Alt+W presses "&Weton" a moment later, like every access key.
    QTest::keyClick(form->windowHandle(), Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.shown == 1 && !weton.isVisible(); }, 5000));

    EXPECT_EQ(seen.toStdString(), "9 Mei 1966, " + pukul(12 * 60) + " | Senin Legi, neptu 9");
    EXPECT_EQ(today, "Hari ini: Senin Pon");
    EXPECT_TRUE(partnerFieldsOff);
    EXPECT_EQ(partnerShown, "Jumat Legi, neptu 11");
    EXPECT_EQ(match, "Jodoh: 9 + 11 = 20, sisa 4: Topo");
    EXPECT_EQ(readings, 1);
    for (const char* words : {"Senin Legi", "Jumat Legi", "9 + 11 = 20", "Topo", "Ramalan ini hanya hiburan."})
        EXPECT_TRUE(reading.contains(words)) << words << " is not in " << reading.toStdString();
    EXPECT_EQ(readingFileName(output.reading()), "Weton Temparoka 2026-12-07");
    EXPECT_EQ(sound->played.size(), 1);
    EXPECT_FALSE(weton.isVisible());
    // The partner's birth stays for the next opening; the record file is
    // not written.
    EXPECT_EQ(weton.partner()->day, 16666);
    EXPECT_FALSE(QFile::exists(recordPath()));

    // The main window's "tidak tahu": the calendar day, and the window says so.
    form->findChild<QCheckBox*>("Tidaktahu")->click();
    weton.setBirthData(form->birthData());
    weton.show();
    EXPECT_EQ(ui.lahirAnda->text(), "9 Mei 1966, waktu lahir tidak diketahui");
    EXPECT_FALSE(weton.reader().minute);
    // The partner's "tidak tahu" leaves only the date, and locks the time.
    ui.pasanganTidaktahu->click();
    EXPECT_FALSE(ui.pasanganWaktu->isEnabled());
    EXPECT_FALSE(weton.partner()->minute);
    // Unticked, the partner's lines empty and keep their room: the window
    // laid out by its layouts does not change size under the reader.
    const QSize withPartner = weton.size();
    ui.pasangan->click();
    weton.layout()->activate();
    EXPECT_FALSE(weton.partner());
    EXPECT_TRUE(ui.jodoh->text().isEmpty());
    EXPECT_EQ(weton.size(), withPartner);
    weton.reject();
}

}  // namespace
