#pragma once
// The choice of the weekly reading. The key (band, quality, variant) comes
// from the reader's life-stage band, a 9-week cycle and three draws of the
// program's generator seeded from the reader's data, the week and the card,
// so the same reader, week and card get the same text again. A text shown
// in an earlier week is refused while it stands in the history.

#include "core/predictiontable.h"
#include "core/reading.h"
#include "core/record.h"

namespace temparoka {

class Random;

struct TextKey {
    int band = 0;
    int quality = 0;
    int variant = 0;
    bool operator==(const TextKey&) const = default;
};

struct WeeklyRequest {
    double birthday = 0;  // day number
    double timeOfBirth = 0;  // day fraction
    int children = 0;
    int card = 0;  // 1 to 5
    double today = 0;  // date value of now: day number plus time of day
};

// The 9-week cycle: 1 2 3 4 5 4 3 2 1 by a mod 9.
int zyklus(long long a);

// Life-stage band 1 to 5 of age in calendar years plus 8 per child. Values
// below 0 (a clock set before the birthday) count as band 1, values beyond
// 9999 as band 5.
int lifeStageBand(long long value);

// Whole lunar months from birth to now, truncated toward zero.
long long lunarMonths(const WeeklyRequest& request);

// One pick for the given attempt; reseeds and draws three times from random.
TextKey auswahl(const WeeklyRequest& request, int versuch, const PredictionTable& table, Random& random);

// Picks until a key is allowed: refused are keys that the history holds
// with another week number than today's. After this many attempts the pick
// is taken as it is, so the choice always ends.
inline constexpr int kMaxAttempts = 1000;
TextKey chooseKey(const WeeklyRequest& request, const PredictionHistory& history, const PredictionTable& table,
                  Random& random);

// A card's face picture (a resource name) and what it is called in both
// languages, card 1 to 5; no card (number 0) otherwise.
ReadingCard cardFace(int card);

// The week's reading for the request's card: the opening with the months
// since birth, a blank line, then the chosen prediction's block, each line
// in the pen in force, starting with the one the reading before left.
Reading weeklyReading(const WeeklyRequest& request, const TextBlock& prediction, Pen pen);

}  // namespace temparoka
