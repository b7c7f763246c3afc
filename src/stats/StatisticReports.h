#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/Games.h"
#include "core/OneBased.h"
#include "core/Records.h"

namespace quintara {

// Which statistics a list or chart window shows: the main balls, or the Thunderball's own (1-14).
enum class StatisticBalls { Main, Thunderball };

// The variant that state.ThunderballStatistics asks for.
StatisticBalls BallsOf(const AppState& state);

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

// The whole report text a window shows, from the tables of the state.
std::string LastDrawnReport(const AppState& state, StatisticBalls balls);
std::string BallAveragesReport(const AppState& state, StatisticBalls balls);

}  // namespace quintara
