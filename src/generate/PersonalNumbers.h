#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Refusal.h"

namespace quintara {

// The most personal numbers a player may enter.
inline constexpr int kMostPersonalNumbers = 28;

// The typed personal numbers checked box by box as the personal picks window checks them: an empty box,
// then a number outside 1..the game's highest ball, then a number already in an earlier box, compared by
// value after the half-even rounding ("7" and "07" are one number). A refused number returns the user to
// its box (from 1), emptied; an empty box only says so.
Expected<OneBased<std::int16_t>> CheckPersonalNumbers(Game game, std::span<const std::string> boxes);

}  // namespace quintara
