#include "generate/WheelFile.h"

#include <algorithm>

#include "core/Files.h"
#include "core/TextRules.h"
#include "generate/GenerateError.h"

namespace quintara {

namespace {

WheelRefusal Refusal(WheelProblem problem, int line, std::string_view title, std::string text) {
    return WheelRefusal{problem, line, std::string(title), std::move(text)};
}

WheelRefusal Refusal(WheelProblem problem, int line, const WheelMessage& message) {
    return Refusal(problem, line, message.title, std::string(message.text));
}

std::string RangeMessage(Game game, int highest, WheelSource source) {
    const std::string_view lead = game == Game::Thunderball
                                      ? "Please ensure Wheel Pointers are within the range 1 - "
                                      : "Please ensure Wheel Pointers are within range 1 - ";
    if (source == WheelSource::BuiltIn) {
        return std::string(lead) + std::to_string(Info(game).numbersChosen);
    }
    return std::string(lead) + SignBlank(highest);
}

// Calls f(field) for each comma-ended field of a normalised line; text after the last comma is no field.
template <class F>
void ForEachField(std::string_view line, F&& f) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ',') {
            f(line.substr(start, i - start));
            start = i + 1;
        }
    }
}

}  // namespace

WheelRead NormaliseWheelText(std::string_view text, Game game) {
    const int fieldsWanted = Info(game).pointersPerLine;
    WheelLines lines;
    int lineNumber = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++lineNumber;
        std::string normalised;
        normalised.reserve(line.size() + 1);
        int fields = 0;
        for (char c : line) {
            if (c == ' ') {
                normalised += ',';
                ++fields;
            } else {
                normalised += c;
            }
        }
        normalised += ',';
        ++fields;
        if (fields != fieldsWanted) {
            return Refusal(WheelProblem::FieldCount, lineNumber, kIncorrectWheel);
        }
        lines.PushBack(std::move(normalised));
    }
    if (lines.Empty()) {
        return Refusal(WheelProblem::NoLines, 0, kIncorrectWheel);
    }
    return lines;
}

WheelRead ReadWheelFile(const std::filesystem::path& path, Game game, WheelSource source) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Refusal(WheelProblem::Unreadable, 0,
                       source == WheelSource::BuiltIn ? kDefaultWheelNotLoaded : kImportCancelled);
    }
    return NormaliseWheelText(*bytes, game);
}

std::optional<WheelRefusal> CheckWheelPointers(const WheelLines& lines, Game game, int highest,
                                               WheelSource source) {
    int lineNumber = 0;
    for (const auto& line : lines) {
        ++lineNumber;
        std::optional<WheelRefusal> refusal;
        ForEachField(line, [&](std::string_view field) {
            if (refusal) {
                return;
            }
            if (!IsNumeric(field)) {
                refusal = Refusal(WheelProblem::NotANumber, lineNumber, kIncorrectWheelFormatTitle,
                                  "Line " + std::to_string(lineNumber) + " of the Wheel holds \"" +
                                      std::string(field) + "\", which is not a Wheel Pointer");
                return;
            }
            const auto pointer = ToInteger(field);
            if (!pointer || *pointer < 1 || *pointer > highest) {
                refusal = Refusal(WheelProblem::OutOfRange, lineNumber, kIncorrectWheelFormatTitle,
                                  RangeMessage(game, highest, source));
            }
        });
        if (refusal) {
            return refusal;
        }
    }
    return std::nullopt;
}

int ImportHighestPointer(Game game, bool personalPicksActive, std::size_t personalNumbers) {
    return personalPicksActive ? static_cast<int>(personalNumbers) : Info(game).numbersChosen;
}

std::int16_t WheelPointer(std::string_view field, std::string_view normalisedLine) {
    // Plain digits, what every wheel file holds, skip the general numeric conversion.
    if (field.size() <= 4 && IsDigits(field)) {
        int value = 0;
        for (char c : field) {
            value = value * 10 + (c - '0');
        }
        return static_cast<std::int16_t>(value);
    }
    const auto pointer = ToInteger(field);
    if (!pointer) {
        throw GenerateError("the wheel line \"" + std::string(normalisedLine) + "\" holds \"" +
                            std::string(field) + "\", which is not a wheel pointer");
    }
    return *pointer;
}

std::vector<std::int16_t> WheelPointers(std::string_view normalisedLine) {
    std::vector<std::int16_t> pointers;
    ForEachField(normalisedLine,
                 [&](std::string_view field) { pointers.push_back(WheelPointer(field, normalisedLine)); });
    return pointers;
}

std::string CustomWheelItem(std::size_t lineCount) {
    return "CUSTOM " + SignBlank(static_cast<long>(lineCount)) + " Line Wheel";
}

}  // namespace quintara
