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
ChartData EngineChart(ChartKind kind, const AppState& state) {
    const quintara::ChartData made = MakeChart(kind, state.CurrentGameId(), BallsOf(state), state);
    ChartData data{made.chartTitle, {made.rowLabel}, {}, {}};
    for (const ChartCell& cell : made.cells) {
        data.columnLabels.push_back(cell.label);
        data.values.push_back(cell.value);
    }
    return data;
}

// Lotto Extra draws in which ball 49 is never drawn: its cells stay unset.
class StatsTest : public MainWindowTest {
protected:
    StatsTest() {
        quintara::test::HistoryBuilder<LottoExtraDrawRec> lottoExtra;
        for (int draw = 0; draw < 8; ++draw) {
            lottoExtra.Draw(
                {1 + draw * 6, 2 + draw * 6, 3 + draw * 6, 4 + draw * 6, 5 + draw * 6, 6 + draw * 6});
        }
        lottoExtra.WriteTo(dir.Path());
    }
};

TEST_F(StatsTest, ListsShowTheEnginesReportsAndPrintThem) {
    frmQuintara& main = Start();
    main.mnuDrawLottoExtra.Click();
    main.mnuListsLastDrawn.Click();
    auto* lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_TRUE(lastDrawn->Visible());
    EXPECT_EQ(lastDrawn->caption, LastDrawnTitle(Game::LottoExtra, StatisticBalls::Main));
    const TextBox& box = lastDrawn->txtLastDrawn;
    EXPECT_EQ(box.text, LastDrawnReport(app.state, StatisticBalls::Main));
    EXPECT_TRUE(box.locked);  // a report to read, not to edit

    // The box keeps a fixed margin inside the window after every resize.
    lastDrawn->UserResizes(9000, 6000);
    EXPECT_EQ(std::vector({box.left, box.top, box.width, box.height}), std::vector({120, 120, 8710, 4600}));
    lastDrawn->UserResizes(200, 1000);
    EXPECT_EQ(std::vector({box.width, box.height}), std::vector({0, 0}));

    // A cancelled printer dialog prints nothing; a failing printer is reported.
    desktop.printerAnswers = {true, false};
    lastDrawn->mnuPrintLastDrawn.Click();
    lastDrawn->mnuPrintLastDrawn.Click();
    ASSERT_EQ(desktop.printouts.size(), 1u);
    EXPECT_EQ(desktop.printouts[0].text, box.text + "\r\n");

    main.mnuListsBallAverages.Click();
    auto* averages = app.forms.Find<frmBallAverages>();
    ASSERT_NE(averages, nullptr);
    EXPECT_EQ(averages->caption, BallAveragesTitle(Game::LottoExtra, StatisticBalls::Main));
    EXPECT_EQ(averages->txtBallAverages.text, BallAveragesReport(app.state, StatisticBalls::Main));
    desktop.printSucceeds = false;
    desktop.printerAnswers = {true};
    averages->mnuPrintBallAverages.Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Unable to Print");

    lastDrawn->mnuFileClose.Click();
    EXPECT_EQ(app.forms.Find<frmBallLastDrawn>(), nullptr);
}

TEST_F(StatsTest, ThunderballListsShareOneWindowWithTheMainBalls) {
    frmQuintara& main = Start();
    main.mnuDrawThunderball.Click();
    main.mnuListsThunderballAverages.Click();
    auto* averages = app.forms.Find<frmBallAverages>();
    ASSERT_NE(averages, nullptr);
    const std::string thunderballText = BallAveragesReport(app.state, StatisticBalls::Thunderball);
    EXPECT_EQ(averages->txtBallAverages.text, thunderballText);
    const std::string caption = averages->caption;
    EXPECT_EQ(caption, BallAveragesTitle(Game::Thunderball, StatisticBalls::Thunderball));

    // The main-ball command brings the open window forward as it is.
    main.mnuListsBallAverages.Click();
    EXPECT_EQ(app.forms.Find<frmBallAverages>(), averages);
    EXPECT_EQ(averages->txtBallAverages.text, thunderballText);
    EXPECT_EQ(averages->caption, caption);
    EXPECT_EQ(desktop.broughtToFront, Items{"frmBallAverages"});

    main.mnuListsLastDrawn.Click();
    auto* lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    const std::string mainText = LastDrawnReport(app.state, StatisticBalls::Main);
    EXPECT_EQ(lastDrawn->txtLastDrawn.text, mainText);
    main.mnuListsThunderballLastDrawn.Click();
    EXPECT_EQ(lastDrawn->txtLastDrawn.text, mainText);

    // Closed, the window is made anew for the variant asked for.
    lastDrawn->mnuFileClose.Click();
    main.mnuListsThunderballLastDrawn.Click();
    lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_EQ(lastDrawn->caption, LastDrawnTitle(Game::Thunderball, StatisticBalls::Thunderball));
    EXPECT_EQ(lastDrawn->txtLastDrawn.text, LastDrawnReport(app.state, StatisticBalls::Thunderball));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StatsTest, ChartsShowTheEnginesChartAndFillTheirWindow) {
    frmQuintara& main = Start();
    main.mnuDrawLottoExtra.Click();
    main.mnuFrequencyBarChart.Click();
    main.mnuBallAveragesBarChart.Click();
    main.mnuLastDrawnBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>()->MSChartLotto.Data(),
              EngineChart(ChartKind::Frequency, app.state));
    EXPECT_EQ(app.forms.Find<frmBallAveragesBarChart>()->MSChartLotto.Data(),
              EngineChart(ChartKind::BallAverages, app.state));
    auto& window = *app.forms.Find<frmLastDrawnBarChart>();
    EXPECT_EQ(window.caption, ChartWindowTitle(ChartKind::LastDrawn, Game::LottoExtra, StatisticBalls::Main));
    EXPECT_EQ(window.windowState, WindowState::Maximized);
    EXPECT_EQ(window.MSChartLotto.Data(), EngineChart(ChartKind::LastDrawn, app.state));

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

TEST_F(StatsTest, ThunderballChartsShareTheirWindowsWithTheMainBalls) {
    frmQuintara& main = Start();
    main.mnuDrawThunderball.Click();
    main.mnuThunderballFrequencyBarChart.Click();
    auto* frequency = app.forms.Find<frmFrequencyBarChart>();
    ASSERT_NE(frequency, nullptr);
    EXPECT_EQ(frequency->caption,
              ChartWindowTitle(ChartKind::Frequency, Game::Thunderball, StatisticBalls::Thunderball));
    const ChartData shown = frequency->MSChartLotto.Data();
    EXPECT_EQ(shown, EngineChart(ChartKind::Frequency, app.state));

    // The main-ball chart finds the Thunderball chart open and leaves it as it is.
    main.mnuFrequencyBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>(), frequency);
    EXPECT_EQ(frequency->MSChartLotto.Data(), shown);
    EXPECT_EQ(desktop.broughtToFront, Items{"frmFrequencyBarChart"});
    frequency->mnuFileClose.Click();
    main.mnuFrequencyBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>()->MSChartLotto.Data(),
              EngineChart(ChartKind::Frequency, app.state));
}

TEST_F(StatsTest, FrequencyChartAndAveragesListSayWhetherTheCountsAreInLineWithEqualChances) {
    frmQuintara& main = Start();
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
    desktop.printerAnswers = {true};
    averages.mnuPrintBallAverages.Click();
    ASSERT_EQ(desktop.printouts.size(), 1u);
    EXPECT_EQ(desktop.printouts[0].text,
              averages.txtBallAverages.text + "\r\n" + averages.lblEqualChances.caption + "\r\n");
}

}  // namespace
}  // namespace quintara::ui::test
