#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "generate/WheelCoverage.h"
#include "generate/WheelFile.h"

namespace quintara {

// A wheel's lines and what they guarantee, proved over every way its numbers can be drawn.
struct WheelProof {
    std::size_t lines = 0;
    int lowestPointer = 0;
    int highestPointer = 0;  // the numbers the wheel covers: pointers 1 to this
    WheelCoverage coverage;
};

// Proves the guarantees of normalised wheel lines over the numbers 1 to their highest pointer. Throws
// GenerateError for a field that is not a number and std::invalid_argument for a pointer below 1, above
// 64, or a wheel without pointers.
WheelProof ProveWheel(const WheelLines& lines);

// "If 4 of your 28 numbers are drawn, at least one line holds 2 of them."
std::string GuaranteeSentence(const CoverageRow& row, int numbers);

// What the Wheel Guarantees window shows and prints: the wheel's name, its lines, numbers and pointer range,
// then one guarantee per count of drawn numbers, each line ending in `lineEnd`.
std::string WheelGuaranteesText(std::string_view wheelName, const WheelProof& proof,
                                std::string_view lineEnd);

// The same for the wheel box's item and the loaded wheel's lines; an item that makes lines without a wheel,
// or asks for one to be imported, and lines that cannot be proved, are named in a sentence instead.
std::string WheelGuaranteesReport(std::string_view wheelItem, const WheelLines& lines,
                                  std::string_view lineEnd);

}  // namespace quintara
