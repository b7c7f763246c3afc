#include "check/BallValidation.h"

#include <algorithm>
#include <span>

#include "core/TextRules.h"
#include "core/TypedNumbers.h"

namespace quintara {

std::string_view EnterNumbersText(Game game) {
    switch (game) {
    case Game::Lotto:
        return "Please enter a number in each of boxes 1-6 and Bonus Ball";
    case Game::LottoExtra:
        return "Please enter a number in each of boxes 1-6";
    case Game::Thunderball:
        return "Please enter a number in each of boxes 1-5";
    case Game::DailyPlay:
        return "Please enter a number in each of boxes 1-7";
    }
    return {};
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
