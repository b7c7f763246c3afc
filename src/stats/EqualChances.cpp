#include "stats/EqualChances.h"

#include <cstdio>

#include "core/ChanceTests.h"

namespace quintara {

EqualChanceTest TestEqualChances(const OneBased<FrequencyRec>& table, int balls, int perDraw,
                                 std::int32_t draws) {
    EqualChanceTest test{draws, balls, perDraw, 0, 0, 1};
    if (draws <= 0 || balls < 2 || perDraw < 1 || perDraw >= balls) {
        return test;
    }
    const double expected = static_cast<double>(draws) * perDraw / balls;
    double sum = 0;
    std::int64_t counted = 0;
    for (const FrequencyRec& rec : table) {
        if (rec.Ball < 1 || rec.Ball > balls) {
            continue;
        }
        const double gap = rec.Count - expected;
        sum += gap * gap / expected;
        counted += 1;
    }
    // Balls the table leaves out were never drawn.
    sum += static_cast<double>(balls - counted) * expected;
    test.chiSquare = sum * (balls - 1) / (balls - perDraw);
    test.degreesOfFreedom = balls - 1;
    test.pValue = ChiSquareUpperTail(test.chiSquare, test.degreesOfFreedom);
    return test;
}

EqualChanceTest TestEqualChances(Game game, StatisticBalls which, const GameStatistics& statistics,
                                 std::int32_t draws) {
    const GameInfo& info = Info(game);
    if (which == StatisticBalls::Thunderball) {
        return TestEqualChances(statistics.ThunderballFrequency, info.extraMax, 1, draws);
    }
    return TestEqualChances(statistics.BallFrequency, info.maxBall, info.countedFields, draws);
}

std::string EqualChanceSentence(const EqualChanceTest& test) {
    if (test.degreesOfFreedom == 0) {
        return "Without draws there are no counts to test against every ball being equally likely.";
    }
    char figures[96];
    std::snprintf(figures, sizeof figures, "(chi-square %.1f, %d degrees of freedom, ", test.chiSquare,
                  test.degreesOfFreedom);
    const std::string opening =
        "Over " + GroupedThousands(test.draws) + (test.draws == 1 ? " draw" : " draws");
    const std::string finding =
        test.pValue < kSignificanceLevel
            ? " the counts are further from equal than chance alone would usually leave them "
            : " the counts are in line with every ball being equally likely ";
    return opening + finding + figures + PValueText(test.pValue) + ").";
}

}  // namespace quintara
