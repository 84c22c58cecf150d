#include "core/carddeal.h"

#include "core/random.h"

#include <gtest/gtest.h>

#include <utility>

using namespace temparoka;

namespace {

TEST(CardDeal, WorkedExampleAtThreeInTheAfternoon)
{
    EXPECT_EQ(dealSeed(0.625), 62500u);
    Random random;
    const std::array<CardPlace, 5> expected = {{{190, 98}, {276, 224}, {277, 50}, {477, 125}, {389, 47}}};
    EXPECT_EQ(dealCards(62500, 519, 743, random), expected);
}

TEST(CardDeal, CardsStayInsideTheirRangesForAnyTimeOfDay)
{
    Random random;
    for (std::uint32_t seed = 0; seed < 100000; seed += 7) {
        const auto places = dealCards(seed, 519, 743, random);
        for (std::size_t card = 0; card < 5; ++card) {
            EXPECT_GE(places[card].top, 20);
            EXPECT_LE(places[card].top, 338);
            EXPECT_GE(places[card].left, 20);
            EXPECT_LE(places[card].left, card == 4 ? 662 : 562);
        }
    }
}

TEST(CardDeal, SeedCountsStepsOfPoint864Seconds)
{
    // Time of day (seconds since midnight) -> whole steps of 0.864 seconds.
    // clang-format off
    const std::pair<double, std::uint32_t> cases[] = {
        {0.0, 0},         {0.5, 0},          {1.0, 1},          {1.727, 1}, {1.729, 2},
        {21600.0, 25000}, {54000.0, 62500},  {86399.0, 99998},
    };
    // clang-format on
    for (const auto& [seconds, seed] : cases)
        EXPECT_EQ(dealSeed(seconds / 86400), seed) << seconds;
}

}  // namespace
