#include <cmath>
#include <gtest/gtest.h>

#include "core/ChanceTests.h"
#include "simulate/ChanceComparison.h"

namespace quintara {
namespace {

// A run of the Thunderball's 8 numbers of 14 over `draws` draws, `struck` of which held the Thunderball.
SimulationRun ThunderballRun(std::int32_t draws, std::int32_t struck) {
    SimulationRun run;
    run.draws = draws;
    run.numbersUsed = 8;
    run.totals[0] = struck;
    run.baseline = ExpectedByChance(Game::Thunderball, SimulationCommand::ThunderballBall, 8, draws);
    return run;
}

TEST(ChanceComparisonTest, StrikeClassesAreTestedAgainstChanceAndTheVerdictNamesTheirDirection) {
    // Over 140 draws chance expects 80 draws with the Thunderball and 60 without; with one degree of
    // freedom the upper tail of the chi-square is erfc(sqrt(x / 2)).
    const struct {
        std::int32_t struck;
        double chiSquare;
        ChanceComparison::Verdict verdict;
        std::string sentenceStart;
    } rows[] = {
        {80, 0.0, ChanceComparison::Verdict::InLine,
         "These results are in line with choosing numbers at random"},
        {88, 64.0 / 80 + 64.0 / 60, ChanceComparison::Verdict::InLine, "These results are in line"},
        {100, 400.0 / 80 + 400.0 / 60, ChanceComparison::Verdict::Better,
         "These results are better than random choice would usually give"},
        {50, 900.0 / 80 + 900.0 / 60, ChanceComparison::Verdict::Worse,
         "These results are worse than random choice would usually give"},
    };
    for (const auto& row : rows) {
        const ChanceComparison comparison = CompareWithChance(ThunderballRun(140, row.struck));
        EXPECT_EQ(std::pair(comparison.classes, comparison.degreesOfFreedom), std::pair(2, 1));
        EXPECT_NEAR(comparison.chiSquare, row.chiSquare, 1e-9) << row.struck;
        EXPECT_NEAR(comparison.pValue, std::erfc(std::sqrt(row.chiSquare / 2)), 1e-9) << row.struck;
        EXPECT_EQ(comparison.verdict, row.verdict) << row.struck;
        EXPECT_EQ(comparison.sentence,
                  row.sentenceStart + comparison.sentence.substr(row.sentenceStart.size()));
        EXPECT_TRUE(comparison.sentence.ends_with(" (" + PValueText(comparison.pValue) + ")."));
    }

    // Eight draws expect 4.57 with the Thunderball and 3.43 without: pooled, nothing is left to test.
    const ChanceComparison few = CompareWithChance(ThunderballRun(8, 8));
    EXPECT_EQ(std::pair(few.verdict, few.degreesOfFreedom),
              std::pair(ChanceComparison::Verdict::TooFewDraws, 0));
    EXPECT_EQ(few.sentence,
              "Too few draws were simulated to tell these results from choosing numbers at random.");
}

TEST(ChanceComparisonTest, LottoClassesExpectingFewerThanFiveDrawsArePooled) {
    SimulationRun run;
    run.draws = 300;
    run.numbersUsed = 28;
    run.baseline = ExpectedByChance(Game::Lotto, SimulationCommand::MainBalls, 28, run.draws);
    for (std::size_t c = 0; c < kStrikeCategories; ++c) {
        run.totals[c] = static_cast<std::int32_t>(std::lround(run.baseline.expected[c].Value()));
    }
    const ChanceComparison comparison = CompareWithChance(run);
    // Of 300 draws no strike expects 1.2 and joins 1 strike (12.2); 6 expects 3.9 and joins 7 (4.1).
    EXPECT_EQ(std::tuple(comparison.classes, comparison.degreesOfFreedom, comparison.verdict),
              std::tuple(7, 6, ChanceComparison::Verdict::InLine));

    const std::string text = ChanceReportText(run, SimulationCommand::MainBalls, "\n");
    EXPECT_TRUE(text.starts_with(
        "Expected by chance from 300 Draws, had 28 of the Numbers 1 to 49 been chosen at random:\n\n"));
    EXPECT_TRUE(text.ends_with("\n\n" + comparison.sentence + "\n"));
}

TEST(ChanceBaseline, IsTheExactHypergeometricExpectationOverTheDraws) {
    // Six numbers in Lotto: the known odds of 1 in 13,983,816 for six, 6 in it for five and the bonus,
    // 252 for five.
    const auto six = ExpectedByChance(Game::Lotto, SimulationCommand::MainBalls, 6, 1);
    EXPECT_EQ(six.expected[6], (Fraction{1, 13983816}));
    EXPECT_EQ(six.expected[kFiveAndBonusCategory], (Fraction{1, 2330636}));
    EXPECT_EQ(six.expected[4], (Fraction{3, 166474}));  // 252 / 13983816
    EXPECT_EQ(six.expected[7], (Fraction{0, 1}));
    // Eight Thunderball numbers of 14 over 7 draws: one strike expected 7 x 8/14 = 4 times.
    const auto thunderball = ExpectedByChance(Game::Thunderball, SimulationCommand::ThunderballBall, 8, 7);
    EXPECT_EQ(thunderball.expected[0], (Fraction{4, 1}));
    EXPECT_EQ(thunderball.range, 14);
    // Every category of a 28-number Lotto run together: every draw but those holding none of the 28, which
    // happens C(21, 6) times in C(49, 6).
    const auto wide = ExpectedByChance(Game::Lotto, SimulationCommand::MainBalls, 28, 1000);
    long double sum = 0;
    for (const auto& f : wide.expected) {
        sum += f.Value();
    }
    EXPECT_NEAR(static_cast<double>(sum), 1000.0 * (13983816.0 - 54264.0) / 13983816.0, 1e-9);
}

}  // namespace
}  // namespace quintara
