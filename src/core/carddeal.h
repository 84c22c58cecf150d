#pragma once
// Where the five cards land, and how the prompt fades in. The deal seeds
// the program's generator from the time of day, so every deal lays the
// cards out differently, and draws a top and a left for each card in turn.

#include <array>
#include <cstdint>

namespace temparoka {

class Random;

struct CardPlace {
    int left = 0;
    int top = 0;
    bool operator==(const CardPlace&) const = default;
};

// Seed of a deal: the time of day in steps of 0.864 seconds.
std::uint32_t dealSeed(double timeOfDay);

// Seeds random and draws the places of cards 1 to 5 in a window of the given
// outer size; card 5 may go 100 pixels further right than the others.
std::array<CardPlace, 5> dealCards(std::uint32_t seed, int windowHeight, int windowWidth, Random& random);

// The red values the prompt takes while it fades in: 15, 30, ... 255.
inline constexpr int kFadeStep = 15;
inline constexpr int kFadeSteps = 255 / kFadeStep;

}  // namespace temparoka
