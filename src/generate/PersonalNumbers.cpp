#include "generate/PersonalNumbers.h"

#include "core/TypedNumbers.h"

namespace quintara {

Expected<OneBased<std::int16_t>> CheckPersonalNumbers(Game game, std::span<const std::string> boxes) {
    const int highest = Info(game).maxBall;
    auto check = CheckTypedNumbers(boxes, highest);
    if (check) {
        return *std::move(check);
    }
    const int box = static_cast<int>(check.error().position);
    switch (check.error().fault) {
    case TypedNumberFault::Empty:
        return Refuse({.title = "Missing Numbers(s)",
                       .text = "Please enter Numbers in all boxes",
                       .cause = RefusalCause::Missing});
    case TypedNumberFault::Duplicate:
        return Refuse({.title = "Number Same",
                       .text = "Please enter a different Number in each box",
                       .box = box,
                       .emptyBox = true,
                       .cause = RefusalCause::Duplicate});
    default:
        break;
    }
    return Refuse({.title = "Incorrect Number",
                   .text = "Please enter a Number between 1 and " + std::to_string(highest) + " in each box",
                   .box = box,
                   .emptyBox = true,
                   .cause = RefusalCause::OutOfRange});
}

}  // namespace quintara
