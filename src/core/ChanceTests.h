#pragma once

#include <cstdint>
#include <string>

namespace quintara {

// Below this chance a result is called unusual: the customary five per cent.
inline constexpr double kSignificanceLevel = 0.05;

// The chance that a chi-square statistic with `degreesOfFreedom` comes out at least this large when
// nothing but chance is at work (the upper tail of the distribution). 1 for a statistic of 0 or less;
// throws std::domain_error for fewer than 1 degree of freedom.
double ChiSquareUpperTail(double statistic, int degreesOfFreedom);

// A chance as a report names it: "p = 0.41", "p = 0.003", "p < 0.001", "p > 0.99". Below 0.1 three
// decimals are cut, not rounded, so that a chance below the significance level never reads as at least it.
std::string PValueText(double p);

// A count with its thousands grouped by commas: "2,065".
std::string GroupedThousands(std::int64_t value);

}  // namespace quintara
