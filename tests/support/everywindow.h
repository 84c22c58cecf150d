#pragma once
// Every window of the program, those it makes on first use made now too.

#include "app/program.h"

#include <QList>

namespace temparoka::test {

inline QList<QWidget*> everyWindow(Program& program)
{
    program.riwayat();
    program.wetonform();
    program.kamusform();
    return program.windows();
}

}  // namespace temparoka::test
