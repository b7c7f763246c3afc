#include "generate/WheelLines.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "generate/GenerateError.h"
#include "generate/WheelFile.h"

namespace quintara {

namespace {

constexpr std::size_t kMostPointers = 7;
using LineNumbers = std::array<std::int16_t, kMostPointers>;

// The final numbers named by the first `count` pointers of a line, ascending. The simulation makes these
// lines once per past draw, so the line is parsed in place rather than through WheelPointers.
LineNumbers PickLine(const OneBased<std::int16_t>& finalNumbers, std::string_view wheelLine,
                     std::size_t count) {
    LineNumbers numbers{};
    std::size_t taken = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < wheelLine.size() && taken < count; ++i) {
        if (wheelLine[i] != ',') {
            continue;
        }
        const int pointer = WheelPointer(wheelLine.substr(start, i - start), wheelLine);
        start = i + 1;
        if (pointer < 1 || static_cast<std::size_t>(pointer) > finalNumbers.Size()) {
            throw GenerateError("the wheel pointer " + std::to_string(pointer) + " names none of the " +
                                std::to_string(finalNumbers.Size()) + " final numbers");
        }
        numbers[taken++] = finalNumbers[static_cast<std::size_t>(pointer)];
    }
    if (taken < count) {
        throw GenerateError("the wheel line \"" + std::string(wheelLine) + "\" holds fewer than " +
                            std::to_string(count) + " pointers");
    }
    // Any ascending sort of integers gives what the program's Shell sort gives; seven values want no more
    // than insertion.
    for (std::size_t i = 1; i < count; ++i) {
        for (std::size_t j = i; j > 0 && numbers[j - 1] > numbers[j]; --j) {
            std::swap(numbers[j - 1], numbers[j]);
        }
    }
    return numbers;
}

}  // namespace

namespace {

// One line record per wheel line; the picked numbers fill the record's first ball fields in order.
template <class Rec>
OneBased<Rec> LinesOf(const OneBased<std::int16_t>& finalNumbers, const OneBased<std::string>& wheelLines,
                      std::size_t perLine) {
    OneBased<Rec> lines;
    lines.Reserve(wheelLines.Size());
    for (const auto& wheelLine : wheelLines) {
        const auto numbers = PickLine(finalNumbers, wheelLine, perLine);
        Rec line;
        for (std::size_t i = 0; i < perLine; ++i) {
            line.Balls[i] = numbers[i];
        }
        lines.PushBack(line);
    }
    return lines;
}

}  // namespace

PickedLineSet MakeWheelLines(const OneBased<std::int16_t>& finalNumbers,
                             const OneBased<std::string>& wheelLines, Game game) {
    PickedLineSet set;
    const auto perLine = static_cast<std::size_t>(Info(game).pointersPerLine);
    if (Info(game).sevenBallLines) {
        set.DailyPlayPickedLines = LinesOf<DailyPlayDrawRec>(finalNumbers, wheelLines, perLine);
    } else {
        // Thunderball's sixth value is a 0 that sorts first and lands in the Thunderball field, so the five
        // numbers fill Ball1..Ball5 in order.
        set.PickedLines = LinesOf<LottoDrawRec>(finalNumbers, wheelLines, perLine);
    }
    return set;
}

}  // namespace quintara
