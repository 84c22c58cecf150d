// A long session: 1000 weekly and 1000 dream readings in one process. The
// resident memory after the first 100 of each and after the last should
// differ by less than 2 MB: nothing a reading makes may pile up.

#include "app/application.h"
#include "app/program.h"
#include "benchsupport.h"
#include "summary.h"
#include "support/weeklyprobe.h"
#include "ui/dream/traumform.h"
#include "ui/shared/clock.h"
#include "ui/shared/sound.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace temparoka;

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    bench::CloseDialogs closer;
    app.installEventFilter(&closer);
    QTemporaryDir folder;
    auto clock = std::make_shared<bench::WeekClock>();
    Program program({clock, QFile::encodeName(folder.path()).toStdString() + '/', std::make_shared<bench::Silence>(),
                     [](double) {}});
    TForm1& form = program.Form1();
    Ttraumfenster& dream = program.traumfenster();
    const QList<QCheckBox*> motifs = dream.findChildren<QCheckBox*>();

    double afterFirst = 0;
    for (int i = 1; i <= 1000; ++i) {
        WeeklyReadingProbe::karte(form.weekly()) = i % 5 + 1;
        form.weekly().vorhersage();
        clock->nextWeek();
        motifs[i % motifs.size()]->setChecked(i % 2 == 0);
        dream.Button1Click();
        if (i == 100)
            afterFirst = residentMegabytes();
    }
    const double afterLast = residentMegabytes();
    bench::printFigures("Soak: 1000 weekly and 1000 dream readings in one process",
                        {
                            {"resident memory after 100 readings of each", afterFirst, 0, "MB", "", true},
                            {"resident memory after 1000 readings of each", afterLast, 0, "MB", "", true},
                            {"growth from reading 100 to reading 1000", afterLast - afterFirst, 0, "MB", "< 2 MB",
                             afterLast - afterFirst < 2.0},
                        });
    return 0;
}
