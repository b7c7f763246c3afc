#include "ui/stats/frmBallLastDrawn.h"

#include "stats/StatisticReports.h"
#include "ui/stats/StatisticListLayout.h"

namespace quintara::ui {

frmBallLastDrawn::frmBallLastDrawn(App& app) : Form("frmBallLastDrawn", "Quintara - Last Drawn"), m_app(app) {
    txtLastDrawn.multiLine = true;
    txtLastDrawn.locked = true;
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintLastDrawn.shortcut = StandardShortcut::Print;
    mnuPrintLastDrawn.onClick = [this] { PrintTextBlock(m_app.desktop, txtLastDrawn.text); };
}

void frmBallLastDrawn::Form_Load() {
    const AppState& state = m_app.state;
    const StatisticBalls balls = BallsOf(state.ThunderballStatistics);
    CoverScreen(*this, m_app.desktop);
    Form_Resize();
    caption = LastDrawnTitle(state.CurrentGameId(), balls);
    txtLastDrawn.text = LastDrawnReport(state.Statistics(), balls);
}

void frmBallLastDrawn::Form_Resize() {
    FitListBox(*this, txtLastDrawn);
}

}  // namespace quintara::ui
