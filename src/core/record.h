#pragma once
// What the program remembers between runs: the birth data, the last 12
// predictions shown and the last 20 card draws, and the 452-byte file form
// of all that. The bytes are written field by field at fixed offsets,
// little-endian with IEEE doubles, so the file is the same on any build.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace temparoka {

// A prediction shown: its key in the text table and the ISO week it was shown in.
struct PredictionRecord {
    std::int32_t band = 0;
    std::int32_t quality = 0;
    std::int32_t variant = 0;
    std::int32_t week = 0;
    bool operator==(const PredictionRecord&) const = default;
};

// A card draw: the draw key of the request and the card taken (1 to 5).
struct DrawRecord {
    double key = 0.0;
    std::int32_t card = 0;
    bool operator==(const DrawRecord&) const = default;
};

inline constexpr std::size_t kHistorySize = 12;
inline constexpr std::size_t kDrawsSize = 20;
inline constexpr std::size_t kRecordFileSize = 452;

// Index 0 is the oldest entry, the last index the newest.
using PredictionHistory = std::array<PredictionRecord, kHistorySize>;
using DrawHistory = std::array<DrawRecord, kDrawsSize>;

// Initial birth data: 9 May 1966, 12:00:01, no children.
inline constexpr double kInitialBirthday = 24236.0;
inline constexpr double kInitialTimeOfBirth = 0.5 + 1.0 / 86400.0;

struct Record {
    double birthday = kInitialBirthday;
    double timeOfBirth = kInitialTimeOfBirth;
    std::int32_t children = 0;
    PredictionHistory verlauf{};
    DrawHistory wuerfe{};
    bool operator==(const Record&) const = default;
};

std::array<std::uint8_t, kRecordFileSize> serialise(const Record& record);

// Reads the first 452 bytes; anything shorter is no record at all.
std::optional<Record> deserialise(std::span<const std::uint8_t> bytes);

// Drops the oldest draw and appends (key, card) as the newest.
void appendDraw(DrawHistory& draws, double key, std::int32_t card);

// The card of the newest draw whose key equals key exactly, if any. A draw
// whose card is not one of the five is damaged and never matches.
std::optional<std::int32_t> findDraw(const DrawHistory& draws, double key);

// Records a prediction unless it repeats the newest one (the week is not
// compared). Returns whether the history changed, that is whether it must
// be saved.
bool recordPrediction(PredictionHistory& history, std::int32_t band, std::int32_t quality, std::int32_t variant,
                      std::int32_t week);

// What a save writes, given what this copy of the program last read or
// wrote (base; none when there was no file) and what the file holds now.
// When the file still holds base, mine is written as it is. Otherwise
// another copy saved meanwhile, or the file was replaced: what base holds
// beyond the newest of its entries that the file still has (what a sync
// tool's older copy lacks), then what mine added to base's lists since, is
// appended to the file's lists, newest last, and nothing else, so entries
// that have rolled off either list stay off. The birth data are mine.
Record mergedWithDisk(const Record& mine, const std::optional<Record>& base, const Record& disk);

}  // namespace temparoka
