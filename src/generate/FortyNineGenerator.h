#pragma once

#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// The lines of "49 Numbers from 49" (only Ball1..Ball6 set, ascending), made without a wheel until the
// 100th generated line that repeats a kept one. `lottoDraws` is the Lotto history (index 1 newest) also
// when the rankings are those of Lotto Extra; the rankings are the current game's sorted statistics.
// Throws GenerateError when there is no Lotto draw or the newest draw or the most frequent ball is not a
// ball of 1..49.
OneBased<LottoDrawRec> GenerateFortyNineLines(const OneBased<LottoDrawRec>& lottoDraws,
                                              const OneBased<FrequencyRec>& ballFrequency,
                                              const OneBased<LastDrawnRec>& ballLastDrawn);

// Throws the GenerateError that GenerateFortyNineLines throws for a run starting from this newest Lotto draw
// (nullptr: there is none) and these frequencies, and nothing when such a run makes its lines. The
// simulation checks its steps with it without making their lines.
void CheckFortyNineStart(const LottoDrawRec* newestLottoDraw, const OneBased<FrequencyRec>& ballFrequency);

// Bound on consecutive lines equal to past draws: the line depends only on the generator's counters,
// which take at most this many states, so a longer run of such lines would repeat for ever.
inline constexpr int kFortyNineCounterStates = 3 * 5 * 7 * 2 * 30;

}  // namespace quintara
