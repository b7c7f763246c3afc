#include <cmath>
#include <gtest/gtest.h>

#include "stats/EqualChances.h"

namespace quintara {
namespace {

TEST(EqualChancesTest, CountsOfDrawsHoldingSeveralBallsAreScaledToTheChiSquareOfTheirBalls) {
    // Two of three balls a draw is one ball left out, counted as one of three equally likely classes:
    // over 30 draws the counts 24, 20, 16 leave out 6, 10, 14, whose chi-square is 3.2 with 2 degrees of
    // freedom, and its upper tail is exp(-3.2 / 2).
    const OneBased<FrequencyRec> counts{{1, 24}, {2, 20}, {3, 16}};
    const EqualChanceTest test = TestEqualChances(counts, 3, 2, 30);
    EXPECT_NEAR(test.chiSquare, 3.2, 1e-12);
    EXPECT_EQ(test.degreesOfFreedom, 2);
    EXPECT_NEAR(test.pValue, std::exp(-1.6), 1e-12);

    // One ball a draw needs no scaling; a ball the table leaves out counts 0: 12, 8 and 0 of 20 draws.
    const EqualChanceTest single = TestEqualChances(OneBased<FrequencyRec>{{2, 12}, {1, 8}}, 3, 1, 20);
    EXPECT_NEAR(single.chiSquare, 11.2, 1e-12);
    EXPECT_NEAR(single.pValue, std::exp(-5.6), 1e-12);
    EXPECT_EQ(TestEqualChances(counts, 3, 2, 0).degreesOfFreedom, 0);

    // The game's Thunderball is one ball of 14 a draw.
    GameStatistics statistics;
    statistics.ThunderballFrequency = OneBased<FrequencyRec>{{1, 3}};
    const EqualChanceTest thunderball =
        TestEqualChances(Game::Thunderball, StatisticBalls::Thunderball, statistics, 3);
    EXPECT_EQ(thunderball.balls, Info(Game::Thunderball).extraMax);
    EXPECT_EQ(thunderball.perDraw, 1);
}

TEST(EqualChancesTest, TheSentenceSaysWhetherTheCountsAreInLineWithEqualChances) {
    EXPECT_EQ(
        EqualChanceSentence({2065, 49, 7, 41.24, 48, 0.7412}),
        "Over 2,065 draws the counts are in line with every ball being equally likely (chi-square 41.2, "
        "48 degrees of freedom, p = 0.74).");
    EXPECT_EQ(EqualChanceSentence({964, 14, 1, 30.1, 13, 0.0046}),
              "Over 964 draws the counts are further from equal than chance alone would usually leave them "
              "(chi-square 30.1, 13 degrees of freedom, p = 0.004).");
}

}  // namespace
}  // namespace quintara
