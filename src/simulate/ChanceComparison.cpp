#include "simulate/ChanceComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <vector>

#include "core/ChanceTests.h"
#include "core/Games.h"

namespace quintara {

namespace {

std::uint64_t Binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    k = std::min(k, n - k);
    std::uint64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    }
    return result;
}

// n draws times ways / all, reduced.
Fraction ExpectedCount(std::uint64_t ways, std::uint64_t all, std::int32_t draws) {
    if (ways == 0) {
        return Fraction{0, 1};
    }
    const std::uint64_t g = std::gcd(ways, all);
    ways /= g;
    all /= g;
    const auto n = static_cast<std::uint64_t>(draws);
    const std::uint64_t h = std::gcd(n, all);
    return Fraction{ways * (n / h), all / h};
}

// The fewest draws a pooled class may expect.
constexpr double kLeastExpected = 5.0;

constexpr std::array<std::string_view, kStrikeCategories> kCategoryLabels{
    "  x 1 Number",  "  x 2 Numbers", "  x 3 Numbers",
    "  x 4 Numbers", "  x 5 Numbers", "  x 5 Numbers and Bonus Ball",
    "  x 6 Numbers", "  x 7 Numbers"};

struct StrikeClass {
    double observed = 0;
    double expected = 0;
};

std::string TwoDecimals(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2Lf", value);
    return text;
}

std::string Sentence(const ChanceComparison& comparison) {
    const std::string p = " (" + PValueText(comparison.pValue) + ").";
    switch (comparison.verdict) {
    case ChanceComparison::Verdict::InLine:
        return "These results are in line with choosing numbers at random" + p;
    case ChanceComparison::Verdict::Better:
        return "These results are better than random choice would usually give" + p;
    case ChanceComparison::Verdict::Worse:
        return "These results are worse than random choice would usually give" + p;
    case ChanceComparison::Verdict::Different:
        return "These results are spread differently from what random choice would usually give" + p;
    case ChanceComparison::Verdict::TooFewDraws:
        break;
    }
    return "Too few draws were simulated to tell these results from choosing numbers at random.";
}

}  // namespace

ChanceBaseline ExpectedByChance(Game game, SimulationCommand command, int numbersCompared,
                                std::int32_t draws) {
    ChanceBaseline baseline;
    const bool thunderballBall = command == SimulationCommand::ThunderballBall;
    baseline.range = thunderballBall ? Info(game).extraMax : Info(game).maxBall;
    const int range = baseline.range;
    const int k = std::clamp(numbersCompared, 0, range);
    baseline.numbersChosen = k;
    const int drawnCount = thunderballBall ? 1 : Info(game).mainBalls;
    const bool bonusDrawn = Info(game).countedFields > Info(game).mainBalls;
    const int bonusCount = bonusDrawn && !thunderballBall ? 1 : 0;
    const int others = range - drawnCount - bonusCount;
    const std::uint64_t all = Binomial(range, k);
    std::array<std::uint64_t, kStrikeCategories> ways{};
    for (int m = 1; m <= drawnCount; ++m) {
        for (int b = 0; b <= bonusCount; ++b) {
            const std::uint64_t w =
                Binomial(drawnCount, m) * Binomial(bonusCount, b) * Binomial(others, k - m - b);
            int category = StrikeCategory(m);
            if (b == 1 && m == 5) {
                category = kFiveAndBonusCategory;
            } else if (b == 1 && m == 6) {
                category = StrikeCategory(7);
            }
            ways[static_cast<std::size_t>(category)] += w;
        }
    }
    for (std::size_t c = 0; c < ways.size(); ++c) {
        baseline.expected[c] = ExpectedCount(ways[c], all, draws);
    }
    return baseline;
}

ChanceComparison CompareWithChance(const SimulationRun& run) {
    // Class 0 holds the draws with no strike; classes 1.. follow the totals, from worst to best.
    std::vector<StrikeClass> raw(kStrikeCategories + 1);
    double struck = 0;
    long double expectedStruck = 0;
    for (std::size_t c = 0; c < kStrikeCategories; ++c) {
        raw[c + 1].observed = run.totals[c];
        raw[c + 1].expected = static_cast<double>(run.baseline.expected[c].Value());
        struck += run.totals[c];
        expectedStruck += run.baseline.expected[c].Value();
    }
    raw[0].observed = run.draws - struck;
    raw[0].expected = static_cast<double>(run.draws - expectedStruck);

    std::vector<StrikeClass> pooled;
    StrikeClass open;
    double observedRank = 0;
    double expectedRank = 0;
    for (std::size_t c = 0; c < raw.size(); ++c) {
        observedRank += raw[c].observed * static_cast<double>(c);
        expectedRank += raw[c].expected * static_cast<double>(c);
        open.observed += raw[c].observed;
        open.expected += raw[c].expected;
        if (open.expected >= kLeastExpected) {
            pooled.push_back(open);
            open = StrikeClass{};
        }
    }
    if (!pooled.empty()) {
        pooled.back().observed += open.observed;
        pooled.back().expected += open.expected;
    }

    ChanceComparison comparison;
    comparison.classes = static_cast<int>(pooled.size());
    if (pooled.size() >= 2) {
        for (const StrikeClass& c : pooled) {
            const double gap = c.observed - c.expected;
            comparison.chiSquare += gap * gap / c.expected;
        }
        comparison.degreesOfFreedom = comparison.classes - 1;
        comparison.pValue = ChiSquareUpperTail(comparison.chiSquare, comparison.degreesOfFreedom);
        if (comparison.pValue >= kSignificanceLevel) {
            comparison.verdict = ChanceComparison::Verdict::InLine;
        } else if (observedRank > expectedRank) {
            comparison.verdict = ChanceComparison::Verdict::Better;
        } else if (observedRank < expectedRank) {
            comparison.verdict = ChanceComparison::Verdict::Worse;
        } else {
            comparison.verdict = ChanceComparison::Verdict::Different;
        }
    }
    comparison.sentence = Sentence(comparison);
    return comparison;
}

std::string ChanceBaselineText(const SimulationRun& run, SimulationCommand command,
                               std::string_view lineEnd) {
    const ChanceBaseline& baseline = run.baseline;
    std::string text = "Expected by chance from " + std::to_string(run.draws) + " Draws, had " +
                       std::to_string(baseline.numbersChosen) + " of the Numbers 1 to " +
                       std::to_string(baseline.range) + " been chosen at random:";
    text.append(lineEnd).append(lineEnd);
    const std::size_t listed = command == SimulationCommand::ThunderballBall ? 1 : kStrikeCategories;
    for (std::size_t c = 0; c < listed; ++c) {
        text += TwoDecimals(baseline.expected[c].Value()) + std::string(kCategoryLabels[c]);
        text.append(lineEnd);
    }
    return text;
}

std::string ChanceReportText(const SimulationRun& run, SimulationCommand command, std::string_view lineEnd) {
    std::string text = ChanceBaselineText(run, command, lineEnd);
    text.append(lineEnd).append(CompareWithChance(run).sentence).append(lineEnd);
    return text;
}

}  // namespace quintara
