#include "ui/stats/frmBallAverages.h"

#include "stats/StatisticReports.h"
#include "ui/stats/StatisticListLayout.h"

namespace quintara::ui {

frmBallAverages::frmBallAverages(App& app) : Form("frmBallAverages", "Quintara - Ball Averages"), m_app(app) {
    txtBallAverages.multiLine = true;
    txtBallAverages.locked = true;
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintBallAverages.onClick = [this] { PrintTextBlock(m_app.desktop, txtBallAverages.text); };
}

void frmBallAverages::Form_Load() {
    const AppState& state = m_app.state;
    const StatisticBalls balls = BallsOf(state);
    CoverScreen(*this, m_app.desktop);
    Form_Resize();
    caption = BallAveragesTitle(state.CurrentGameId(), balls);
    txtBallAverages.text = BallAveragesReport(state, balls);
}

void frmBallAverages::Form_Resize() {
    FitListBox(*this, txtBallAverages);
}

}  // namespace quintara::ui
