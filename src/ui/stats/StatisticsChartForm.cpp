#include "ui/stats/StatisticsChartForm.h"

#include <algorithm>

#include "stats/EqualChances.h"
#include "ui/start/HelpCommands.h"

namespace quintara::ui {

void ShowChartData(Chart& chart, const quintara::ChartData& data) {
    const int columns = static_cast<int>(data.cells.size());
    chart.SetSize(1, columns);
    chart.SetTitle(data.chartTitle);
    chart.SetRowLabel(1, data.rowLabel);
    for (int column = 1; column <= columns; ++column) {
        const ChartCell& cell = data.cells[static_cast<std::size_t>(column - 1)];
        if (cell.value) {
            chart.SetValue(1, column, *cell.value);
        }
        chart.SetColumnLabel(column, cell.label);
    }
}

StatisticsChartForm::StatisticsChartForm(App& app, ChartKind kind, std::string name,
                                         std::string designCaption)
    : Form(std::move(name), std::move(designCaption)), m_app(app), m_kind(kind) {
    windowState = WindowState::Maximized;
    onLoad = [this] { Form_Load(); };
    onResize = [this] { Form_Resize(); };
    mnuFileClose.onClick = [this] { Unload(); };
    mnuPrintChart.shortcut = StandardShortcut::Print;
    mnuPrintChart.onClick = [this] { PrintWindowImage(m_app.desktop, *this); };
    lblChancesHelp.themeForeColor = ThemeColor::Link;
    lblChancesHelp.onClick = [this] { ShowChancesHelp(m_app); };
    // The last-drawn chart orders the balls by date; a test of the counts says nothing about it.
    lblEqualChances.visible = lblChancesHelp.visible = kind != ChartKind::LastDrawn;
}

void StatisticsChartForm::Form_Load() {
    const AppState& state = m_app.state;
    const GameStatistics statistics = state.Statistics();
    const StatisticBalls balls = BallsOf(state.ThunderballStatistics);
    const quintara::ChartData data =
        MakeChart(m_kind, state.CurrentGameId(), balls, statistics, state.LastDraw);
    caption = data.windowTitle;
    // Centred on a screen tall enough for it, at the top of a smaller one.
    const int chartTop = std::max((m_app.desktop.ScreenHeight() - kChartHeight - 1000) / 2, 0);
    MSChartLotto.Move(kChartLeft, chartTop, kChartWidth, kChartHeight);
    ShowChartData(MSChartLotto, data);
    lblEqualChances.Move(kChartLeft, chartTop + kChartHeight + 60);
    lblChancesHelp.Move(kChartLeft, chartTop + kChartHeight + 560);
    if (lblEqualChances.visible) {
        lblEqualChances.caption =
            EqualChanceSentence(TestEqualChances(state.CurrentGameId(), balls, statistics, state.LastDraw));
    }
}

void StatisticsChartForm::Form_Resize() {
    // The chart takes the whole window, whatever its size: a maximised window around a chart of fixed
    // size stood two thirds empty, and printed as a small picture on the page.
    // The sentence on equal chances and its link keep their place under it.
    const int below = lblEqualChances.visible ? kChancesRoom : 0;
    const int chartHeight = std::max(ScaleHeight() - 2 * kChartMargin - below, 0);
    MSChartLotto.Move(kChartMargin, kChartMargin, std::max(ScaleWidth() - 2 * kChartMargin, 0), chartHeight);
    lblEqualChances.Move(kChartMargin, kChartMargin + chartHeight + 60);
    lblChancesHelp.Move(kChartMargin, kChartMargin + chartHeight + 560);
}

}  // namespace quintara::ui
