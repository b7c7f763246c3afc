#include <tuple>

#include "core/TextRules.h"
#include "simulate/ChanceComparison.h"
#include "simulate/Simulation.h"
#include "ui/EngineCalls.h"
#include "ui/MainWindowFixture.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"

namespace quintara::ui::test {
namespace {

// The run the engine makes over the state as it stands, for the algorithm at `algorithmIndex`.
SimulationRun EngineRun(const App& app, int algorithmIndex, std::int16_t n, SimulationCommand command) {
    GeneratorRequest request = RequestFromState(app.state, app.Today());
    request.GeneratorMode = static_cast<std::int16_t>(algorithmIndex);
    auto result = SimulateOverState(app.state, request, n, command);
    EXPECT_TRUE(result.has_value());
    return std::move(result).value();
}

// What a simulation leaves as it found it: the history and its statistics, the draw on show, and the
// player's lines and modes.
auto Kept(const AppState& s, const SessionState& ui) {
    return std::tie(s.LottoDraws, s.BallFrequency, s.BallLastDrawn, s.LastDraw, s.FirstDraw, s.CurrentDraw,
                    s.FinalNumbers, s.PickedLines, s.WinningLines, ui.CurrentLine, ui.LinesMode,
                    ui.WinningLinesMode, ui.PrintListing);
}

// Answers the number-of-draws window with `text` and presses Check.
void EnterDraws(quintara::test::FakePlatform& desktop, std::string text) {
    desktop.WhenShownModally<frmNumberOfDraws>("frmNumberOfDraws", [text](frmNumberOfDraws& window) {
        window.txtNumberOfDraws.text = text;
        window.cmdCheck.Click();
    });
}

TEST_F(StartedMainWindowTest, SevenNumberRunReportsAndLeavesTheHistoryItsStatisticsAndTheDrawOnShow) {
    app.clock = [] { return SerialFromCivil({2026, 12, 6}); };
    main.cmdNext.Click();
    main.cmdNext.Click();
    // "7 Numbers from 28 from 49", chosen in the box without a Pick.
    ASSERT_TRUE(main.cmbAlgorithms.UserSelects(2));
    const std::string shown = Shown(main);
    const Items sorted = main.cmbSorted.Items();
    const AppState before = app.state;
    const SessionState beforeSession = app.session;
    const SimulationRun expected = EngineRun(app, 2, 25, SimulationCommand::MainBalls);
    ASSERT_EQ(expected.FinalNumbers.Size(), 7u);
    const int turnsBefore = desktop.eventTurns;

    desktop.WhenShownModally<frmNumberOfDraws>("frmNumberOfDraws", [&](frmNumberOfDraws& window) {
        EXPECT_FALSE(main.cmbAlgorithms.enabled || main.cmbWheels.enabled);
        window.txtNumberOfDraws.text = "25";
        window.cmdCheck.Click();
        EXPECT_FALSE(window.Visible());
    });
    main.mnuSimulateFinalNumbers.Click();
    EXPECT_EQ(desktop.PendingModalSteps(), 0u);
    EXPECT_TRUE(desktop.messages.empty());

    auto* report = app.forms.Find<frmSimulatedWins>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->Visible());
    EXPECT_EQ(report->caption, "Simulated Wins - Lotto Draw");
    EXPECT_EQ(report->txtSimulatedWins.text, expected.ReportText);
    EXPECT_EQ(app.state.ReportText, expected.ReportText);

    // The history, its statistics, the draw on show and the sorted list are those of before the run.
    EXPECT_EQ(Shown(main), shown);
    EXPECT_EQ(main.cmbSorted.Items(), sorted);
    EXPECT_TRUE(Kept(app.state, app.session) == Kept(before, beforeSession));
    EXPECT_FALSE(app.state.ThunderballStatistics);

    // The boxes come back, the label goes, the pointer is normal, and the window had one turn to repaint.
    EXPECT_TRUE(main.cmbAlgorithms.enabled && main.cmbWheels.enabled);
    EXPECT_FALSE(main.lblProccessing.visible || desktop.busy);
    EXPECT_EQ(desktop.eventTurns - turnsBefore, 1000);

    // The report box follows the window's size, the comparison with chance keeping its width beside it.
    report->UserResizes(14000, 8000);
    const auto& wins = report->txtSimulatedWins;
    EXPECT_EQ(std::tuple(wins.left, wins.top, wins.width + report->txtChance.width, wins.height),
              std::tuple(0, 0, 13800, 7600));
    EXPECT_EQ(report->txtChance.left, wins.width + 100);

    // Beside the totals, what chance would have given and how the two compare; Print and Save give both.
    EXPECT_EQ(report->txtChance.text, ChanceReportText(expected, SimulationCommand::MainBalls, kCrLf));
    const std::string whole = expected.ReportText + "\r\n\r\n" + report->txtChance.text;
    EXPECT_EQ(Printed(desktop, report->mnuPrintReport), whole + "\r\n");
    desktop.fileAnswers = {(dir.Path() / "wins.txt").string()};
    report->mnuFileSave.Click();
    EXPECT_EQ(dir.Read("wins.txt"), whole + "\r\n");
}

// A run that fails and one that succeeds both leave the player's lines, captions and arrows as they were.
TEST_F(StartedMainWindowTest, ThePlayersLinesSurviveAFailingAndASuccessfulRun) {
    main.mnuPick6.Click();
    main.cmdNextOccurance.Click();
    const AppState before = app.state;
    const SessionState beforeSession = app.session;
    const std::string shown = Shown(main);
    const auto captions = [this] {
        return std::vector<std::string>{main.caption, main.lblViewOccurances.caption,
                                        main.lblDrawLineNumberNumber.caption};
    };
    const auto captionsBefore = captions();

    // A wheel whose pointer 29 names none of the 28 final numbers stops the run with its message.
    app.state.WheelLines = OneBased<std::string>{"1,2,3,4,5,29,"};
    EnterDraws(desktop, "10");
    main.mnuSimulateFinalNumbers.Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(std::pair(desktop.messages[0].title, desktop.messages[0].icon),
              std::pair(std::string("Simulation Stopped"), MsgBoxIcon::Exclamation));
    EXPECT_TRUE(desktop.messages[0].text.starts_with("Unable to simulate draw number 2065: "))
        << desktop.messages[0].text;
    EXPECT_EQ(app.forms.Find<frmSimulatedWins>(), nullptr);
    EXPECT_EQ(app.state.ReportText, before.ReportText);
    EXPECT_FALSE(desktop.busy);
    for (const bool succeeded : {false, true}) {
        EXPECT_TRUE(Kept(app.state, app.session) == Kept(before, beforeSession)) << succeeded;
        EXPECT_EQ(Shown(main), shown);
        EXPECT_EQ(captions(), captionsBefore);
        if (!succeeded) {
            app.state.WheelLines = before.WheelLines;
            EnterDraws(desktop, "30");
            main.mnuSimulateFinalNumbers.Click();
            ASSERT_NE(app.forms.Find<frmSimulatedWins>(), nullptr);
        }
    }
    EXPECT_EQ(app.state.GeneratorMode, before.GeneratorMode);
    // The arrows walk the player's lines on from where they were.
    main.cmdNextOccurance.Click();
    EXPECT_EQ(app.session.CurrentLine, beforeSession.CurrentLine + 1);
}

TEST_F(StartedMainWindowTest, ThunderballBallRunRefillsTheOpenReportWithItsOwnCaption) {
    EXPECT_FALSE(main.mnuSimulateThunderballFinalNumbers.enabled);
    EnterDraws(desktop, "3");
    main.mnuSimulateFinalNumbers.Click();
    ASSERT_NE(app.forms.Find<frmSimulatedWins>(), nullptr);

    main.mnuDrawThunderball.Click();
    ASSERT_TRUE(main.mnuSimulateThunderballFinalNumbers.enabled);
    const SimulationRun expected = EngineRun(app, 0, 40, SimulationCommand::ThunderballBall);
    EnterDraws(desktop, "39.5");  // rounded half to even
    main.mnuSimulateThunderballFinalNumbers.Click();
    auto* report = app.forms.Find<frmSimulatedWins>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->caption, "Simulated Wins - Thunderball Draw - Thunderball");
    EXPECT_EQ(report->txtSimulatedWins.text, expected.ReportText);
    EXPECT_TRUE(app.state.ThunderballStatistics);
    EXPECT_EQ(desktop.broughtToFront.back(), "frmSimulatedWins");
}

TEST_F(MainWindowTest, NumberOfDrawsRefusalsReachTheUserAndItsCloseBoxRunsNothing) {
    // The newest 150 draws of the real history.
    std::filesystem::resize_file(HistoryPath(dir.Path(), Game::Lotto), 150 * 44);
    frmQuintara& main = Start();
    ASSERT_EQ(app.state.LastDraw, 150);
    const std::string reportBefore = app.state.ReportText = "an earlier report";
    const int turnsBefore = desktop.eventTurns;

    // Which numbers pass is the number-of-draws check's own test; here, a refusal reaches the user, empties
    // the box and gives it the focus, and the window stays.
    desktop.WhenShownModally<frmNumberOfDraws>("frmNumberOfDraws", [&](frmNumberOfDraws& window) {
        for (const std::string typed : {"51", "abc"}) {
            desktop.messages.clear();
            window.cmdCheck.SetFocus();
            window.txtNumberOfDraws.text = typed;
            window.cmdCheck.Click();
            const auto refusal = CheckNumberOfDraws(typed, 150).error();
            EXPECT_EQ(desktop.messages,
                      (std::vector<Message>{{refusal.text, refusal.title, MsgBoxIcon::None}}));
            EXPECT_EQ(window.txtNumberOfDraws.text, "");
            EXPECT_EQ(window.ActiveControl() == &window.txtNumberOfDraws, refusal.box == 1) << typed;
            EXPECT_TRUE(window.Loaded() && window.Visible());
        }
        window.UserCloses();
    });
    main.mnuSimulateFinalNumbers.Click();
    EXPECT_EQ(app.forms.Find<frmSimulatedWins>(), nullptr);
    EXPECT_EQ(app.forms.Find<frmNumberOfDraws>(), nullptr);
    EXPECT_EQ(app.state.ReportText, reportBefore);
    EXPECT_FALSE(app.session.WinningLinesMode);
    EXPECT_EQ(desktop.eventTurns, turnsBefore);

    // A history of 100 draws (the newest of these) is refused up front, before any number is asked for.
    std::filesystem::resize_file(HistoryPath(dir.Path(), Game::Lotto), 100 * 44);
    main.mnuDrawLotto.Click();
    const auto showings = desktop.showings.size();
    main.mnuSimulateFinalNumbers.Click();
    const auto enough = EnoughDrawsToSimulate(Game::Lotto, 100);
    ASSERT_FALSE(enough.has_value());
    EXPECT_EQ(desktop.messages.back(),
              (Message{enough.error().text, enough.error().title, MsgBoxIcon::Exclamation}));
    EXPECT_EQ(desktop.showings.size(), showings);
    EXPECT_TRUE(enough.error().text.starts_with("Simulate needs more than 100 draws"));
    EXPECT_TRUE(EnoughDrawsToSimulate(Game::Lotto, 101).has_value());
}

}  // namespace
}  // namespace quintara::ui::test
