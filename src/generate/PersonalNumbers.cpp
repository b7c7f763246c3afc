#include "generate/PersonalNumbers.h"

#include "core/TextRules.h"

namespace quintara {

bool SameTypedNumber(std::string_view a, std::string_view b) {
    const auto first = IsNumeric(a) ? ToInteger(a) : std::nullopt;
    const auto second = IsNumeric(b) ? ToInteger(b) : std::nullopt;
    if (first && second) {
        return *first == *second;
    }
    return a == b;
}

Result<OneBased<std::int16_t>, PersonalRefusal> CheckPersonalNumbers(Game game,
                                                                     std::span<const std::string> boxes) {
    using Problem = PersonalRefusal::Problem;
    const int highest = Info(game).maxBall;
    OneBased<std::int16_t> numbers(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int box = static_cast<int>(i) + 1;
        const std::string& text = boxes[i];
        if (text.empty()) {
            return PersonalRefusal{Problem::Missing, box, "Missing Numbers(s)",
                                   "Please enter Numbers in all boxes"};
        }
        const auto value = IsNumeric(text) ? ToInteger(text) : std::nullopt;
        if (!value || *value < 1 || *value > highest) {
            return PersonalRefusal{
                Problem::OutOfRange, box, "Incorrect Number",
                "Please enter a Number between 1 and " + std::to_string(highest) + " in each box"};
        }
        for (std::size_t earlier = 0; earlier < i; ++earlier) {
            if (SameTypedNumber(boxes[earlier], text)) {
                return PersonalRefusal{Problem::Duplicate, box, "Number Same",
                                       "Please enter a different Number in each box"};
            }
        }
        numbers[i + 1] = *value;
    }
    return numbers;
}

}  // namespace quintara
