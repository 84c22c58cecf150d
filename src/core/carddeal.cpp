#include "core/carddeal.h"

#include "core/random.h"

#include <cmath>

namespace temparoka {

std::uint32_t dealSeed(double timeOfDay)
{
    return static_cast<std::uint32_t>(std::trunc(timeOfDay * 100000));
}

std::array<CardPlace, 5> dealCards(std::uint32_t seed, int windowHeight, int windowWidth, Random& random)
{
    random.setSeed(seed);
    std::array<CardPlace, 5> places;
    for (std::size_t card = 0; card < places.size(); ++card) {
        places[card].top = static_cast<int>(std::trunc(random.real() * (windowHeight - 200) + 20));
        const int room = card == 4 ? windowWidth - 100 : windowWidth - 200;
        places[card].left = static_cast<int>(std::trunc(random.real() * room + 20));
    }
    return places;
}

}  // namespace temparoka
