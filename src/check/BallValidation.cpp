#include "check/BallValidation.h"

#include <algorithm>
#include <span>

#include "core/TextRules.h"
#include "core/TypedNumbers.h"

namespace quintara {

std::string_view EnterNumbersText(Game game) {
    return Info(game).enterNumbersText;
}

std::string BallRangeMessage(Game game) {
    return "You must enter a numeric value between 1 and " + std::to_string(Info(game).maxBall) +
           " in each box";
}

std::string BallDuplicateMessage(Game game) {
    return "You must enter a DIFFERENT numeric value between 1 and " + std::to_string(Info(game).maxBall) +
           " in each box";
}

BallVerdict ValidateBall(Game game, const CheckBoxes& boxes, int position) {
    const auto shown = static_cast<std::size_t>(CheckBoxCount(game));
    const auto index = static_cast<std::size_t>(position - 1);
    const GameInfo& info = Info(game);
    if (info.ChecksLineThunderball() && index == static_cast<std::size_t>(info.mainBalls)) {
        // A Thunderball checked with the line: its own range, and it may repeat a main number.
        const std::string range = "You must enter a numeric value between 1 and " +
                                  std::to_string(info.extraMax) + " in Thunderball box";
        switch (CheckTypedNumber(boxes.at(index), info.extraMax, {}).fault) {
        case TypedNumberFault::None:
        case TypedNumberFault::Duplicate:
            return {};
        case TypedNumberFault::OutOfRange:
            return {true, false, range};
        case TypedNumberFault::Empty:
        case TypedNumberFault::NotNumeric:
            break;
        }
        return {true, true, range};
    }
    const std::span<const std::string> earlier = std::span(boxes).first(std::min(index, shown));
    const TypedNumber verdict = CheckTypedNumber(boxes.at(index), Info(game).maxBall, earlier);
    switch (verdict.fault) {
    case TypedNumberFault::None:
        return {};
    case TypedNumberFault::Empty:
    case TypedNumberFault::NotNumeric:
        return {true, true, BallRangeMessage(game)};
    case TypedNumberFault::OutOfRange:
        return {true, false, BallRangeMessage(game)};
    case TypedNumberFault::Duplicate:
        return {true, true, BallDuplicateMessage(game)};
    }
    return {};
}

std::optional<BoxesRefusal> ValidateBoxes(Game game, const CheckBoxes& boxes) {
    const int shown = CheckBoxCount(game);
    for (int position = 1; position <= shown; ++position) {
        if (Trim(boxes[static_cast<std::size_t>(position - 1)]).empty()) {
            return BoxesRefusal{position, std::string(kEnterNumbersTitle),
                                std::string(EnterNumbersText(game))};
        }
    }
    for (int position = 1; position <= shown; ++position) {
        const BallVerdict verdict = ValidateBall(game, boxes, position);
        if (verdict.cancel) {
            return BoxesRefusal{position, std::string(kInputErrorTitle), verdict.message};
        }
    }
    return std::nullopt;
}

}  // namespace quintara
