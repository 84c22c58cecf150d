#include "horoscope/carddeal.h"

#include "common/random.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(dealSeed(0.0), 0u);
    EXPECT_EQ(dealSeed(0.864 / 86400 * 3 + 1e-12), 3u);
    EXPECT_EQ(dealSeed(0.99999999), 99999u);
    EXPECT_EQ(kFadeSteps * kFadeStep, 255);
    EXPECT_EQ(kFadeSteps, 17);
}

}  // namespace
