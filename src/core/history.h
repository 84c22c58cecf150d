#pragma once
// The prediction history as readings to look back on: each recorded entry
// with its text from the table, newest first. Only reads the history.

#include "core/predictiontable.h"
#include "core/reading.h"
#include "core/record.h"

#include <vector>

namespace temparoka {

// The history's entries that hold a prediction the table has, newest first,
// each written as the output window writes it. The record keeps a week's
// number but not its year: a week after today's is last year's. An entry
// the table lacks (a damaged record) is left out.
std::vector<EarlierReading> earlierReadings(const PredictionHistory& history, const PredictionTable& table,
                                            double today);

}  // namespace temparoka
