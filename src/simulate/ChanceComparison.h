#pragma once

#include <string>
#include <string_view>

#include "simulate/Simulation.h"

namespace quintara {

// The expected strikes of `numbersCompared` numbers chosen at random, summed over `draws` draws.
ChanceBaseline ExpectedByChance(Game game, SimulationCommand command, int numbersCompared,
                                std::int32_t draws);

// How a simulation's strikes compare with choosing the same count of numbers at random: a chi-square test
// of the draws per strike class (none, then the report's categories) against the chance baseline.
struct ChanceComparison {
    enum class Verdict { InLine, Better, Worse, Different, TooFewDraws };
    Verdict verdict = Verdict::TooFewDraws;
    int classes = 0;  // strike classes after pooling: every class expects at least 5 draws
    double chiSquare = 0;
    int degreesOfFreedom = 0;  // classes - 1; 0 when too few draws leave nothing to test
    double pValue = 1;
    std::string sentence;  // "These results are in line with choosing numbers at random (p = 0.41)."
};

// Classes expecting fewer than 5 draws are pooled with their better neighbours (the last with its worse
// one), as the chi-square approximation needs. A significant result is called better or worse by whether
// the draws fell, on average, in better strike classes than chance would put them.
ChanceComparison CompareWithChance(const SimulationRun& run);

// The chance baseline as a report shows it: its heading, an empty line and one line per category the
// totals list, each line ending in `lineEnd`.
std::string ChanceBaselineText(const SimulationRun& run, SimulationCommand command, std::string_view lineEnd);

// What follows a report: the baseline, an empty line and the comparison's sentence, with its line end.
std::string ChanceReportText(const SimulationRun& run, SimulationCommand command, std::string_view lineEnd);

}  // namespace quintara
