#include "ui/simulate/frmSimulatedWins.h"

#include <algorithm>

namespace quintara::ui {

namespace {

constexpr int kBoxWidthMargin = 100;
constexpr int kBoxHeightMargin = 400;

}  // namespace

frmSimulatedWins::frmSimulatedWins(App& app) : Form("frmSimulatedWins", "Simulated Wins"), m_app(app) {
    txtSimulatedWins.locked = true;
    closesOnEscape = true;
    width = 7000;
    height = 7600;
    onLoad = [this] {
        txtSimulatedWins.Move(0, 0);
        Fill(m_app.state.ReportText);
    };
    onResize = [this] { Form_Resize(); };
}

void frmSimulatedWins::Fill(std::string report) {
    caption = "Simulated Wins - " + m_app.state.CurrentGame + " Draw";
    if (m_app.state.ThunderballStatistics) {
        caption += " - Thunderball";
    }
    txtSimulatedWins.text = std::move(report);
}

void frmSimulatedWins::Form_Resize() {
    txtSimulatedWins.Move(0, 0, std::max(width - kBoxWidthMargin, 0), std::max(height - kBoxHeightMargin, 0));
}

}  // namespace quintara::ui
