#include "ui/stats/frmBallAverages.h"

#include <algorithm>

#include "core/TextRules.h"
#include "stats/EqualChances.h"
#include "stats/StatisticReports.h"
#include "ui/start/HelpCommands.h"
#include "ui/stats/StatisticListLayout.h"

namespace quintara::ui {

frmBallAverages::frmBallAverages(App& app) : Form("frmBallAverages", "Quintara - Ball Averages"), m_app(app) {
    txtBallAverages.multiLine = true;
    txtBallAverages.locked = true;
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintBallAverages.shortcut = StandardShortcut::Print;
    // The printout ends with the test as the window does.
    mnuPrintBallAverages.onClick = [this] {
        PrintTextBlock(m_app.desktop, txtBallAverages.text + std::string(kCrLf) + lblEqualChances.caption);
    };
    lblChancesHelp.themeForeColor = ThemeColor::Link;
    lblChancesHelp.alignment = Alignment::Right;
    lblChancesHelp.onClick = [this] { ShowChancesHelp(m_app); };
}

void frmBallAverages::Form_Load() {
    const AppState& state = m_app.state;
    const StatisticBalls balls = BallsOf(state.ThunderballStatistics);
    const GameStatistics statistics = state.Statistics();
    CoverScreen(*this, m_app.desktop);
    Form_Resize();
    caption = BallAveragesTitle(state.CurrentGameId(), balls);
    txtBallAverages.text = BallAveragesReport(statistics, state.LastDraw, balls);
    lblEqualChances.caption =
        EqualChanceSentence(TestEqualChances(state.CurrentGameId(), balls, statistics, state.LastDraw));
}

void frmBallAverages::Form_Resize() {
    FitListBox(*this, txtBallAverages);
    // In the margin the list leaves below its box: the sentence, and the link at the right end of its row.
    constexpr int kLinkWidth = 4000;
    const int below = txtBallAverages.top + txtBallAverages.height + 60;
    const int sentenceWidth = std::max(txtBallAverages.width - kLinkWidth - 100, 0);
    lblEqualChances.Move(txtBallAverages.left, below, sentenceWidth, 480);
    lblChancesHelp.Move(txtBallAverages.left + sentenceWidth + 100, below, kLinkWidth, 300);
}

}  // namespace quintara::ui
