#pragma once
// The program-wide pseudo-random generator. Readings must come out the same
// for the same inputs, so the generator is a fixed linear congruential one
// and every user seeds it right before its own draws.

#include <cstdint>

namespace temparoka {

class Random {
public:
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // Advances the state and returns it as a fraction in [0, 1).
    double real();
    // Advances the state and returns a whole number from 0 to n - 1
    // (0 when n is 0).
    std::uint32_t range(std::uint32_t n);

private:
    void advance() { m_seed = m_seed * 134775813u + 1u; }

    std::uint32_t m_seed = 0;
};

// The one generator the whole program shares.
Random& programRandom();

}  // namespace temparoka
