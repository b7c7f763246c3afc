#include "generate/WheelGuarantees.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

#include "generate/Catalogue.h"

namespace quintara {

WheelProof ProveWheel(const WheelLines& lines) {
    WheelProof proof;
    proof.lines = lines.Size();
    std::vector<std::vector<int>> pointerLines;
    int lowest = std::numeric_limits<int>::max();
    for (const std::string& wheelLine : lines) {
        std::vector<int> line;
        for (const std::int16_t pointer : WheelPointers(wheelLine)) {
            line.push_back(pointer);
            lowest = std::min(lowest, static_cast<int>(pointer));
            proof.highestPointer = std::max(proof.highestPointer, static_cast<int>(pointer));
        }
        pointerLines.push_back(std::move(line));
    }
    proof.lowestPointer = proof.highestPointer == 0 ? 0 : lowest;
    proof.coverage = ComputeCoverage(pointerLines, proof.highestPointer);
    return proof;
}

std::string GuaranteeSentence(const CoverageRow& row, int numbers) {
    const std::string drawn = std::to_string(row.drawn);
    std::string text = "If " + drawn + " of your " + std::to_string(numbers) +
                       (row.drawn == 1 ? " numbers is drawn, " : " numbers are drawn, ");
    if (row.guaranteed == 0) {
        return text +
               (row.drawn == 1 ? "no line is sure to hold it." : "no line is sure to hold any of them.");
    }
    if (row.guaranteed == row.drawn) {
        return text + (row.drawn == 1 ? "at least one line holds it."
                                      : "at least one line holds all " + drawn + " of them.");
    }
    return text + "at least one line holds " + std::to_string(row.guaranteed) + " of them.";
}

std::string WheelGuaranteesText(std::string_view wheelName, const WheelProof& proof,
                                std::string_view lineEnd) {
    const WheelCoverage& coverage = proof.coverage;
    std::string text = "Wheel: " + std::string(wheelName);
    text.append(lineEnd);
    text += std::to_string(proof.lines) + (proof.lines == 1 ? " line of " : " lines of ") +
            std::to_string(coverage.perLine) + " numbers, with pointers " +
            std::to_string(proof.lowestPointer) + " to " + std::to_string(proof.highestPointer) +
            ": it wheels " + std::to_string(coverage.numbers) + " numbers.";
    text.append(lineEnd).append(lineEnd);
    text += "Guaranteed, whichever of the numbers are drawn:";
    text.append(lineEnd).append(lineEnd);
    for (const CoverageRow& row : coverage.rows) {
        text += GuaranteeSentence(row, coverage.numbers);
        text.append(lineEnd);
    }
    return text;
}

std::string WheelGuaranteesReport(std::string_view wheelItem, const WheelLines& lines,
                                  std::string_view lineEnd) {
    std::string text;
    if (wheelItem == kFortyNineWheelItem) {
        text = "\"" + std::string(wheelItem) +
               "\" makes its lines without a wheel, so there is no wheel to prove.";
    } else if (wheelItem == kLoadCustomWheelItem || lines.Empty()) {
        text = "No wheel is loaded: import one with Import Wheel in the File menu.";
    } else {
        try {
            return WheelGuaranteesText(wheelItem, ProveWheel(lines), lineEnd);
        } catch (const std::exception& error) {
            text = "The loaded wheel cannot be proved: " + std::string(error.what()) + ".";
        }
    }
    return text.append(lineEnd);
}

}  // namespace quintara
