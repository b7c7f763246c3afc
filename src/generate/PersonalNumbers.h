#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Result.h"

namespace quintara {

// The most personal numbers a player may enter.
inline constexpr int kMostPersonalNumbers = 28;

// Why typed personal numbers are refused: the box at fault (from 1) and the message box to show.
struct PersonalRefusal {
    enum class Problem { Missing, OutOfRange, Duplicate } problem = Problem::Missing;
    int box = 0;
    std::string title;
    std::string text;
};

// The typed personal numbers checked box by box as the personal picks window checks them: an empty box,
// then a number outside 1..the game's highest ball, then a number already in an earlier box, compared by
// value after the half-even rounding ("7" and "07" are one number).
Result<OneBased<std::int16_t>, PersonalRefusal> CheckPersonalNumbers(Game game,
                                                                     std::span<const std::string> boxes);

}  // namespace quintara
