#include "core/TextRules.h"
#include "stats/BarCharts.h"
#include "stats/EqualChances.h"
#include "ui/MainWindowFixture.h"
#include "ui/start/HelpCommands.h"
#include "ui/stats/StatisticsChartForm.h"
#include "ui/stats/frmBallAverages.h"
#include "ui/stats/frmBallLastDrawn.h"

namespace quintara::ui::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

std::vector<std::string> ColumnLabels(const Chart& chart) {
    return chart.Data().columnLabels;
}

std::vector<std::optional<double>> Values(const Chart& chart) {
    return chart.Data().values;
}

// Five Daily Play draws that hold every ball: ball 1 three times (an average of 1.67 draws), ball 2 twice
// (2.5) and ball 7 once (5).
class StatsTest : public MainWindowTest {
protected:
    StatsTest() {
        quintara::test::HistoryBuilder<DailyPlayDrawRec>()
            .Draw({1, 2, 3, 4, 5, 6, 8})
            .Draw({1, 2, 3, 4, 5, 6, 7})
            .Draw({8, 9, 10, 11, 12, 13, 14})
            .Draw({15, 16, 17, 18, 19, 20, 21})
            .Draw({22, 23, 24, 25, 26, 27, 1})
            .WriteTo(dir.Path());
        // Ball 49 is never drawn in Lotto Extra.
        quintara::test::HistoryBuilder<LottoExtraDrawRec> lottoExtra;
        for (int draw = 0; draw < 8; ++draw) {
            lottoExtra.Draw(
                {1 + draw * 6, 2 + draw * 6, 3 + draw * 6, 4 + draw * 6, 5 + draw * 6, 6 + draw * 6});
        }
        lottoExtra.WriteTo(dir.Path());
    }
};

TEST_F(StatsTest, DailyPlayListsEveryBallInTableOrderAndPrintsTheText) {
    frmQuintara& main = Start();
    main.mnuDrawDailyPlay.Click();
    main.mnuListsLastDrawn.Click();
    auto* lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_TRUE(lastDrawn->Visible());
    EXPECT_EQ(lastDrawn->caption, "Quintara - Last Drawn - Daily Play Draw");
    const auto lines = Lines(lastDrawn->txtLastDrawn.text);
    ASSERT_EQ(lines.size(), 27u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LastDrawnRec& rec = app.state.BallLastDrawn[i + 1];
        EXPECT_EQ(lines[i],
                  "Ball " + std::to_string(rec.Ball) + " was last Drawn on: " + FormatDate(rec.DrawDate));
    }
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Ball 27 was last Drawn on: 20/05/2010"), lines.end());

    // The whole screen, and the box a fixed margin inside the window, again after every resize.
    EXPECT_EQ(*lastDrawn->left, 0);
    EXPECT_EQ(*lastDrawn->top, 0);
    EXPECT_EQ(lastDrawn->width, desktop.screenWidth);
    EXPECT_EQ(lastDrawn->height, 11520);
    const TextBox& box = lastDrawn->txtLastDrawn;
    EXPECT_EQ(std::vector({box.left, box.top, box.width, box.height}),
              std::vector({120, 120, desktop.screenWidth - 290, 11520 - 1400}));
    lastDrawn->UserResizes(9000, 6000);
    EXPECT_EQ(std::vector({box.left, box.top, box.width, box.height}), std::vector({120, 120, 8710, 4600}));
    lastDrawn->UserResizes(200, 1000);
    EXPECT_EQ(std::vector({box.width, box.height}), std::vector({0, 0}));

    desktop.printerAnswers = {true, false};
    lastDrawn->mnuPrintLastDrawn.Click();
    lastDrawn->mnuPrintLastDrawn.Click();
    ASSERT_EQ(desktop.printouts.size(), 1u);
    EXPECT_EQ(desktop.printouts[0].text, box.text + "\r\n");
    EXPECT_EQ(desktop.printouts[0].settings.fontSize, 10);

    // Averages of the same table: shortest form, a whole average without decimals.
    main.mnuListsBallAverages.Click();
    auto* averages = app.forms.Find<frmBallAverages>();
    ASSERT_NE(averages, nullptr);
    EXPECT_EQ(averages->caption, "Quintara - Ball Averages - Daily Play Draw");
    const auto averageLines = Lines(averages->txtBallAverages.text);
    ASSERT_EQ(averageLines.size(), 27u);
    EXPECT_EQ(averageLines[0], "Ball 1 is drawn on average every 1.67 draws.");
    for (const char* line :
         {"Ball 2 is drawn on average every 2.5 draws.", "Ball 7 is drawn on average every 5 draws."}) {
        EXPECT_NE(std::find(averageLines.begin(), averageLines.end(), line), averageLines.end()) << line;
    }
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
    EXPECT_EQ(averages->caption, "Quintara - Ball Averages - Thunderball Draw - Thunderball");
    const std::string thunderballText = averages->txtBallAverages.text;
    const auto lines = Lines(thunderballText);
    ASSERT_EQ(lines.size(), 14u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const FrequencyRec& rec = app.state.ThunderballFrequency[i + 1];
        EXPECT_EQ(lines[i], "Ball " + std::to_string(rec.Ball) + " is drawn on average every " +
                                *FormatAverage(app.state.LastDraw, rec.Count) + " draws.");
    }

    // The main-ball command brings the open window forward as it is.
    main.mnuListsBallAverages.Click();
    EXPECT_EQ(app.forms.Find<frmBallAverages>(), averages);
    EXPECT_EQ(averages->txtBallAverages.text, thunderballText);
    EXPECT_EQ(averages->caption, "Quintara - Ball Averages - Thunderball Draw - Thunderball");
    EXPECT_EQ(desktop.broughtToFront, Items{"frmBallAverages"});

    main.mnuListsLastDrawn.Click();
    auto* lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    const std::string mainText = lastDrawn->txtLastDrawn.text;
    EXPECT_EQ(Lines(mainText).size(), 34u);
    main.mnuListsThunderballLastDrawn.Click();
    EXPECT_EQ(lastDrawn->txtLastDrawn.text, mainText);
    EXPECT_EQ(lastDrawn->caption, "Quintara - Last Drawn - Thunderball Draw");

    // Closed, the window is made anew for the variant asked for.
    lastDrawn->mnuFileClose.Click();
    main.mnuListsThunderballLastDrawn.Click();
    lastDrawn = app.forms.Find<frmBallLastDrawn>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_EQ(lastDrawn->caption, "Quintara - Last Drawn - Thunderball Draw - Thunderball");
    EXPECT_EQ(Lines(lastDrawn->txtLastDrawn.text).size(), 14u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StatsTest, ABallNeverDrawnHasNoLineAndNoBarValue) {
    frmQuintara& main = Start();
    main.mnuDrawLottoExtra.Click();
    main.mnuListsBallAverages.Click();
    const std::string text = app.forms.Find<frmBallAverages>()->txtBallAverages.text;
    EXPECT_EQ(Lines(text).size(), 48u);
    EXPECT_EQ(text.find("Ball 49 "), std::string::npos);
    EXPECT_NE(text.find("Ball 48 is drawn on average every 8 draws.\r\n"), std::string::npos);
    main.mnuListsLastDrawn.Click();
    const std::string lastDrawn = app.forms.Find<frmBallLastDrawn>()->txtLastDrawn.text;
    EXPECT_EQ(Lines(lastDrawn).size(), 48u);
    EXPECT_EQ(lastDrawn.find("Ball 49 "), std::string::npos);

    // The least drawn ball comes last in the frequency order.
    const auto lastColumn = [](const Chart& chart) { return chart.Value(1, chart.Columns()); };
    main.mnuBallAveragesBarChart.Click();
    const Chart& averages = app.forms.Find<frmBallAveragesBarChart>()->MSChartLotto;
    ASSERT_EQ(averages.Columns(), 49);
    EXPECT_EQ(averages.Data().columnLabels.back(), "49");
    EXPECT_EQ(lastColumn(averages), std::nullopt);
    EXPECT_EQ(averages.Value(1, 1), 8.0);
    main.mnuFrequencyBarChart.Click();
    EXPECT_EQ(lastColumn(app.forms.Find<frmFrequencyBarChart>()->MSChartLotto), 0.0);
    // The last-drawn table keeps a never-drawn ball at the end with no date: no height and no label.
    main.mnuLastDrawnBarChart.Click();
    const Chart& order = app.forms.Find<frmLastDrawnBarChart>()->MSChartLotto;
    EXPECT_EQ(lastColumn(order), std::nullopt);
    EXPECT_EQ(order.Data().columnLabels.back(), "");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StatsTest, ChartsHoldOneBarPerBallInTableOrder) {
    frmQuintara& main = Start();
    main.mnuDrawDailyPlay.Click();
    main.mnuLastDrawnBarChart.Click();
    auto* lastDrawn = app.forms.Find<frmLastDrawnBarChart>();
    ASSERT_NE(lastDrawn, nullptr);
    EXPECT_EQ(lastDrawn->caption, "Quintara - Last Drawn Bar Chart - Daily Play Draw");
    EXPECT_EQ(lastDrawn->windowState, WindowState::Maximized);
    const Chart& chart = lastDrawn->MSChartLotto;
    EXPECT_EQ(std::vector({chart.left, chart.top, chart.width, chart.height}),
              std::vector({300, (11520 - 7500 - 1000) / 2, 11200, 7500}));
    EXPECT_EQ(chart.Data().title, "Order of Last Drawn Numbers");
    EXPECT_EQ(chart.Data().rowLabels, Items{"Numbers"});
    ASSERT_EQ(chart.Columns(), 27);
    for (int i = 1; i <= 27; ++i) {
        const LastDrawnRec& rec = app.state.BallLastDrawn[static_cast<std::size_t>(i)];
        EXPECT_EQ(chart.Value(1, i), static_cast<double>(rec.Ball));
        EXPECT_EQ(ColumnLabels(chart)[static_cast<std::size_t>(i - 1)], FormatDate(rec.DrawDate));
    }
    EXPECT_EQ(ColumnLabels(chart).front(), "01/06/2010");
    EXPECT_EQ(ColumnLabels(chart).back(), "20/05/2010");

    main.mnuBallAveragesBarChart.Click();
    const Chart& averages = app.forms.Find<frmBallAveragesBarChart>()->MSChartLotto;
    EXPECT_EQ(averages.Data().title, "Ball Averages");
    ASSERT_EQ(averages.Columns(), 27);
    EXPECT_EQ(ColumnLabels(averages).front(), "1");
    EXPECT_EQ(averages.Value(1, 1), 1.67);

    // Printing sends a picture of the window; a printer that fails is reported and ends nothing.
    lastDrawn->mnuPrintChart.Click();
    EXPECT_TRUE(desktop.messages.empty());
    desktop.printSucceeds = false;
    lastDrawn->mnuPrintChart.Click();
    EXPECT_EQ(desktop.printedForms, Items{"frmLastDrawnBarChart"});
    EXPECT_EQ(desktop.messages,
              (std::vector<Message>{{"Unable to Print. Please check your Printer and try again.",
                                     "Unable to Print", MsgBoxIcon::Exclamation}}));
    EXPECT_TRUE(lastDrawn->Loaded());
    lastDrawn->mnuFileClose.Click();
    EXPECT_EQ(app.forms.Find<frmLastDrawnBarChart>(), nullptr);
}

TEST_F(StatsTest, ThunderballChartsShowTheFourteenThunderballsAndShareTheirWindows) {
    frmQuintara& main = Start();
    main.mnuDrawThunderball.Click();
    const AppState& state = app.state;
    main.mnuThunderballFrequencyBarChart.Click();
    auto* frequency = app.forms.Find<frmFrequencyBarChart>();
    ASSERT_NE(frequency, nullptr);
    EXPECT_EQ(frequency->caption, "Quintara - Frequency Bar Chart - Thunderball Draw - Thunderball");
    EXPECT_EQ(frequency->MSChartLotto.Data().title, "Frequency of Drawn Numbers");
    std::vector<std::string> balls;
    std::vector<std::optional<double>> counts;
    for (const FrequencyRec& rec : state.ThunderballFrequency) {
        balls.push_back(std::to_string(rec.Ball));
        counts.emplace_back(rec.Count);
    }
    EXPECT_EQ(ColumnLabels(frequency->MSChartLotto), balls);
    EXPECT_EQ(Values(frequency->MSChartLotto), counts);

    main.mnuThunderballAveragesBarChart.Click();
    const Chart& averages = app.forms.Find<frmBallAveragesBarChart>()->MSChartLotto;
    EXPECT_EQ(ColumnLabels(averages), balls);
    for (int i = 1; i <= 14; ++i) {
        const auto& rec = state.ThunderballFrequency[static_cast<std::size_t>(i)];
        EXPECT_EQ(averages.Value(1, i), std::stod(*FormatAverage(state.LastDraw, rec.Count)));
    }

    main.mnuThunderballLastDrawnBarChart.Click();
    const Chart& order = app.forms.Find<frmLastDrawnBarChart>()->MSChartLotto;
    ASSERT_EQ(order.Columns(), 14);
    EXPECT_EQ(order.Value(1, 1), static_cast<double>(state.ThunderballLastDrawn[1].Ball));

    // The main-ball chart finds the Thunderball chart open and leaves it as it is.
    const ChartData shown = frequency->MSChartLotto.Data();
    main.mnuFrequencyBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>(), frequency);
    EXPECT_EQ(frequency->MSChartLotto.Data(), shown);
    EXPECT_EQ(desktop.broughtToFront, Items{"frmFrequencyBarChart"});
    frequency->mnuFileClose.Click();
    main.mnuFrequencyBarChart.Click();
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>()->MSChartLotto.Columns(), 34);
    EXPECT_EQ(app.forms.Find<frmFrequencyBarChart>()->caption,
              "Quintara - Frequency Bar Chart - Thunderball Draw");
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
