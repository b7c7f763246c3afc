#include "ui/check/CheckCommands.h"

#include "check/BallValidation.h"
#include "ui/check/frmCheckNumbers.h"
#include "ui/check/frmWins.h"

namespace quintara::ui {

void CheckCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<CheckCommands>>({
        {"mnuCheckNumbers", &CheckCommands::mnuCheckNumbers_Click},
    });
    BindReactions(main, *this, kReactions);
}

void CheckCommands::mnuCheckNumbers_Click() {
    if (!m_app.session.LinesMode) {
        m_app.desktop.MsgBox(kCheckRefusedText, kCheckRefusedTitle, MsgBoxIcon::Exclamation);
        return;
    }
    m_app.forms.Get<frmCheckNumbers>(m_app, *this).Show(ShowMode::Modal);
}

void CheckCommands::CheckNumbers(const CheckBoxes& boxes) {
    const Game game = m_state.CurrentGameId();
    m_state.WinningLines.Clear();
    for (int position = 1; position <= CheckBoxCount(game); ++position) {
        if (boxes[static_cast<std::size_t>(position - 1)].empty()) {
            m_app.desktop.MsgBox(EnterNumbersText(game), kEnterNumbersTitle, MsgBoxIcon::Exclamation);
            m_app.forms.Get<frmCheckNumbers>(m_app, *this).Show(ShowMode::Modal);
            return;
        }
    }
    const TypedDraw typed = TypedFromBoxes(game, boxes);
    const CheckResult result = Info(game).sevenBallLines
                                   ? CheckLines(game, typed, m_state.DailyPlayPickedLines)
                                   : CheckLines(game, typed, m_state.PickedLines);
    m_state.WinningLines = result.winningLines;
    m_app.session.CurrentLine = m_state.WinningLines[1].LineIndex;
    m_app.session.WinningLinePosition = 1;
    m_main.SetPrintListing("");
    m_app.session.LinesMode = false;
    m_app.session.WinningLinesMode = true;
    m_state.ReportText = WinningReportText(result);
    ShowWinningLines(result);

    const bool wasOpen = m_app.forms.Find<frmWins>() != nullptr;
    auto& wins = m_app.forms.Get<frmWins>(m_app);
    wins.ShowReport(m_state.ReportText);
    wins.Show();
    if (wasOpen) {
        // An open report window was not loaded again, and so did not close the check window.
        if (auto* checkWindow = m_app.forms.Find<frmCheckNumbers>()) {
            checkWindow->Unload();
        }
    }
}

void CheckCommands::ShowWinningLines(const CheckResult& result) {
    m_main.SetMode(MainWindow::Mode::WinningLines);
    if (result.winners == 0) {
        m_main.SetOccurrenceCaption("");
        m_main.ClearBalls();
        // No winning line to count.
        m_main.SetLineNumberCaption("");
        return;
    }
    m_main.SetOccurrenceCaption(WinningLinesCaption(result.winners));
    // The window shows the first winning line, which its line number names; the walk starts there.
    m_main.ShowCurrentLine();
    m_main.SetLineNumberCaption(std::to_string(m_app.session.WinningLinePosition));
    m_app.session.CurrentLine = 1;
}

}  // namespace quintara::ui
