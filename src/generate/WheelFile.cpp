#include "generate/WheelFile.h"

#include <algorithm>

#include "core/Files.h"
#include "core/TextRules.h"
#include "generate/GenerateError.h"

namespace quintara {

namespace {

Refusal WheelFault(RefusalCause cause, std::string_view title, std::string text, std::string detail) {
    return {
        .title = std::string(title), .text = std::move(text), .cause = cause, .detail = std::move(detail)};
}

Refusal WheelFault(RefusalCause cause, const WheelMessage& message, std::string detail) {
    return WheelFault(cause, message.title, std::string(message.text), std::move(detail));
}

std::string RangeMessage(Game game, int highest, WheelSource source) {
    const std::string_view lead = Info(game).wheelRangeLead;
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

std::string LineHolds(int lineNumber, std::size_t fields, Game game) {
    return "line " + std::to_string(lineNumber) + " holds " + std::to_string(fields) + " fields; a " +
           GameName(game) + " wheel line holds " + std::to_string(Info(game).pointersPerLine) + " pointers";
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
            return Refuse(WheelFault(RefusalCause::FieldCount, kIncorrectWheel,
                                     LineHolds(lineNumber, static_cast<std::size_t>(fields), game)));
        }
        lines.PushBack(std::move(normalised));
    }
    if (lines.Empty()) {
        return Refuse(WheelFault(RefusalCause::NoLines, kIncorrectWheel, "the wheel has no line"));
    }
    return lines;
}

WheelRead ReadWheelFile(const std::filesystem::path& path, Game game, WheelSource source) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Refuse(WheelFault(RefusalCause::Unreadable,
                                 source == WheelSource::BuiltIn ? kDefaultWheelNotLoaded : kImportCancelled,
                                 bytes.error().text));
    }
    WheelRead read = NormaliseWheelText(*bytes, game);
    if (!read) {
        Refusal& refusal = read.error();
        refusal.detail =
            path.string() + ": " + (bytes->empty() ? std::string("the file is empty") : refusal.detail);
    }
    return read;
}

Checked CheckWheel(const WheelLines& lines, Game game, int highest, WheelSource source) {
    if (lines.Empty()) {
        return Refuse(WheelFault(RefusalCause::NoLines, kIncorrectWheel, "the wheel has no line"));
    }
    const auto wanted = static_cast<std::size_t>(Info(game).pointersPerLine);
    int lineNumber = 0;
    for (const auto& line : lines) {
        ++lineNumber;
        std::size_t fields = 0;
        ForEachField(line, [&](std::string_view) { ++fields; });
        if (fields != wanted || line.empty() || line.back() != ',') {
            return Refuse(
                WheelFault(RefusalCause::FieldCount, kIncorrectWheel, LineHolds(lineNumber, fields, game)));
        }
    }
    return CheckWheelPointers(lines, game, highest, source);
}

WheelRead ReadCheckedWheel(const std::filesystem::path& path, Game game, int highest, WheelSource source) {
    WheelRead read = ReadWheelFile(path, game, source);
    if (read) {
        if (Checked checked = CheckWheel(*read, game, highest, source); !checked) {
            checked.error().detail = path.string() + ": " + checked.error().detail;
            return Refuse(std::move(checked).error());
        }
    }
    return read;
}

Checked CheckWheelPointers(const WheelLines& lines, Game game, int highest, WheelSource source) {
    int lineNumber = 0;
    std::vector<std::int16_t> seen;
    for (const auto& line : lines) {
        ++lineNumber;
        std::optional<Refusal> refusal;
        seen.clear();
        ForEachField(line, [&](std::string_view field) {
            if (refusal) {
                return;
            }
            if (!IsNumeric(field)) {
                std::string text = "Line " + std::to_string(lineNumber) + " of the Wheel holds \"" +
                                   std::string(field) + "\", which is not a Wheel Pointer";
                refusal = WheelFault(RefusalCause::NotANumber, kIncorrectWheelFormatTitle, text, text);
                return;
            }
            const auto pointer = ToInteger(field);
            if (!pointer || *pointer < 1 || *pointer > highest) {
                refusal = WheelFault(RefusalCause::OutOfRange, kIncorrectWheelFormatTitle,
                                     RangeMessage(game, highest, source),
                                     "line " + std::to_string(lineNumber) + " holds the pointer " +
                                         std::string(field) + ", outside 1 - " + std::to_string(highest));
                return;
            }
            if (std::find(seen.begin(), seen.end(), *pointer) != seen.end()) {
                std::string text = "Line " + std::to_string(lineNumber) +
                                   " of the Wheel holds the Wheel Pointer " + std::to_string(*pointer) +
                                   " twice";
                refusal = WheelFault(RefusalCause::Duplicate, kIncorrectWheelFormatTitle, text, text);
                return;
            }
            seen.push_back(*pointer);
        });
        if (refusal) {
            return Refuse(std::move(*refusal));
        }
    }
    return {};
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
