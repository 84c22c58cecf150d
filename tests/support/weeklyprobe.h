#pragma once
// Reaches the weekly reading's record and card, which only its own steps
// change in the program, so that a test or a benchmark can start from a
// chosen state without dealing and clicking its way there.

#include "ui/main/weeklyreading.h"

namespace temparoka {

struct WeeklyReadingProbe {
    static PredictionHistory& verlauf(WeeklyReading& reading) { return reading.verlauf; }
    static int& karte(WeeklyReading& reading) { return reading.karte; }
    static double& wurfwert(WeeklyReading& reading) { return reading.wurfwert; }
};

}  // namespace temparoka
