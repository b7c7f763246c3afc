#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/Statistics.h"
#include "stats/BarCharts.h"
#include "stats/StatisticReports.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

double Day(int year, int month, int day) {
    return SerialFromCivil({year, month, day});
}

TEST(StatisticReportsTest, TitlesNameTheGameAndTheThunderball) {
    // One title of each kind with and without the Thunderball; the chart titles are constants.
    EXPECT_EQ(LastDrawnTitle(Game::Lotto, StatisticBalls::Main), "Quintara - Last Drawn - Lotto Draw");
    EXPECT_EQ(BallAveragesTitle(Game::Thunderball, StatisticBalls::Thunderball),
              "Quintara - Ball Averages - Thunderball Draw - Thunderball");
    EXPECT_EQ(ChartWindowTitle(ChartKind::LastDrawn, Game::Thunderball, StatisticBalls::Thunderball),
              "Quintara - Last Drawn Bar Chart - Thunderball Draw - Thunderball");
}

TEST(StatisticReportsTest, DailyPlayLastDrawnListsAllTwentySevenBallsInTableOrder) {
    test::HistoryBuilder<DailyPlayDrawRec> history;
    history.Draw({1, 2, 3, 4, 5, 6, 7}, 0, Day(2005, 3, 5))
        .Draw({8, 9, 10, 11, 12, 13, 14})
        .Draw({15, 16, 17, 18, 19, 20, 21})
        .Draw({22, 23, 24, 25, 26, 27, 1});
    const GameStatistics stats = ComputeStatistics(Game::DailyPlay, history.Draws());
    const auto lines = SplitCrLf(LastDrawnReport(stats, StatisticBalls::Main));
    ASSERT_EQ(lines.size(), 27u);
    for (std::size_t i = 1; i <= 27; ++i) {
        const auto& rec = stats.BallLastDrawn[i];
        EXPECT_EQ(lines[i - 1],
                  "Ball " + std::to_string(rec.Ball) + " was last Drawn on: " + FormatDate(rec.DrawDate));
    }
    // Ball 1 stood in the newest and the oldest draw: it carries the newest date.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Ball 1 was last Drawn on: 05/03/2005"), lines.end());
}

TEST(StatisticReportsTest, ThunderballAveragesHasFourteenLinesFromItsOwnTable) {
    test::HistoryBuilder<ThunderballDrawRec> history;
    // Sixteen draws: every Thunderball once, 1 and 2 twice; the main balls repeat one line.
    for (int tb = 1; tb <= 16; ++tb) {
        history.Draw({1, 2, 3, 4, 5}, tb <= 14 ? tb : tb - 14);
    }
    const GameStatistics stats = ComputeStatistics(Game::Thunderball, history.Draws());
    const auto lines = SplitCrLf(BallAveragesReport(stats, 16, BallsOf(true)));
    ASSERT_EQ(lines.size(), 14u);
    for (std::size_t i = 1; i <= 14; ++i) {
        const auto& rec = stats.ThunderballFrequency[i];
        EXPECT_EQ(lines[i - 1], "Ball " + std::to_string(rec.Ball) + " is drawn on average every " +
                                    (rec.Count == 2 ? "8" : "16") + " draws.");
    }
    // The main-ball averages of the same game: five balls drawn every draw, 29 never.
    EXPECT_EQ(SplitCrLf(BallAveragesReport(stats, 16, StatisticBalls::Main)).size(), 5u);
}

TEST(StatisticReportsTest, AveragesRoundHalfToEvenInShortestFormAndSkipCountZero) {
    const OneBased<FrequencyRec> table{{7, 123}, {3, 125}, {5, 0}, {9, 80}, {11, 8}, {12, 1000}};
    EXPECT_EQ(
        BallAveragesLines(table, 1000, StatisticBalls::Main),
        (std::vector<std::string>{
            "Ball 7 is drawn on average every 8.13 draws.", "Ball 3 is drawn on average every 8 draws.",
            "Ball 9 is drawn on average every 12.5 draws.", "Ball 11 is drawn on average every 125 draws.",
            "Ball 12 is drawn on average every 1 draws."}));
    // The rounding of the averages is TextRulesTest's.
    EXPECT_EQ(JoinReportLines({"a", "b"}, "\n"), "a\nb\n");

    const auto cells = BallAveragesCells(table, 1000, 49);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0], (ChartCell{"7", 8.13, "8.13"}));
    EXPECT_EQ(cells[1], (ChartCell{"3", 8.0, "8"}));
    EXPECT_EQ(cells[2], (ChartCell{"5", std::nullopt, ""}));
    EXPECT_EQ(cells[3].value, 12.5);
}

TEST(StatisticReportsTest, ABallNeverDrawnHasNoLineAndNoBarValue) {
    test::HistoryBuilder<LottoExtraDrawRec> history;
    // Every ball but 49 is drawn: 1..48 in eight draws.
    for (int first = 1; first <= 48; first += 6) {
        history.Draw({first, first + 1, first + 2, first + 3, first + 4, first + 5});
    }
    const GameStatistics stats = ComputeStatistics(Game::LottoExtra, history.Draws());
    const auto averages = SplitCrLf(BallAveragesReport(stats, 8, StatisticBalls::Main));
    const auto lastDrawn = SplitCrLf(LastDrawnReport(stats, StatisticBalls::Main));
    EXPECT_EQ(averages.size(), 48u);
    EXPECT_EQ(lastDrawn.size(), 48u);
    for (const auto& line : averages) {
        EXPECT_EQ(line.rfind("Ball 49 ", 0), std::string::npos);
        EXPECT_TRUE(line.ends_with(" every 8 draws.")) << line;
    }
    for (const auto& line : lastDrawn) {
        EXPECT_EQ(line.rfind("Ball 49 ", 0), std::string::npos);
    }

    auto cellOf = [](const ChartData& chart, const std::string& label) {
        return std::find_if(chart.cells.begin(), chart.cells.end(),
                            [&](const ChartCell& cell) { return cell.label == label; });
    };
    const ChartData frequency =
        MakeChart(ChartKind::Frequency, Game::LottoExtra, StatisticBalls::Main, stats, 8);
    const ChartData averagesChart =
        MakeChart(ChartKind::BallAverages, Game::LottoExtra, StatisticBalls::Main, stats, 8);
    const ChartData lastDrawnChart =
        MakeChart(ChartKind::LastDrawn, Game::LottoExtra, StatisticBalls::Main, stats, 8);
    ASSERT_EQ(frequency.cells.size(), 49u);
    ASSERT_EQ(averagesChart.cells.size(), 49u);
    ASSERT_EQ(lastDrawnChart.cells.size(), 49u);
    // A count of 0 is a bar of height 0 in the frequency chart, and no bar in the averages chart.
    EXPECT_EQ(cellOf(frequency, "49")->value, 0.0);
    EXPECT_EQ(cellOf(averagesChart, "49")->value, std::nullopt);
    EXPECT_EQ(std::count_if(averagesChart.cells.begin(), averagesChart.cells.end(),
                            [](const ChartCell& cell) { return cell.value.has_value(); }),
              48);
    // The never-drawn ball sorts last by date and leaves the last cell unset.
    EXPECT_EQ(lastDrawnChart.cells.back(), ChartCell{});
    EXPECT_EQ(std::count_if(lastDrawnChart.cells.begin(), lastDrawnChart.cells.end(),
                            [](const ChartCell& cell) { return cell.value.has_value(); }),
              48);
}

TEST(StatisticReportsTest, ChartCellsFollowTheTablesOfEachChart) {
    test::HistoryBuilder<ThunderballDrawRec> history;
    history.Draw({3, 9, 20, 27, 34}, 5, Day(2010, 6, 4))
        .Draw({3, 10, 11, 12, 13}, 14, Day(2010, 6, 1))
        .Draw({1, 2, 3, 4, 5}, 5, Day(2010, 5, 29));
    const GameStatistics stats = ComputeStatistics(Game::Thunderball, history.Draws());

    const ChartData frequency =
        MakeChart(ChartKind::Frequency, Game::Thunderball, StatisticBalls::Thunderball, stats, 3);
    EXPECT_EQ(frequency.windowTitle,
              ChartWindowTitle(ChartKind::Frequency, Game::Thunderball, StatisticBalls::Thunderball));
    EXPECT_EQ(frequency.chartTitle, ChartTitle(ChartKind::Frequency));
    ASSERT_EQ(frequency.cells.size(), 14u);
    EXPECT_EQ(frequency.cells[0], (ChartCell{"5", 2.0, "2"}));
    EXPECT_EQ(frequency.cells[1], (ChartCell{"14", 1.0, "1"}));

    const ChartData lastDrawn =
        MakeChart(ChartKind::LastDrawn, Game::Thunderball, StatisticBalls::Main, stats, 3);
    ASSERT_EQ(lastDrawn.cells.size(), 34u);
    EXPECT_EQ(lastDrawn.cells[0], (ChartCell{"04/06/2010", 9.0, "9"}));
    EXPECT_EQ(lastDrawn.cells[33], ChartCell{});
    EXPECT_EQ(std::count_if(lastDrawn.cells.begin(), lastDrawn.cells.end(),
                            [](const ChartCell& cell) { return cell.value.has_value(); }),
              13);

    const ChartData averages =
        MakeChart(ChartKind::BallAverages, Game::Thunderball, StatisticBalls::Thunderball, stats, 3);
    ASSERT_EQ(averages.cells.size(), 14u);
    EXPECT_EQ(averages.cells[0], (ChartCell{"5", 1.5, "1.5"}));
    EXPECT_EQ(averages.cells[1], (ChartCell{"14", 3.0, "3"}));
    EXPECT_EQ(averages.cells[2].value, std::nullopt);

    const ChartData mainAverages =
        MakeChart(ChartKind::BallAverages, Game::Thunderball, StatisticBalls::Main, stats, 3);
    ASSERT_EQ(mainAverages.cells.size(), 34u);
    EXPECT_EQ(mainAverages.cells[0], (ChartCell{"3", 1.0, "1"}));
}

}  // namespace
}  // namespace quintara
