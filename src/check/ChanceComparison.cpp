#include "check/ChanceComparison.h"

#include <cstdio>
#include <vector>

#include "core/ChanceTests.h"

namespace quintara {

namespace {

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
