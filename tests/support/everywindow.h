#pragma once
// Every window of the program, those it makes on first use made now too,
// and every window's controls built, as they are once it has been shown.

#include "app/program.h"
#include "ui/shared/onfirstuse.h"

#include <QList>
#include <QWidget>

namespace temparoka::test {

inline QList<QWidget*> everyWindow(Program& program)
{
    program.riwayat();
    program.wetonform();
    program.kamusform();
    const QList<QWidget*> windows = program.windows();
    for (QWidget* window : windows)
        if (auto* later = dynamic_cast<DialogOnFirstUse*>(window))
            later->buildControls();
    return windows;
}

}  // namespace temparoka::test
