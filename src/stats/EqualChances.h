#pragma once

#include <cstdint>
#include <string>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"
#include "stats/StatisticReports.h"

namespace quintara {

// A chi-square test of a game's ball counts against every ball being equally likely.
struct EqualChanceTest {
    std::int32_t draws = 0;
    int balls = 0;    // the balls counted: 49, 34, 27, or 14 for the Thunderball
    int perDraw = 0;  // distinct balls each draw adds to the counts (Lotto: six and the bonus ball)
    double chiSquare = 0;
    int degreesOfFreedom = 0;  // balls - 1; 0 when there is nothing to test
    double pValue = 1;
    bool operator==(const EqualChanceTest&) const = default;
};

// Tests the counts of `table` (balls it does not list count 0). A draw holds `perDraw` different balls, so
// the counts are not independent as the textbook statistic assumes: it is scaled by (balls - 1) / (balls -
// perDraw), which gives it the chi-square distribution with balls - 1 degrees of freedom again.
EqualChanceTest TestEqualChances(const OneBased<FrequencyRec>& table, int balls, int perDraw,
                                 std::int32_t draws);

// The test of the main balls or the Thunderball of `game`, from the tables of `statistics`.
EqualChanceTest TestEqualChances(Game game, StatisticBalls which, const GameStatistics& statistics,
                                 std::int32_t draws);

// "Over 2,065 draws the counts are in line with every ball being equally likely (chi-square 41.2, 48
// degrees of freedom, p = 0.74)."
std::string EqualChanceSentence(const EqualChanceTest& test);

}  // namespace quintara
