// Three record copies -> the merge a save makes of them. Whatever the three
// hold, the merge keeps this copy's birth data, changes nothing when the file
// still holds what this copy last saw, takes no list entry from nowhere and
// gives a record whose bytes read back the same.
//
// Input: a byte of choices, then this copy's record, the one it last saw
// (the base) and the file's, 452 bytes each (short ones end in zeros).
// Choices: bit 0 no base (there was no file); bit 1 the file holds the base
// unchanged; bits 2-3 and 4-5 make this copy's lists, and the file's, the
// base's lists moved on by that many entries with their own newest after
// them, as two copies that both went on reading would hold; bit 6 makes the
// file's lists the base's from before its newest 0-3 entries (bits 4-5), as
// a sync tool's older copy would hold, down to an empty list. Such an older
// file loses nothing: when each list is well formed (empty places only at
// the front, no entry twice), the merge is this copy's lists exactly.

#include "fuzzinput.h"

#include "core/record.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <span>

using namespace temparoka;

namespace {

using Bytes = std::array<std::uint8_t, kRecordFileSize>;

// Where the lists stand in the file, and how long an entry is there.
constexpr std::size_t kBirthDataSize = 20;
constexpr std::size_t kPredictionSize = 16;
constexpr std::size_t kDrawSize = 12;
constexpr std::size_t kDrawsOffset = kBirthDataSize + kHistorySize * kPredictionSize;
static_assert(kDrawsOffset + kDrawsSize * kDrawSize == kRecordFileSize);

Record recordFrom(fuzz::FuzzInput& input)
{
    std::uint8_t bytes[kRecordFileSize];
    input.fill(bytes);
    const std::optional<Record> record = deserialise(bytes);
    if (!record)
        std::abort();
    return *record;
}

template <class Entry, std::size_t N>
void moveOn(std::array<Entry, N>& list, const std::array<Entry, N>& base, std::size_t by)
{
    for (std::size_t i = 0; i + by < N; ++i)
        list[i] = base[i + by];
}

void moveOn(Record& record, const Record& base, std::size_t by)
{
    moveOn(record.verlauf, base.verlauf, by);
    moveOn(record.wuerfe, base.wuerfe, by);
}

template <class Entry, std::size_t N>
void moveBack(std::array<Entry, N>& list, const std::array<Entry, N>& base, std::size_t by)
{
    for (std::size_t i = 0; i < N; ++i)
        list[i] = i < by ? Entry{} : base[i - by];
}

void moveBack(Record& record, const Record& base, std::size_t by)
{
    moveBack(record.verlauf, base.verlauf, by);
    moveBack(record.wuerfe, base.wuerfe, by);
}

bool same(const PredictionRecord& a, const PredictionRecord& b)
{
    return a == b;
}

bool same(const DrawRecord& a, const DrawRecord& b)
{
    return std::bit_cast<std::uint64_t>(a.key) == std::bit_cast<std::uint64_t>(b.key) && a.card == b.card;
}

// Empty places only at the front, and no entry twice, compared by bytes.
template <class Entry, std::size_t N>
bool wellFormed(const std::array<Entry, N>& list)
{
    const Entry empty{};
    std::size_t first = 0;
    while (first < N && same(list[first], empty))
        ++first;
    for (std::size_t i = first; i < N; ++i) {
        if (same(list[i], empty))
            return false;
        for (std::size_t j = first; j < i; ++j)
            if (same(list[i], list[j]))
                return false;
    }
    return true;
}

bool isEmpty(const std::uint8_t* entry, std::size_t size)
{
    return std::all_of(entry, entry + size, [](std::uint8_t b) { return b == 0; });
}

// Whether entry stands anywhere in the list at offset of one of the copies;
// entries are compared by their bytes, as a key that is not a number never
// equals itself as a double.
bool standsIn(const std::uint8_t* entry, std::size_t offset, std::size_t size, std::size_t count,
              std::span<const Bytes* const> copies)
{
    for (const Bytes* copy : copies) {
        for (std::size_t i = 0; i < count; ++i)
            if (std::memcmp(entry, copy->data() + offset + i * size, size) == 0)
                return true;
    }
    return false;
}

void checkEntriesCameFrom(const Bytes& merged, std::size_t offset, std::size_t size, std::size_t count,
                          std::span<const Bytes* const> copies)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = merged.data() + offset + i * size;
        if (!isEmpty(entry, size) && !standsIn(entry, offset, size, count, copies))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::uint8_t choices = input.byte();
    Record mine = recordFrom(input);
    std::optional<Record> base = recordFrom(input);
    Record disk = recordFrom(input);
    if (choices & 1) {
        base.reset();
    } else {
        moveOn(mine, *base, (choices >> 2) & 3);
        if (choices & 2)
            disk = *base;
        else if (choices & 64)
            moveBack(disk, *base, (choices >> 4) & 3);
        else
            moveOn(disk, *base, (choices >> 4) & 3);
    }

    const Record merged = mergedWithDisk(mine, base, disk);

    const Bytes mergedBytes = serialise(merged);
    const Bytes mineBytes = serialise(mine);
    const Bytes diskBytes = serialise(disk);
    const Bytes baseBytes = serialise(base.value_or(Record{}));

    if (std::memcmp(mergedBytes.data(), mineBytes.data(), kBirthDataSize) != 0)
        std::abort();
    if (base && diskBytes == baseBytes && mergedBytes != mineBytes)
        std::abort();

    // Without a base, only this copy and the file hold entries.
    const std::array<const Bytes*, 3> all = {&mineBytes, &diskBytes, &baseBytes};
    const std::span<const Bytes* const> copies(all.data(), base ? 3 : 2);
    checkEntriesCameFrom(mergedBytes, kBirthDataSize, kPredictionSize, kHistorySize, copies);
    checkEntriesCameFrom(mergedBytes, kDrawsOffset, kDrawSize, kDrawsSize, copies);

    if (base && !(choices & 2) && (choices & 64) && wellFormed(mine.verlauf) && wellFormed(mine.wuerfe) &&
        wellFormed(base->verlauf) && wellFormed(base->wuerfe)) {
        if (mergedBytes != mineBytes)
            std::abort();
    }

    const std::optional<Record> again = deserialise(mergedBytes);
    if (!again || serialise(*again) != mergedBytes)
        std::abort();
    return 0;
}
