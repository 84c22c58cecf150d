// The dream reading's fixed bilingual sentences: the lead pair of every dream
// rule, the feeling-dependent follow-up sets and the six closing pairs.
// Plain data with lookups by key; no user-interface code lives here.
#pragma once
#include <array>
#include <span>
#include <string_view>

namespace temparoka {

// One bilingual pair: Indonesian text and its English translation; either may be empty.
struct SentencePair {
    std::string_view id;
    std::string_view en;
};

using FeelingSet = std::array<SentencePair, 4>;  // [0] frightening, [1] sad, [2] normal, [3] happy

struct LeadRow {
    std::string_view key;
    SentencePair pair;
};

struct FeelingRow {
    std::string_view key;
    FeelingSet set;
};

std::span<const LeadRow> leadRows();  // the 24 lead rows, in the order the keys are listed
std::span<const FeelingRow> feelingRows();  // the 17 feeling sets, in the order listed
std::span<const SentencePair, 6> closingPairs();  // closing [1]..[6] stored at index 0..5

const SentencePair& leadPair(std::string_view key);  // throws std::out_of_range for an unknown key
const FeelingSet& feelingSet(std::string_view key);  // throws std::out_of_range for an unknown key
const SentencePair& closingPair(int k);  // k 1..6; throws std::out_of_range otherwise

}  // namespace temparoka
