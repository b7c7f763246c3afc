#include "generate/PersonalNumbers.h"

#include "core/TypedNumbers.h"

namespace quintara {

Result<OneBased<std::int16_t>, PersonalRefusal> CheckPersonalNumbers(Game game,
                                                                     std::span<const std::string> boxes) {
    using Problem = PersonalRefusal::Problem;
    const int highest = Info(game).maxBall;
    TypedNumbersCheck check = CheckTypedNumbers(boxes, highest);
    if (check.Ok()) {
        return std::move(check.numbers);
    }
    const int box = static_cast<int>(check.position);
    switch (check.fault) {
    case TypedNumberFault::Empty:
        return PersonalRefusal{Problem::Missing, box, "Missing Numbers(s)",
                               "Please enter Numbers in all boxes"};
    case TypedNumberFault::Duplicate:
        return PersonalRefusal{Problem::Duplicate, box, "Number Same",
                               "Please enter a different Number in each box"};
    default:
        break;
    }
    return PersonalRefusal{Problem::OutOfRange, box, "Incorrect Number",
                           "Please enter a Number between 1 and " + std::to_string(highest) + " in each box"};
}

}  // namespace quintara
