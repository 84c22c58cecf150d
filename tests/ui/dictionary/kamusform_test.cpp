// The dream dictionary in the whole program, driven by keys as a reader
// would: Alt+A on the main window makes and opens it, a search in each
// language, Down into the list, Space to tick, Enter to read both.

#include "app/program.h"
#include "support/fakes.h"
#include "ui/dictionary/kamusform.h"
#include "ui/output/ausgabeform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

void keys(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString inHand(const QTreeWidget& list)
{
    return list.currentItem() ? list.currentItem()->text(0) : QString();
}

}  // namespace

TEST(DreamDictionaryWindow, IsMadeOnFirstUseAndReadsTicksFromTwoSearchesByKeys)
{
    MainWindowFixture fixture;
    Program program(fixture.services());
    const qsizetype atStart = program.windows().size();
    TForm1& form = program.Form1();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QStringList found, focused;
    QString reading, emptyHint, nothingFound;
    int themes = 0, browsed = 0, shown = 0;
    bool offWithNothing = false;
    // The window does not exist before the key: the reader starts once it
    // is the window on show.
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<Tkamusform*>(QApplication::activeModalWidget());
        if (!window)
            return;
        watch.stop();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == window; }));
        const std::unique_ptr<QDialog, void (*)(QDialog*)> closing(window, [](QDialog* d) { d->reject(); });
        auto& list = *control<QTreeWidget>(*window, "daftar");
        auto& meaning = *control<QTextEdit>(*window, "arti");
        // Nothing typed: the themes and every entry under one of them.
        themes = list.topLevelItemCount();
        for (int i = 0; i < themes; ++i)
            browsed += list.topLevelItem(i)->childCount();
        emptyHint = meaning.toPlainText();
        offWithNothing = !control<QPushButton>(*window, "tampilkan")->isEnabled();

        focused << QApplication::focusWidget()->objectName();
        keys("xyzzy");
        nothingFound = meaning.toPlainText();
        key(Qt::Key_A, Qt::ControlModifier);
        keys("digigit ular");
        found << inHand(list);
        key(Qt::Key_Down);
        focused << QApplication::focusWidget()->objectName();
        key(Qt::Key_Space);
        key(Qt::Key_Up);
        focused << QApplication::focusWidget()->objectName();
        key(Qt::Key_A, Qt::ControlModifier);
        keys("flood");
        found << inHand(list);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        AutoClose closer(&program.ausform());
        key(Qt::Key_Return);
        shown = closer.shown;
        reading = program.ausform().ausfenster()->toPlainText();
        key(Qt::Key_Escape);
    });
    watch.start();
    QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown == 1 && !QApplication::activeModalWidget(); }, 5000));

    EXPECT_EQ(program.windows().size(), atStart + 1);  // not made before Alt+A
    EXPECT_EQ(themes, 10);
    EXPECT_EQ(static_cast<std::size_t>(browsed), program.kamusform().entries().size());
    EXPECT_TRUE(emptyHint.startsWith("Ketik gambar mimpi Anda")) << emptyHint.toStdString();
    EXPECT_TRUE(offWithNothing);
    EXPECT_TRUE(nothingFound.startsWith("Tidak ada gambar mimpi yang cocok dengan \u201Cxyzzy\u201D."))
        << nothingFound.toStdString();
    EXPECT_EQ(focused, (QStringList{"cari", "daftar", "cari"}));
    EXPECT_EQ(found, (QStringList{"ular \u2014 snake", "banjir \u2014 flood"}));
    EXPECT_EQ(program.ausform().reading().kind, ReadingKind::Dictionary);
    EXPECT_TRUE(reading.startsWith("Ular\nSnake\n")) << reading.toStdString();
    EXPECT_TRUE(reading.contains("\n\nBanjir\nFlood\n")) << reading.toStdString();
    EXPECT_TRUE(reading.endsWith("Ramalan ini hanya hiburan.\nThis reading is for entertainment only."));
    EXPECT_EQ(fixture.sound->played.size(), 1);
    // The ticks stay for the next opening.
    EXPECT_EQ(program.kamusform().chosen().size(), 2u);
}
