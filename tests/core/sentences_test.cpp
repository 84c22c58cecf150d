// Tests for the dream reading's sentence table: each key finds its own row,
// the two intentionally empty slots, the fixed wording that must not drift,
// the single-line ASCII shape of every half and the lookup errors.
#include "core/sentences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace temparoka {
namespace {

// Every one of the 98 slots with a readable name, so a failure says where.
struct Slot {
    std::string name;
    const SentencePair* pair;
};

std::vector<Slot> allSlots()
{
    std::vector<Slot> slots;
    for (const LeadRow& row : leadRows())
        slots.push_back({std::string(row.key), &row.pair});
    for (const FeelingRow& row : feelingRows()) {
        for (std::size_t i = 0; i < row.set.size(); ++i) {
            slots.push_back({std::string(row.key) + "[" + std::to_string(i) + "]", &row.set[i]});
        }
    }
    for (int k = 1; k <= 6; ++k)
        slots.push_back({"closing[" + std::to_string(k) + "]", &closingPair(k)});
    return slots;
}

TEST(DreamSentences, EveryKeyIsNamedOnceAndResolvesToItsOwnRow)
{
    EXPECT_EQ(leadRows().size(), 24u);
    EXPECT_EQ(feelingRows().size(), 17u);
    // A duplicated key would make one of the two rows unreachable by lookup.
    for (const LeadRow& row : leadRows())
        EXPECT_EQ(&leadPair(row.key), &row.pair) << row.key;
    for (const FeelingRow& row : feelingRows())
        EXPECT_EQ(&feelingSet(row.key), &row.set) << row.key;
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(&closingPair(k), &closingPairs()[k - 1]) << "closing " << k;
}

TEST(DreamSentences, OnlyTheTwoNormalFeelingEntriesAreEmpty)
{
    const std::vector<Slot> slots = allSlots();
    ASSERT_EQ(slots.size(), 98u);

    std::vector<std::string> empty;
    for (const Slot& slot : slots) {
        const bool noId = slot.pair->id.empty();
        const bool noEn = slot.pair->en.empty();
        // Half a pair would print one language without its counterpart.
        EXPECT_EQ(noId, noEn) << slot.name << " has only one half";
        if (noId && noEn)
            empty.push_back(slot.name);
    }
    EXPECT_EQ(empty, (std::vector<std::string>{"tiger.feel[2]", "tod.alive.feel[2]"}));
}

// Wording that the program has always used; a "fix" of grammar or
// punctuation here would be a regression. An empty id means only the English
// half is fixed.
struct Fixed {
    std::string_view key;  // lead or feeling key, or "closing"
    int index;  // feeling entry 0..3, closing 1..6, -1 for a lead
    std::string_view id;
    std::string_view en;
};

const SentencePair& lookup(const Fixed& f)
{
    if (f.key == "closing")
        return closingPair(f.index);
    if (f.index < 0)
        return leadPair(f.key);
    return feelingSet(f.key).at(static_cast<std::size_t>(f.index));
}

TEST(DreamSentences, FixedWordingIsKeptExactly)
{
    const Fixed fixed[] = {
        {"tiger.marry", -1, "Seseorang ingin menikahi Anda.", "Somebody wants to marry you"},
        {"tiger.friend", -1, "Seseorang ingin menjadi teman Anda.", "Somebody want to become your friend"},
        {"tiger.feel", 0, "Jangan setuju.", "Do not agree"},
        {"boot.challenge", -1, "Sebuah tantangan menanti Anda.", "A challenge is waiting for you."},
        {"boot.feel", 0, "Tetapi Anda akan berhasil.", "But you will prevail."},
        {"boot.feel", 1, "", "Stop looking back, look forward."},
        {"boot.feel", 2, "", "This challenge is more serious than you might think."},
        {"boot.feel", 3, "", "Proceed with caution."},
        {"tod.finance", -1, "", "Your financial situation will improve."},
        {"laut.sick", -1, "Anda akan menjadi sakit.", "You will get sick"},
        {"laut.healthy", -1, "Anda akan tetap berada dalam keadaan sehat.", "You will remain in good health."},
        {"auffuehrung.fame", -1, "", "You will become a well known personality"},
        {"gigi.older", -1, "", "Somebody you know older than you will die."},
        {"gigi.younger", -1, "", "Somebody you know younger than you will die."},
        {"closing", 1, "", "Some positive things will happen."},
        {"closing", 3, "Akan ada bahaya.", "There will be danger."},
        {"closing", 6, "", "A tragedy will happen, but others are more affected than you are."},
    };
    for (const Fixed& f : fixed) {
        SCOPED_TRACE(std::string(f.key) + " " + std::to_string(f.index));
        const SentencePair& pair = lookup(f);
        EXPECT_EQ(pair.en, f.en);
        if (!f.id.empty()) {
            EXPECT_EQ(pair.id, f.id);
        }
    }
}

TEST(DreamSentences, HalvesAreSingleAsciiLinesWithinTheLongestLengths)
{
    std::size_t longestId = 0;
    std::size_t longestEn = 0;
    for (const Slot& slot : allSlots()) {
        for (const std::string_view half : {slot.pair->id, slot.pair->en}) {
            const bool plain = std::all_of(half.begin(), half.end(), [](char c) {
                const auto u = static_cast<unsigned char>(c);
                return u >= 0x20 && u < 0x7f;  // excludes \n, \r, tabs and every non-ASCII byte
            });
            EXPECT_TRUE(plain) << slot.name << ": " << half;
            if (!half.empty()) {
                EXPECT_NE(half.front(), ' ') << slot.name << ": " << half;
                EXPECT_NE(half.back(), ' ') << slot.name << ": " << half;
            }
        }
        longestId = std::max(longestId, slot.pair->id.size());
        longestEn = std::max(longestEn, slot.pair->en.size());
    }
    // The longest halves have fixed lengths; a reworded row must not grow past them.
    EXPECT_EQ(longestId, 132u);
    EXPECT_EQ(longestEn, 113u);
}

TEST(DreamSentences, UnknownKeysAndClosingNumbersThrow)
{
    for (const std::string_view key : {"", "tiger", "Tiger.marry", "tiger.marry ", "tiger.feel", "closing"}) {
        EXPECT_THROW(leadPair(key), std::out_of_range) << "lead '" << key << "'";
    }
    for (const std::string_view key : {"", "tiger", "tiger.marry", "tod.longlife.feel", "gigi.feel"}) {
        EXPECT_THROW(feelingSet(key), std::out_of_range) << "feeling '" << key << "'";
    }
    for (const int k : {-1, 0, 7, 100}) {
        EXPECT_THROW(closingPair(k), std::out_of_range) << "closing " << k;
    }
}

}  // namespace
}  // namespace temparoka
