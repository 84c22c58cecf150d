#pragma once
// The entries a reader picked in the dream dictionary, as a reading of its
// own: the title, each entry's headword in bold with its meaning as an
// Indonesian/English pair, and the closing word every reading has. Pure
// data, no Qt.

#include "core/dreamdictionary.h"
#include "core/reading.h"

#include <vector>

namespace temparoka {

// The reading of the entries in the order given, read on `day`. It starts
// and ends with the pen it is given: the dictionary writes every line in a
// language of its own and leaves the carried pen to the other readings.
Reading dictionaryReading(const std::vector<const DictionaryEntry*>& chosen, double day, Pen pen);

// One entry as the reading and the dictionary window show it: its
// headword in bold in both languages, then its meaning as a pair.
std::vector<ReadingLine> entryLines(const DictionaryEntry& entry);

}  // namespace temparoka
