#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Draws.h"

namespace quintara {

// The searches walk the loaded draws of one game, `draws`, as far as the window browses them: `lastDraw`.

// The draws whose counted balls hold `number`, as indexes (1 the newest), from the oldest to the newest:
// the order the occurrence buttons walk backwards from the newest.
std::vector<std::int16_t> FindNumberOccurrences(DrawsView draws, std::int32_t lastDraw, int number);

// The index (1 the newest) of the newest draw held on `date`, if any.
std::optional<int> FindDrawByDate(DrawsView draws, std::int32_t lastDraw, double date);

// How many draws may be browsed: those loaded, never more than `lastDraw`.
int BrowsableDraws(DrawsView draws, std::int32_t lastDraw);

}  // namespace quintara
