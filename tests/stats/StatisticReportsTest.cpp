#include <gtest/gtest.h>

#include "core/Dates.h"
#include "core/Statistics.h"
#include "stats/BarCharts.h"
#include "stats/StatisticReports.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

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

TEST(StatisticReportsTest, LastDrawnListsTheTableInOrderAndSkipsBallsNeverDrawn) {
    // Day 0 is a ball no draw holds; ball 0 an empty record.
    const OneBased<LastDrawnRec> table{
        {Day(2005, 3, 5), 1}, {0.0, 5}, {Day(2010, 6, 1), 8}, {Day(2010, 6, 4), 0}};
    EXPECT_EQ(LastDrawnLines(table, StatisticBalls::Main),
              (std::vector<std::string>{"Ball 1 was last Drawn on: 05/03/2005",
                                        "Ball 8 was last Drawn on: 01/06/2010"}));
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
}

TEST(StatisticReportsTest, ChartCellsFollowTheTablesOfEachChart) {
    test::HistoryBuilder<ThunderballDrawRec> history;
    history.Draw({3, 9, 20, 27, 34}, 5, Day(2010, 6, 4))
        .Draw({3, 10, 11, 12, 13}, 14, Day(2010, 6, 1))
        .Draw({1, 2, 3, 4, 5}, 5, Day(2010, 5, 29));
    const GameStatistics stats = ComputeStatistics(Game::Thunderball, history.Draws());

    const ChartData frequency =
        MakeChart(ChartKind::Frequency, Game::Thunderball, StatisticBalls::Thunderball, stats, 3);
    ASSERT_EQ(frequency.cells.size(), 14u);
    EXPECT_EQ(frequency.cells[0], (ChartCell{"5", 2.0, "2"}));
    EXPECT_EQ(frequency.cells[1], (ChartCell{"14", 1.0, "1"}));
    // A ball never drawn is a bar of height 0 in the frequency chart, no bar in the averages chart, and
    // no line of the reports.
    EXPECT_EQ(frequency.cells[2].value, 0.0);

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
    // The reports list the table of the balls asked for, each line ending in CR LF.
    EXPECT_NE(LastDrawnReport(stats, StatisticBalls::Main).find("Ball 34 was last Drawn on: 04/06/2010\r\n"),
              std::string::npos);
    EXPECT_EQ(LastDrawnReport(stats, StatisticBalls::Thunderball),
              "Ball 5 was last Drawn on: 04/06/2010\r\nBall 14 was last Drawn on: 01/06/2010\r\n");
    EXPECT_EQ(
        BallAveragesReport(stats, 3, StatisticBalls::Thunderball),
        "Ball 5 is drawn on average every 1.5 draws.\r\nBall 14 is drawn on average every 3 draws.\r\n");

    const ChartData mainAverages =
        MakeChart(ChartKind::BallAverages, Game::Thunderball, StatisticBalls::Main, stats, 3);
    ASSERT_EQ(mainAverages.cells.size(), 34u);
    EXPECT_EQ(mainAverages.cells[0], (ChartCell{"3", 1.0, "1"}));
}

}  // namespace
}  // namespace quintara
