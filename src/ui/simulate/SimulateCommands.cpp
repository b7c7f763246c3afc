#include "ui/simulate/SimulateCommands.h"

#include <algorithm>
#include <exception>
#include <variant>

#include "check/ChanceComparison.h"
#include "core/TextRules.h"
#include "generate/Generator.h"
#include "ui/main/frmQuintara.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"

namespace quintara::ui {

namespace {

// One turn of the window system shows the label before the run; the run itself takes milliseconds.
constexpr int kRepaintTurns = 1000;
constexpr std::string_view kFailedTitle = "Simulation Stopped";

std::string FailureText(const SimulationError& error) {
    std::string text = "Unable to simulate";
    if (error.drawNumber > 0) {
        text += " draw number " + std::to_string(error.drawNumber);
    }
    return text + ": " + error.message +
           ".\r\nNo report was made; the history and its statistics are as they were.";
}

}  // namespace

void SimulateCommands::Simulate(SimulationCommand command) {
    if (!RequireDraws(m_app)) {
        return;
    }
    FormManager::ReactionScope keepAlive(&m_app.forms);
    m_state.ThunderballStatistics = command == SimulationCommand::ThunderballBall;
    m_main.cmbAlgorithms.enabled = m_main.cmbWheels.enabled = false;
    bool finished = false;
    auto& numberOfDraws = m_app.forms.Get<frmNumberOfDraws>(
        m_app, [this, command, &finished](std::int16_t n) { finished = RunSimulation(n, command); });
    numberOfDraws.ShowSimulationReport = true;
    numberOfDraws.Show(ShowMode::Modal);
    m_main.Refresh();
    // Closed by its close box, the window has unloaded and cleared the flag: nothing ran.
    if (finished && numberOfDraws.ShowSimulationReport) {
        auto& report = m_app.forms.Get<frmSimulatedWins>(m_app);
        report.Fill(m_state.ReportText, m_chance);
        report.Show();
    }
    numberOfDraws.Unload();
    m_main.cmbAlgorithms.enabled = m_main.cmbWheels.enabled = true;
    m_main.Refresh();
}

bool SimulateCommands::RunSimulation(std::int16_t n, SimulationCommand command) {
    m_main.lblProccessing.visible = true;
    m_app.desktop.ProcessEvents(kRepaintTurns);
    BusyPointer busy(m_app.desktop);
    GeneratorRequest request = RequestFromState(m_state, m_app.Today());
    // The algorithm the box shows, as Pick reads it, even before a first Pick.
    request.GeneratorMode = std::max<std::int16_t>(m_state.SelectedAlgorithmIndex, 0);
    SimulationResult result = SimulationError{};
    try {
        result = quintara::RunSimulation(m_state, request, n, command);
    } catch (const std::exception& error) {
        result = SimulationError{SimulationError::Kind::StepFailed, 0, 0, error.what()};
    }
    m_main.lblProccessing.visible = false;
    m_main.Refresh();
    if (auto* error = std::get_if<SimulationError>(&result)) {
        // The run worked on copies: the history, its statistics and the draw on show are untouched.
        busy.Restore();
        m_app.desktop.MsgBox(FailureText(*error), kFailedTitle, MsgBoxIcon::Exclamation);
        return false;
    }
    m_state.GeneratorMode = request.GeneratorMode;
    auto& run = std::get<SimulationRun>(result);
    m_chance = ChanceReportText(run, command, kCrLf);
    KeepLastStep(run);
    return true;
}

void SimulateCommands::KeepLastStep(SimulationRun& run) {
    m_state.ReportText = std::move(run.ReportText);
    m_state.FinalNumbers = std::move(run.FinalNumbers);
    if (run.SevenNumbers) {
        m_state.SevenNumbers = std::move(*run.SevenNumbers);
    }
    m_state.PickedLines = std::move(run.PickedLines);
    m_state.DailyPlayPickedLines = std::move(run.DailyPlayPickedLines);
    m_state.LinesGeneratedDate = run.LinesGeneratedDate;
    m_state.WinningLines = std::move(run.WinningLines);
    m_state.CurrentLine = m_state.WinningLines[1].LineIndex;
    m_state.WinningLinePosition = 1;
    m_main.SetPrintListing("");
    m_state.LinesMode = false;
    m_state.WinningLinesMode = true;
}

}  // namespace quintara::ui
