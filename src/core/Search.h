#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/AppState.h"

namespace quintara {

// The draws of the current game whose counted balls hold `number`, as indexes (1 the newest), from the
// oldest to the newest: the order the occurrence buttons walk backwards from the newest.
std::vector<std::int16_t> FindNumberOccurrences(const AppState& state, int number);

// The index (1 the newest) of the newest draw of the current game held on `date`, if any.
std::optional<int> FindDrawByDate(const AppState& state, double date);

// How many draws of the current game may be browsed: those loaded, never more than `LastDraw`.
int BrowsableDraws(const AppState& state);

}  // namespace quintara
