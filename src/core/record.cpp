#include "core/record.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace temparoka {

namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

class Writer {
public:
    explicit Writer(std::span<std::uint8_t> out) : m_out(out) {}
    void u64(std::uint64_t v)
    {
        for (int i = 0; i < 8; ++i)
            m_out[m_pos++] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            m_out[m_pos++] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    void f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }
    std::size_t position() const { return m_pos; }

private:
    std::span<std::uint8_t> m_out;
    std::size_t m_pos = 0;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : m_in(in) {}
    std::uint64_t u64()
    {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= static_cast<std::uint64_t>(m_in[m_pos++]) << (8 * i);
        return v;
    }
    std::int32_t i32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(m_in[m_pos++]) << (8 * i);
        return static_cast<std::int32_t>(v);
    }
    double f64() { return std::bit_cast<double>(u64()); }

private:
    std::span<const std::uint8_t> m_in;
    std::size_t m_pos = 0;
};

}  // namespace

std::array<std::uint8_t, kRecordFileSize> serialise(const Record& record)
{
    std::array<std::uint8_t, kRecordFileSize> bytes{};
    Writer w(bytes);
    w.f64(record.birthday);
    w.f64(record.timeOfBirth);
    w.i32(record.children);
    for (const PredictionRecord& p : record.verlauf) {
        w.i32(p.band);
        w.i32(p.quality);
        w.i32(p.variant);
        w.i32(p.week);
    }
    for (const DrawRecord& d : record.wuerfe) {
        w.f64(d.key);
        w.i32(d.card);
    }
    return bytes;
}

std::optional<Record> deserialise(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kRecordFileSize)
        return std::nullopt;
    Reader r(bytes);
    Record record;
    record.birthday = r.f64();
    record.timeOfBirth = r.f64();
    record.children = r.i32();
    for (PredictionRecord& p : record.verlauf) {
        p.band = r.i32();
        p.quality = r.i32();
        p.variant = r.i32();
        p.week = r.i32();
    }
    for (DrawRecord& d : record.wuerfe) {
        d.key = r.f64();
        d.card = r.i32();
    }
    return record;
}

void appendDraw(DrawHistory& draws, double key, std::int32_t card)
{
    std::shift_left(draws.begin(), draws.end(), 1);
    draws.back() = DrawRecord{key, card};
}

std::optional<std::int32_t> findDraw(const DrawHistory& draws, double key)
{
    // Newest first: the last matching entry wins.
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        if (it->key == key && it->card >= 1 && it->card <= 5)
            return it->card;
    }
    return std::nullopt;
}

namespace {

// Entries are compared by their stored bytes, so that a damaged key that is
// not a number still equals itself.
bool sameEntry(const PredictionRecord& a, const PredictionRecord& b)
{
    return a == b;
}

bool sameEntry(const DrawRecord& a, const DrawRecord& b)
{
    return std::bit_cast<std::uint64_t>(a.key) == std::bit_cast<std::uint64_t>(b.key) && a.card == b.card;
}

template <class Entry, std::size_t N>
bool sameList(const std::array<Entry, N>& a, const std::array<Entry, N>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), [](const Entry& x, const Entry& y) { return sameEntry(x, y); });
}

// How many entries mine has appended to base: the smallest shift that lines
// base's newer entries up with mine's older ones. A list that repeats itself
// could hide an appended entry behind a smaller shift; the reading's rules
// keep the lists from repeating that way (a prediction never follows
// itself, a draw is only made for a key the list lacks).
template <class Entry, std::size_t N>
std::size_t addedSince(const std::array<Entry, N>& base, const std::array<Entry, N>& mine)
{
    for (std::size_t shift = 0; shift < N; ++shift) {
        if (std::equal(mine.begin(), mine.end() - static_cast<std::ptrdiff_t>(shift),
                       base.begin() + static_cast<std::ptrdiff_t>(shift),
                       [](const Entry& x, const Entry& y) { return sameEntry(x, y); }))
            return shift;
    }
    return N;
}

// How many of base's newest entries the file lacks although it is not
// newer than them: those after the newest entry of base that the file still
// holds. A file that another copy appended to holds base's newest entry,
// and lacks nothing; one that a sync tool replaced by an older or a
// diverging version, or that was deleted, lacks what base added since. When
// the file holds none of base's entries, a full list may have rolled them
// all off (another copy read as many times as the list is long), so it
// counts as lacking nothing; a list with room left has rolled nothing off
// and lacks them all, an empty one (a file from before our first reading)
// included. Lists fill from the back, so a list is full when its oldest
// place is taken.
template <class Entry, std::size_t N>
std::size_t lackedByDisk(const std::array<Entry, N>& base, const std::array<Entry, N>& disk)
{
    const Entry empty{};
    const bool diskFull = !sameEntry(disk.front(), empty);
    for (std::size_t newer = 0; newer < N; ++newer) {
        const Entry& entry = base[N - 1 - newer];
        if (sameEntry(entry, empty))
            return diskFull ? 0 : newer;
        if (std::any_of(disk.begin(), disk.end(), [&](const Entry& held) { return sameEntry(held, entry); }))
            return newer;
    }
    return diskFull ? 0 : N;
}

template <class Entry, std::size_t N>
void appendNewest(std::array<Entry, N>& list, const std::array<Entry, N>& from, std::size_t count)
{
    const Entry empty{};
    for (auto added = from.end() - static_cast<std::ptrdiff_t>(count); added != from.end(); ++added) {
        if (sameEntry(*added, empty))
            continue;
        std::shift_left(list.begin(), list.end(), 1);
        list.back() = *added;
    }
}

template <class Entry, std::size_t N>
std::array<Entry, N> mergedList(const std::array<Entry, N>& mine, const std::array<Entry, N>& base,
                                const std::array<Entry, N>& disk)
{
    if (sameList(disk, base))
        return mine;
    std::array<Entry, N> merged = disk;
    // What we saw (and saved) that the file lost comes back first, then
    // what we added since.
    appendNewest(merged, base, lackedByDisk(base, disk));
    appendNewest(merged, mine, addedSince(base, mine));
    return merged;
}

}  // namespace

Record mergedWithDisk(const Record& mine, const std::optional<Record>& base, const Record& disk)
{
    // No file when this copy last looked: everything in its lists is its own.
    static const Record noFile;
    const Record& from = base ? *base : noFile;
    Record merged = mine;
    merged.verlauf = mergedList(mine.verlauf, from.verlauf, disk.verlauf);
    merged.wuerfe = mergedList(mine.wuerfe, from.wuerfe, disk.wuerfe);
    return merged;
}

bool recordPrediction(PredictionHistory& history, std::int32_t band, std::int32_t quality, std::int32_t variant,
                      std::int32_t week)
{
    const PredictionRecord& newest = history.back();
    if (newest.band == band && newest.quality == quality && newest.variant == variant)
        return false;
    std::shift_left(history.begin(), history.end(), 1);
    history.back() = PredictionRecord{band, quality, variant, week};
    return true;
}

}  // namespace temparoka
