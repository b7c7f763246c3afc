#include "ui/stats/StatsCommands.h"

#include "ui/stats/StatisticsChartForm.h"
#include "ui/stats/frmBallAverages.h"
#include "ui/stats/frmBallLastDrawn.h"

namespace quintara::ui {

namespace {

// The window reads the choice when it loads; an open one keeps what it shows and only comes forward.
// A game without draws has no statistics to list or chart.
template <class Window>
void Open(App& app, bool thunderball) {
    if (!RequireDraws(app)) {
        return;
    }
    app.state.ThunderballStatistics = thunderball;
    app.forms.Get<Window>(app).Show();
}

}  // namespace

void StatsCommands::BindTo(MainWindow& main) {
    static constexpr auto kReactions = std::to_array<Reaction<StatsCommands>>({
        {"mnuListsLastDrawn", &StatsCommands::mnuListsLastDrawn_Click},
        {"mnuListsThunderballLastDrawn", &StatsCommands::mnuListsThunderballLastDrawn_Click},
        {"mnuListsBallAverages", &StatsCommands::mnuListsBallAverages_Click},
        {"mnuListsThunderballAverages", &StatsCommands::mnuListsThunderballAverages_Click},
        {"mnuFrequencyBarChart", &StatsCommands::mnuFrequencyBarChart_Click},
        {"mnuThunderballFrequencyBarChart", &StatsCommands::mnuThunderballFrequencyBarChart_Click},
        {"mnuLastDrawnBarChart", &StatsCommands::mnuLastDrawnBarChart_Click},
        {"mnuThunderballLastDrawnBarChart", &StatsCommands::mnuThunderballLastDrawnBarChart_Click},
        {"mnuBallAveragesBarChart", &StatsCommands::mnuBallAveragesBarChart_Click},
        {"mnuThunderballAveragesBarChart", &StatsCommands::mnuThunderballAveragesBarChart_Click},
    });
    BindReactions(main, *this, kReactions);
}

void StatsCommands::mnuListsLastDrawn_Click() {
    Open<frmBallLastDrawn>(m_app, false);
}

void StatsCommands::mnuListsThunderballLastDrawn_Click() {
    Open<frmBallLastDrawn>(m_app, true);
}

void StatsCommands::mnuListsBallAverages_Click() {
    Open<frmBallAverages>(m_app, false);
}

void StatsCommands::mnuListsThunderballAverages_Click() {
    Open<frmBallAverages>(m_app, true);
}

void StatsCommands::mnuFrequencyBarChart_Click() {
    Open<frmFrequencyBarChart>(m_app, false);
}

void StatsCommands::mnuThunderballFrequencyBarChart_Click() {
    Open<frmFrequencyBarChart>(m_app, true);
}

void StatsCommands::mnuLastDrawnBarChart_Click() {
    Open<frmLastDrawnBarChart>(m_app, false);
}

void StatsCommands::mnuThunderballLastDrawnBarChart_Click() {
    Open<frmLastDrawnBarChart>(m_app, true);
}

void StatsCommands::mnuBallAveragesBarChart_Click() {
    Open<frmBallAveragesBarChart>(m_app, false);
}

void StatsCommands::mnuThunderballAveragesBarChart_Click() {
    Open<frmBallAveragesBarChart>(m_app, true);
}

}  // namespace quintara::ui
