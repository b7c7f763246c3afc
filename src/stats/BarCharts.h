#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Games.h"
#include "stats/StatisticReports.h"

namespace quintara {

// The three statistics charts of the Charts menu.
enum class ChartKind { Frequency, LastDrawn, BallAverages };

// One bar: its column label and its height, or no height for a cell left unset.
struct ChartCell {
    std::string label;
    std::optional<double> value;
    std::string valueText;  // the height as text, "" when unset
    bool operator==(const ChartCell&) const = default;
};

// Everything a chart window draws: one row of bars, in the order of the statistics table.
struct ChartData {
    ChartKind kind = ChartKind::Frequency;
    std::string windowTitle;  // "Quintara - Frequency Bar Chart - Lotto Draw"
    std::string chartTitle;   // "Frequency of Drawn Numbers"
    std::string rowLabel;     // "Numbers", the one category
    std::vector<ChartCell> cells;
};

// Bars per chart: the game's main-ball range, or 14 for the Thunderball.
int ChartBars(Game game, StatisticBalls balls);

std::string ChartWindowTitle(ChartKind kind, Game game, StatisticBalls balls);
std::string ChartTitle(ChartKind kind);

// Frequency: height Count (0 is a height), label the ball. Last drawn: height the ball number, label its
// date DD/MM/YYYY; a ball never drawn is unset with no label. Averages: height lastDraw / Count rounded half
// to even at two decimals, label the ball; Count 0 is unset.
std::vector<ChartCell> FrequencyCells(const OneBased<FrequencyRec>& table, int bars);
std::vector<ChartCell> LastDrawnCells(const OneBased<LastDrawnRec>& table, int bars);
std::vector<ChartCell> BallAveragesCells(const OneBased<FrequencyRec>& table, std::int32_t lastDraw,
                                         int bars);

// The chart of `kind` for the game and balls asked for, from the tables of `statistics`, counted over
// `lastDraw` draws.
ChartData MakeChart(ChartKind kind, Game game, StatisticBalls balls, const GameStatistics& statistics,
                    std::int32_t lastDraw);

}  // namespace quintara
