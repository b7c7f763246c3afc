#include "stats/BarCharts.h"
#include "stats/EqualChances.h"
#include "ui/MainWindowFixture.h"
#include "ui/start/HelpCommands.h"
#include "ui/stats/StatisticsChartForm.h"
#include "ui/stats/frmBallAverages.h"
#include "ui/stats/frmBallLastDrawn.h"

namespace quintara::ui::test {
namespace {

// The chart as the engine makes it for what the main window shows, in the kit's terms.
ChartData EngineChart(ChartKind kind, const AppState& state, StatisticBalls balls) {
    const quintara::ChartData made =
        MakeChart(kind, state.CurrentGameId(), balls, state.Statistics(), state.LastDraw);
    ChartData data{made.chartTitle, {made.rowLabel}, {}, {}};
    for (const ChartCell& cell : made.cells) {
        data.columnLabels.push_back(cell.label);
        data.values.push_back(cell.value);
    }
    return data;
}

// The picking folder's Lotto Extra draws, in which ball 49 is never drawn: its cells stay unset.
using StatsTest = StartedPickingTest;

TEST_F(StatsTest, ListsShowTheEnginesReportsAndPrintThem) {
    main.mnuDrawLottoExtra.Click();
    main.mnuListsLastDrawn.Click();
    auto* lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_TRUE(lastDrawn->Visible());
    EXPECT_EQ(lastDrawn->caption, LastDrawnTitle(Game::LottoExtra, StatisticBalls::Main));
    const TextBox& box = lastDrawn->txtLastDrawn;
    EXPECT_EQ(box.text, LastDrawnReport(app.state.Statistics(), StatisticBalls::Main));

    // The box keeps a fixed margin inside the window after every resize.
    lastDrawn->UserResizes(9000, 6000);
    EXPECT_EQ(std::vector({box.left, box.top, box.width, box.height}), std::vector({120, 120, 8710, 4600}));
    lastDrawn->UserResizes(200, 1000);
    EXPECT_EQ(std::vector({box.width, box.height}), std::vector({0, 0}));

    EXPECT_EQ(Printed(desktop, lastDrawn->mnuPrintLastDrawn), box.text + "\r\n");

    main.mnuListsBallAverages.Click();
    auto* averages = app.forms.Find<frmBallAverages>();
    ASSERT_NE(averages, nullptr);
    EXPECT_EQ(averages->caption, BallAveragesTitle(Game::LottoExtra, StatisticBalls::Main));
    EXPECT_EQ(averages->txtBallAverages.text,
              BallAveragesReport(app.state.Statistics(), app.state.LastDraw, StatisticBalls::Main));

    lastDrawn->mnuFileClose.Click();
    EXPECT_EQ(app.forms.Find<frmBallLastDrawn>(), nullptr);
}

// A list or chart window shows one variant: the other variant's command finds it open and only brings it
// forward as it is; closed, it is made anew for the variant asked for.
TEST_F(StatsTest, ThunderballWindowsAreSharedWithTheMainBalls) {
    main.mnuDrawThunderball.Click();
    using Balls = StatisticBalls;
    main.mnuListsThunderballAverages.Click();
    main.mnuListsThunderballLastDrawn.Click();
    main.mnuThunderballFrequencyBarChart.Click();
    auto& averages = *app.forms.Find<frmBallAverages>();
    auto& lastDrawn = *app.forms.Find<frmBallLastDrawn>();
    auto& frequency = *app.forms.Find<frmFrequencyBarChart>();
    const auto showThunderball = [&] {
        EXPECT_EQ(averages.caption, BallAveragesTitle(Game::Thunderball, Balls::Thunderball));
        EXPECT_EQ(averages.txtBallAverages.text,
                  BallAveragesReport(app.state.Statistics(), app.state.LastDraw, Balls::Thunderball));
        EXPECT_EQ(lastDrawn.caption, LastDrawnTitle(Game::Thunderball, Balls::Thunderball));
        EXPECT_EQ(lastDrawn.txtLastDrawn.text, LastDrawnReport(app.state.Statistics(), Balls::Thunderball));
        EXPECT_EQ(frequency.caption,
                  ChartWindowTitle(ChartKind::Frequency, Game::Thunderball, Balls::Thunderball));
        EXPECT_EQ(frequency.MSChartLotto.Data(),
                  EngineChart(ChartKind::Frequency, app.state, Balls::Thunderball));
    };
    showThunderball();
    main.mnuListsBallAverages.Click();
    main.mnuListsLastDrawn.Click();
    main.mnuFrequencyBarChart.Click();
    showThunderball();
    EXPECT_EQ(desktop.broughtToFront, (Items{"frmBallAverages", "frmBallLastDrawn", "frmFrequencyBarChart"}));

    averages.mnuFileClose.Click();
    main.mnuListsBallAverages.Click();
    EXPECT_EQ(app.forms.Find<frmBallAverages>()->txtBallAverages.text,
              BallAveragesReport(app.state.Statistics(), app.state.LastDraw, Balls::Main));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StatsTest, ChartsShowTheEnginesChartAndFillTheirWindow) {
    main.mnuDrawLottoExtra.Click();
    main.mnuFrequencyBarChart.Click();
    main.mnuBallAveragesBarChart.Click();
    main.mnuLastDrawnBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>()->MSChartLotto.Data(),
              EngineChart(ChartKind::Frequency, app.state, StatisticBalls::Main));
    EXPECT_EQ(app.forms.Find<frmBallAveragesBarChart>()->MSChartLotto.Data(),
              EngineChart(ChartKind::BallAverages, app.state, StatisticBalls::Main));
    auto& window = *app.forms.Find<frmLastDrawnBarChart>();
    EXPECT_EQ(window.caption, ChartWindowTitle(ChartKind::LastDrawn, Game::LottoExtra, StatisticBalls::Main));
    EXPECT_EQ(window.MSChartLotto.Data(), EngineChart(ChartKind::LastDrawn, app.state, StatisticBalls::Main));

    // The chart fills the window, whatever its size.
    const Chart& chart = window.MSChartLotto;
    window.UserResizes(9000, 6000);
    EXPECT_EQ(std::vector({chart.left, chart.top, chart.left + chart.width, chart.top + chart.height}),
              std::vector({120, 120, window.ScaleWidth() - 120, window.ScaleHeight() - 120}));

    // Printing asks for the printer (a cancel prints nothing), then sends a picture of the window; a
    // printer that fails is reported and ends nothing.
    desktop.printerAnswers = {false, true, true};
    window.mnuPrintChart.Click();
    EXPECT_TRUE(desktop.printedForms.empty());
    window.mnuPrintChart.Click();
    EXPECT_TRUE(desktop.messages.empty());
    desktop.printSucceeds = false;
    window.mnuPrintChart.Click();
    EXPECT_EQ(desktop.printedForms, Items{"frmLastDrawnBarChart"});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Unable to Print");
    EXPECT_TRUE(window.Loaded());
    window.mnuFileClose.Click();
    EXPECT_EQ(app.forms.Find<frmLastDrawnBarChart>(), nullptr);
}

TEST_F(StatsTest, FrequencyChartAndAveragesListSayWhetherTheCountsAreInLineWithEqualChances) {
    main.mnuDrawThunderball.Click();
    const AppState& state = app.state;
    const auto sentence = [&](StatisticBalls balls) {
        return EqualChanceSentence(
            TestEqualChances(Game::Thunderball, balls, state.Statistics(), state.LastDraw));
    };
    main.mnuThunderballFrequencyBarChart.Click();
    auto& frequency = *app.forms.Find<frmFrequencyBarChart>();
    EXPECT_EQ(frequency.lblEqualChances.caption, sentence(StatisticBalls::Thunderball));
    EXPECT_TRUE(frequency.lblEqualChances.visible && frequency.lblChancesHelp.visible);
    frequency.lblChancesHelp.Click();
    EXPECT_EQ(desktop.helpShown, Items{app.AppFile(kChancesHelpFile).string()});
    main.mnuLastDrawnBarChart.Click();
    EXPECT_FALSE(app.forms.Find<frmLastDrawnBarChart>()->lblEqualChances.visible);

    main.mnuListsBallAverages.Click();
    auto& averages = *app.forms.Find<frmBallAverages>();
    EXPECT_EQ(averages.lblEqualChances.caption, sentence(StatisticBalls::Main));
    EXPECT_GT(averages.lblEqualChances.top, averages.txtBallAverages.top + averages.txtBallAverages.height);
    EXPECT_EQ(Printed(desktop, averages.mnuPrintBallAverages),
              averages.txtBallAverages.text + "\r\n" + averages.lblEqualChances.caption + "\r\n");
}

}  // namespace
}  // namespace quintara::ui::test
