#include "core/random.h"

namespace temparoka {

double Random::real()
{
    advance();
    return static_cast<double>(m_seed) / 4294967296.0;
}

std::uint32_t Random::range(std::uint32_t n)
{
    advance();
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * n) >> 32);
}

Random& programRandom()
{
    static Random generator;
    return generator;
}

}  // namespace temparoka
