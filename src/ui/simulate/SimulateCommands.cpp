#include "ui/simulate/SimulateCommands.h"

#include <algorithm>
#include <exception>

#include "core/TextRules.h"
#include "generate/Generator.h"
#include "simulate/ChanceComparison.h"
#include "ui/EngineCalls.h"
#include "ui/Refusals.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"

namespace quintara::ui {

namespace {

// One turn of the window system shows the label before the run; the run itself takes milliseconds.
constexpr int kRepaintTurns = 1000;
constexpr std::string_view kNothingChanged =
    ".\r\nNo report was made; the history and its statistics are as they were.";

}  // namespace

void SimulateCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<SimulateCommands>>({
        {"mnuSimulateFinalNumbers", &SimulateCommands::mnuSimulateFinalNumbers_Click},
        {"mnuSimulateThunderballFinalNumbers", &SimulateCommands::mnuSimulateThunderballFinalNumbers_Click},
    });
    BindReactions(main, *this, kReactions);
}

void SimulateCommands::Simulate(SimulationCommand command) {
    if (!RequireDraws(m_app)) {
        return;
    }
    const std::int32_t drawCount = m_state.LastDraw;
    if (const Checked enough = EnoughDrawsToSimulate(m_state.CurrentGameId(), drawCount); !enough) {
        ShowRefusal(m_app.desktop, enough.error());
        return;
    }
    FormManager::ReactionScope keepAlive(&m_app.forms);
    m_state.ThunderballStatistics = command == SimulationCommand::ThunderballBall;
    m_main.EnableGeneratorBoxes(false);
    bool finished = false;
    auto& numberOfDraws = m_app.forms.Get<frmNumberOfDraws>(
        m_app, [this, command, &finished](std::int16_t n) { finished = RunSimulation(n, command); });
    numberOfDraws.ShowSimulationReport = true;
    numberOfDraws.Show(ShowMode::Modal);
    m_main.Repaint();
    // Closed by its close box, the window has unloaded and cleared the flag: nothing ran.
    if (finished && numberOfDraws.ShowSimulationReport) {
        auto& report = m_app.forms.Get<frmSimulatedWins>(m_app);
        report.Fill(m_state.ReportText, m_chance);
        report.Show();
    }
    numberOfDraws.Unload();
    m_main.EnableGeneratorBoxes(true);
    m_main.Repaint();
}

bool SimulateCommands::RunSimulation(std::int16_t n, SimulationCommand command) {
    m_main.ShowProcessing(true);
    m_app.desktop.ProcessEvents(kRepaintTurns);
    BusyPointer busy(m_app.desktop);
    GeneratorRequest request = RequestFromState(m_state, m_app.Today());
    // The algorithm the box shows, as Pick reads it, even before a first Pick.
    request.GeneratorMode = std::max<std::int16_t>(m_state.SelectedAlgorithmIndex, 0);
    SimulationResult result = [&]() -> SimulationResult {
        try {
            return SimulateOverState(m_state, request, n, command);
        } catch (const std::exception& error) {
            return Refuse(SimulationFailure(RefusalCause::StepFailed, 0, error.what()));
        }
    }();
    m_main.ShowProcessing(false);
    m_main.Repaint();
    if (!result) {
        // The run worked on copies: the history, its statistics and the draw on show are untouched.
        busy.Restore();
        const Refusal& failure = result.error();
        m_app.desktop.MsgBox(failure.text + std::string(kNothingChanged), failure.title, IconOf(failure));
        return false;
    }
    SimulationRun& run = *result;
    m_chance = ChanceReportText(run, command, kCrLf);
    // Only the report is kept. The run's steps made lines, final numbers and a winning line of their own,
    // but the player's picked or loaded lines, the check on show and the main window's walk through them
    // are his work: a simulation is a question about the past and must not replace them.
    m_state.ReportText = std::move(run.ReportText);
    return true;
}

}  // namespace quintara::ui
