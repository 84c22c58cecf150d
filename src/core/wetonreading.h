#pragma once
// The weton reading as it is written: the reader's weton and neptu, how the
// sunset rule was applied, and, with a partner, the partner's weton, the
// sum of both neptu and what their match traditionally says. Indonesian
// first, English after it, as every reading. Pure text rules, no Qt.

#include "core/reading.h"
#include "core/weton.h"

#include <cstdint>
#include <optional>
#include <string>

namespace temparoka {

// A birth as the window holds it: the calendar day, and the minute of the
// day (0 to 1439) when the time is known.
struct Birth {
    std::int64_t day = 0;
    std::optional<int> minute;
};

Weton wetonOf(const Birth& birth);

// "Senin Legi".
std::string wetonName(Weton weton);

// "pukul 19.30": a time of day (the minute of the day) as Indonesian
// writes it, with a full stop between the hour and the minutes.
std::string pukul(int minute);

// Two neptu added and what the sum leaves divided by eight: "9 + 11 = 20",
// "4" and its match, Topo. The window's line and the reading count alike.
struct JodohSum {
    std::string added;
    std::string rest;
    Jodoh match;
};
JodohSum jodohSum(Weton mine, Weton theirs);

// The weton reading of day: the reader's weton, and the partner's and their
// match when there is a partner; in normal weight, from the pen the
// reading before left.
Reading wetonReading(double day, const Birth& reader, const std::optional<Birth>& partner, Pen pen);

}  // namespace temparoka
