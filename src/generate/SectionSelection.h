#pragma once

#include <cstdint>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"

namespace quintara {

// The final numbers of a game's standard algorithm, chosen from its sorted statistics: 28 for Lotto and
// Lotto Extra, 16 for Daily Play, and for Thunderball 20 main numbers followed by 8 Thunderball numbers
// (positions 21-28, which may repeat values of main numbers). Frequency tables that do not cover every
// ball of the game throw GenerateError; a ball without a last-drawn record counts as drawn on day 0.
OneBased<std::int16_t> SelectFinalNumbers(const GameStatistics& statistics, Game game);

// The reduction of "7 Numbers from 28 from 49": positions 1, 5, 9, 13, 17, 21 and 25 of the 28, one
// number from each section. Throws IndexError when fewer than 25 numbers are given.
OneBased<std::int16_t> SevenFromTwentyEight(const OneBased<std::int16_t>& finalNumbers);

// The last-drawn table as the generators read it: exactly one record for each ball 1..maxBall. Records of
// other values and repeated balls are dropped; a ball without a record is added after all others with
// date 0, older than every draw, which is where a never-drawn ball sorts anyway.
OneBased<LastDrawnRec> CompleteLastDrawn(const OneBased<LastDrawnRec>& table, int maxBall);

}  // namespace quintara
