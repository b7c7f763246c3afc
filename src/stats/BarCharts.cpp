#include "stats/BarCharts.h"

#include <algorithm>
#include <charconv>

#include "core/Dates.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

std::size_t Entries(std::size_t tableSize, int bars) {
    return std::min(tableSize, static_cast<std::size_t>(std::max(bars, 0)));
}

ChartCell Cell(std::string label, std::string valueText) {
    double value = 0;
    std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
    return ChartCell{std::move(label), value, std::move(valueText)};
}

}  // namespace

int ChartBars(Game game, StatisticBalls balls) {
    return balls == StatisticBalls::Thunderball ? Info(Game::Thunderball).extraMax : Info(game).maxBall;
}

std::string ChartWindowTitle(ChartKind kind, Game game, StatisticBalls balls) {
    std::string prefix;
    switch (kind) {
    case ChartKind::Frequency:
        prefix = "Quintara - Frequency Bar Chart - ";
        break;
    case ChartKind::LastDrawn:
        prefix = "Quintara - Last Drawn Bar Chart - ";
        break;
    case ChartKind::BallAverages:
        prefix = "Quintara - Ball Averages Bar Chart - ";
        break;
    }
    return prefix + GameName(game) + (balls == StatisticBalls::Thunderball ? " Draw - Thunderball" : " Draw");
}

std::string ChartTitle(ChartKind kind) {
    switch (kind) {
    case ChartKind::Frequency:
        return "Frequency of Drawn Numbers";
    case ChartKind::LastDrawn:
        return "Order of Last Drawn Numbers";
    case ChartKind::BallAverages:
        break;
    }
    return "Ball Averages";
}

std::vector<ChartCell> FrequencyCells(const OneBased<FrequencyRec>& table, int bars) {
    std::vector<ChartCell> cells;
    const std::size_t entries = Entries(table.Size(), bars);
    for (std::size_t i = 1; i <= entries; ++i) {
        cells.push_back(Cell(std::to_string(table[i].Ball), std::to_string(table[i].Count)));
    }
    return cells;
}

std::vector<ChartCell> LastDrawnCells(const OneBased<LastDrawnRec>& table, int bars) {
    std::vector<ChartCell> cells;
    const std::size_t entries = Entries(table.Size(), bars);
    for (std::size_t i = 1; i <= entries; ++i) {
        const LastDrawnRec& rec = table[i];
        if (rec.Ball < 1 || rec.DrawDate <= 0) {
            cells.push_back(ChartCell{});
            continue;
        }
        cells.push_back(Cell(FormatDate(rec.DrawDate), std::to_string(rec.Ball)));
    }
    return cells;
}

std::vector<ChartCell> BallAveragesCells(const OneBased<FrequencyRec>& table, std::int32_t lastDraw,
                                         int bars) {
    std::vector<ChartCell> cells;
    const std::size_t entries = Entries(table.Size(), bars);
    for (std::size_t i = 1; i <= entries; ++i) {
        const FrequencyRec& rec = table[i];
        const auto average = rec.Count > 0 ? FormatAverage(lastDraw, rec.Count) : std::nullopt;
        if (!average) {
            cells.push_back(ChartCell{std::to_string(rec.Ball), std::nullopt, ""});
            continue;
        }
        cells.push_back(Cell(std::to_string(rec.Ball), *average));
    }
    return cells;
}

ChartData MakeChart(ChartKind kind, Game game, StatisticBalls balls, const GameStatistics& statistics,
                    std::int32_t lastDraw) {
    const bool thunderball = balls == StatisticBalls::Thunderball;
    const auto& frequency = thunderball ? statistics.ThunderballFrequency : statistics.BallFrequency;
    const auto& lastDrawn = thunderball ? statistics.ThunderballLastDrawn : statistics.BallLastDrawn;
    const int bars = ChartBars(game, balls);
    ChartData chart;
    chart.kind = kind;
    chart.windowTitle = ChartWindowTitle(kind, game, balls);
    chart.chartTitle = ChartTitle(kind);
    chart.rowLabel = "Numbers";
    switch (kind) {
    case ChartKind::Frequency:
        chart.cells = FrequencyCells(frequency, bars);
        break;
    case ChartKind::LastDrawn:
        chart.cells = LastDrawnCells(lastDrawn, bars);
        break;
    case ChartKind::BallAverages:
        chart.cells = BallAveragesCells(frequency, lastDraw, bars);
        break;
    }
    return chart;
}

}  // namespace quintara
