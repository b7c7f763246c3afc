#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"
#include "generate/WheelLines.h"

namespace quintara {

// What a generator run is asked for: the selections of the main window and the personal picks.
struct GeneratorRequest {
    Game game = Game::Lotto;
    std::string algorithm;             // the text of the selected algorithm item
    std::int16_t GeneratorMode = 0;    // the algorithm index; 2 ends a Lotto run with the seven numbers
    bool PersonalPicksActive = false;  // the personal numbers replace the algorithm
    OneBased<std::int16_t> PersonalNumbers;
    double today = 0;  // stamped on the lines as LinesGeneratedDate
};

// The final numbers of a run, and the seven numbers when the run reduced them.
struct FinalSelection {
    OneBased<std::int16_t> FinalNumbers;
    std::optional<OneBased<std::int16_t>> SevenNumbers;  // only a seven-number run replaces them
};

// Everything a run produces.
struct GeneratorResult {
    OneBased<std::int16_t> FinalNumbers;
    std::optional<OneBased<std::int16_t>> SevenNumbers;
    OneBased<LottoDrawRec> PickedLines;
    OneBased<DailyPlayDrawRec> DailyPlayPickedLines;
    double LinesGeneratedDate = 0;
};

// Whether a run makes its lines with the forty-nine number generator rather than from the wheel.
bool MakesFortyNineLines(const GeneratorRequest& request);

// The algorithm's final numbers (section selection, then the seven-number reduction for GeneratorMode 2
// in Lotto and Lotto Extra), without making lines.
FinalSelection ChooseFinalNumbers(Game game, std::int16_t generatorMode, const GameStatistics& statistics);

// One generator run. Without personal picks: the final numbers from `statistics` (the current game's),
// then the lines from `wheelLines` (normalised) or, for "49 Numbers from 49", from the forty-nine number
// generator over `lottoDraws` (the Lotto history, index 1 newest, also for Lotto Extra). With personal
// picks: the personal numbers, in their order, are the final numbers and the wheel makes the lines.
// Throws GenerateError when the lines cannot be made; the picking command reports it.
GeneratorResult GenerateNumbers(const GeneratorRequest& request, const GameStatistics& statistics,
                                const OneBased<std::string>& wheelLines,
                                const OneBased<LottoDrawRec>& lottoDraws);

}  // namespace quintara
