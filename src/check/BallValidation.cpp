#include "check/BallValidation.h"

#include <algorithm>
#include <span>
#include <utility>

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

namespace {

Refusal BoxRefusal(int position, std::string text, bool emptyBox, RefusalCause cause) {
    return {.title = std::string(kInputErrorTitle),
            .text = std::move(text),
            .box = position,
            .emptyBox = emptyBox,
            .cause = cause};
}

}  // namespace

Checked ValidateBall(Game game, const CheckBoxes& boxes, int position) {
    const auto shown = static_cast<std::size_t>(CheckBoxCount(game));
    const auto index = static_cast<std::size_t>(position - 1);
    const GameInfo& info = Info(game);
    if (info.ChecksLineThunderball() && index == static_cast<std::size_t>(info.mainBalls)) {
        // A Thunderball checked with the line: its own range, and it may repeat a main number.
        std::string range = "You must enter a numeric value between 1 and " + std::to_string(info.extraMax) +
                            " in Thunderball box";
        const auto number = CheckTypedNumber(boxes.at(index), info.extraMax, {});
        if (number) {
            return {};
        }
        switch (number.error()) {
        case TypedNumberFault::Duplicate:
            return {};
        case TypedNumberFault::OutOfRange:
            return Refuse(BoxRefusal(position, std::move(range), false, RefusalCause::OutOfRange));
        case TypedNumberFault::Empty:
        case TypedNumberFault::NotNumeric:
            break;
        }
        return Refuse(BoxRefusal(position, std::move(range), true, RefusalCause::NotANumber));
    }
    const std::span<const std::string> earlier = std::span(boxes).first(std::min(index, shown));
    const auto number = CheckTypedNumber(boxes.at(index), Info(game).maxBall, earlier);
    if (number) {
        return {};
    }
    switch (number.error()) {
    case TypedNumberFault::Empty:
    case TypedNumberFault::NotNumeric:
        return Refuse(BoxRefusal(position, BallRangeMessage(game), true, RefusalCause::NotANumber));
    case TypedNumberFault::OutOfRange:
        return Refuse(BoxRefusal(position, BallRangeMessage(game), false, RefusalCause::OutOfRange));
    case TypedNumberFault::Duplicate:
        return Refuse(BoxRefusal(position, BallDuplicateMessage(game), true, RefusalCause::Duplicate));
    }
    return {};
}

Checked ValidateBoxes(Game game, const CheckBoxes& boxes) {
    const int shown = CheckBoxCount(game);
    for (int position = 1; position <= shown; ++position) {
        if (Trim(boxes[static_cast<std::size_t>(position - 1)]).empty()) {
            return Refuse({.title = std::string(kEnterNumbersTitle),
                           .text = std::string(EnterNumbersText(game)),
                           .icon = RefusalIcon::Exclamation,
                           .box = position,
                           .cause = RefusalCause::Missing});
        }
    }
    for (int position = 1; position <= shown; ++position) {
        if (Checked ball = ValidateBall(game, boxes, position); !ball) {
            return ball;
        }
    }
    return {};
}

}  // namespace quintara
