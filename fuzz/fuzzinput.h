#pragma once
// Takes a fuzzer's input apart into the values a target needs. Past the end
// every read gives zeros and every slice is empty, so that any input, even
// an empty one, stands for some case; the fuzzer then learns the layout by
// itself. Header-only, so the suite can build the targets with any compiler.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>

namespace temparoka::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data, size) {}

    std::uint8_t byte() { return m_pos < m_data.size() ? m_data[m_pos++] : 0; }

    // Little-endian, as the record file stores its numbers.
    std::uint32_t u32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return value;
    }

    // Up to count bytes, fewer at the end.
    std::span<const std::uint8_t> take(std::size_t count)
    {
        const std::size_t n = std::min(count, remaining());
        const std::span<const std::uint8_t> part = m_data.subspan(m_pos, n);
        m_pos += n;
        return part;
    }

    // Exactly count bytes: what the input holds, then zeros.
    template <std::size_t N>
    void fill(std::uint8_t (&out)[N])
    {
        std::fill(std::begin(out), std::end(out), std::uint8_t{0});
        const std::span<const std::uint8_t> part = take(N);
        std::copy(part.begin(), part.end(), out);
    }

    // A date value as the clock gives it: a day from 1 January 1900 to
    // 31 December 2199 in the upper three bytes, the time of day in the low one.
    double dateValue()
    {
        constexpr std::uint32_t kFirstDay = 2;
        constexpr std::uint32_t kDays = 109572;
        const std::uint32_t value = u32();
        return kFirstDay + (value >> 8) % kDays + (value & 0xff) / 256.0;
    }

    std::string text(std::size_t count)
    {
        const std::span<const std::uint8_t> part = take(count);
        return {reinterpret_cast<const char*>(part.data()), part.size()};
    }

    std::size_t remaining() const { return m_data.size() - m_pos; }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
};

}  // namespace temparoka::fuzz
