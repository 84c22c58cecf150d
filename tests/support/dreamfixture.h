#pragma once
// The dream window with its three dialogs over a main window with fakes, as
// the dream tests share it: ticking motifs, reading with the output window
// closed at once, and the lines the reading wrote.

#include "support/fakes.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/main/Unit1.h"
#include "ui/shared/radiogroup.h"
#include "ui/shared/sound.h"
#include "ui_flussform.h"
#include "ui_todfrage.h"
#include "ui_traumform.h"
#include "ui_zahnfrage.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace temparoka::test {

class DreamWindow : public ::testing::Test, public MainWindowFixture {
protected:
    DreamWindow() : form(makeWindow()), dream(services().readingServices(), output), river(death), tooth(death)
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

}  // namespace temparoka::test
