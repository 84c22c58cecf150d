#pragma once
// The dream reading as a pure function: the answers of the dream window and
// its three dialogs in, the bilingual pairs to write and the tally out. The
// rules fire in a fixed order; most add a pair chosen by the dream's
// feeling, and a closing pair is picked by the program's generator seeded
// from the tally, so the same answers always give the same reading.

#include "core/reading.h"
#include "core/sentences.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace temparoka {

class Random;

struct DreamAnswers {
    int feeling = 2;  // 0 frightening, 1 sad, 2 normal, 3 happy
    int colour = 1;  // 0 in colour, 1 black and white, 2 don't know
    bool tiger = false, boot = false, tod = false, anak = false, ular = false, anjing = false, orang = false,
         ikan = false, laut = false, pachilang = false, kerja = false, conflict = false, fallen = false,
         auffuehrung = false, gigicheck = false;
    int birthYear = 1966;
    // Death dialog: the person was known / is still alive / is dead / nobody knows.
    bool kanal = false, hidup = false, tdkhidup = false, tdktahu = false;
    int janein = 0;  // river dialog: 0 reached the other shore, 1 did not
    bool zahnoben = false, zahnunten = false;
};

struct DreamReading {
    std::vector<SentencePair> pairs;  // in rule order, no blank lines between
    std::optional<SentencePair> closing;  // written after one blank line
    std::int32_t summe = 0;
};

// Appends the entry of the set for the feeling and adds the feeling to the tally.
void gefuehlsatz(DreamReading& reading, const FeelingSet& set, int feeling);

// The closing pair's number 1 to 6 for a tally: none when no rule fired.
// Reseeds random with summe + colour + feeling and draws twice.
std::optional<int> schlusssatz(std::int32_t summe, int colour, int feeling, Random& random);

DreamReading readDream(const DreamAnswers& answers, Random& random);

// The dream as it is read out on day: in normal weight, one pair after the
// other, and after a blank line the closing pair (none when no rule fired).
Reading dreamAsReading(const DreamReading& dream, double day, Pen pen);

}  // namespace temparoka
