#pragma once
// The dream window with its three dialogs over a main window with fakes, as
// the dream tests share it: ticking motifs, reading with the output window
// closed at once, and the lines of the reading shown.

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
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace temparoka::test {

class DreamWindow : public ::testing::Test, public MainWindowFixture {
protected:
    DreamWindow() : form(makeWindow()), dream(services().readingServices(), output), river(death), tooth(death)
    {
        dream.setDialogs(&death, &river, &tooth);
        // Its controls, as they are once it has been shown.
        dream.buildControls();
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

    // The reading's lines as "b:" (Indonesian) or "B:" (English) followed
    // by the text.
    QStringList lines() const
    {
        QStringList result;
        for (const ReadingLine& line : output.reading().lines)
            result << (line.language == Language::English ? "B:" : "b:") + QString::fromStdString(line.text);
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
