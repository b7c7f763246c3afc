#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"

namespace quintara {

// Which statistics a list or chart window shows: the main balls, or the Thunderball's own (1-14).
enum class StatisticBalls { Main, Thunderball };

// The variant that the Thunderball statistics choice (ThunderballStatistics) asks for.
StatisticBalls BallsOf(bool thunderballStatistics);

// At most this many entries of a table are reported: 49 main balls, 14 Thunderballs.
int MostReportEntries(StatisticBalls balls);

// "Quintara - Last Drawn - Lotto Draw", "Quintara - Ball Averages - Thunderball Draw - Thunderball".
std::string LastDrawnTitle(Game game, StatisticBalls balls);
std::string BallAveragesTitle(Game game, StatisticBalls balls);

// One line per entry in table order, without line ends: "Ball 7 was last Drawn on: 05/03/2005".
// A ball never drawn (no date) has no line.
std::vector<std::string> LastDrawnLines(const OneBased<LastDrawnRec>& table, StatisticBalls balls);

// One line per entry in table order: "Ball 7 is drawn on average every 8.13 draws."; the average is
// lastDraw / Count rounded half to even at two decimals, shortest form. Count 0 has no line.
std::vector<std::string> BallAveragesLines(const OneBased<FrequencyRec>& table, std::int32_t lastDraw,
                                           StatisticBalls balls);

// Lines each followed by `lineEnd`: the windows show CR LF, the command line writes LF.
std::string JoinReportLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n");

// The whole report text a window shows, from the tables of `statistics`; `lastDraw` is the number of draws
// they were counted over.
std::string LastDrawnReport(const GameStatistics& statistics, StatisticBalls balls);
std::string BallAveragesReport(const GameStatistics& statistics, std::int32_t lastDraw, StatisticBalls balls);

}  // namespace quintara
