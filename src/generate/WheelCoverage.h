#pragma once

#include <cstdint>
#include <vector>

namespace quintara {

// How the best line of a wheel matches every possible set of m drawn numbers among its wheeled numbers.
struct CoverageRow {
    int drawn = 0;                            // m
    int guaranteed = 0;                       // best match reached by every m-subset
    std::vector<std::uint64_t> countByMatch;  // [t]: m-subsets whose best line matches exactly t
    std::uint64_t subsets = 0;                // C(numbers, m)
};

// The coverage of a wheel for every count of drawn numbers from 1 to the numbers per line.
struct WheelCoverage {
    int numbers = 0;
    int perLine = 0;
    std::vector<CoverageRow> rows;  // rows[m - 1] is the row for m drawn numbers
};

// Lines hold numbers 1..numbers (at most 64); perLine is the size of the longest line. Every subset of
// the numbers is visited once, so the cost grows with C(numbers, perLine), not with lines x subsets.
// Throws std::invalid_argument for a number outside 1..numbers.
WheelCoverage ComputeCoverage(const std::vector<std::vector<int>>& lines, int numbers);

// "match if drawn": whenever `drawn` of the wheeled numbers are drawn, some line holds `match` of them.
bool MeetsGuarantee(const WheelCoverage& coverage, int match, int drawn);

// Share (0..1) of the sets of `drawn` numbers whose best line holds at least `match` of them.
double ShareAtLeast(const WheelCoverage& coverage, int match, int drawn);

}  // namespace quintara
