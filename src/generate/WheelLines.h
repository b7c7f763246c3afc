#pragma once

#include <cstdint>
#include <string>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// The picked lines of one run: Daily Play fills only DailyPlayPickedLines, the other games only
// PickedLines (a Thunderball line keeps its Thunderball field, Ball6, at 0).
struct PickedLineSet {
    OneBased<LottoDrawRec> PickedLines;
    OneBased<DailyPlayDrawRec> DailyPlayPickedLines;
    bool operator==(const PickedLineSet&) const = default;
};

// One picked line per normalised wheel line, in wheel order: each pointer replaced by the final number at
// its position, the numbers ascending. Lines are not compared with each other or with the history, so a
// pointer repeated in a wheel line repeats its number. Throws GenerateError for a pointer that names no
// final number or a line with too few pointers.
PickedLineSet MakeWheelLines(const OneBased<std::int16_t>& finalNumbers,
                             const OneBased<std::string>& wheelLines, Game game);

}  // namespace quintara
