#pragma once

#include <string>

#include "formkit/Elements.h"
#include "formkit/Form.h"
#include "stats/BarCharts.h"
#include "ui/App.h"

namespace quintara::ui {

// Puts a statistics chart into a chart element: one row labelled with the chart's category, one column
// per bar in the table's order, and a value only where the bar has one.
void ShowChartData(Chart& chart, const quintara::ChartData& data);

// What the three statistics chart windows share: a bar chart of one statistic for the main balls or the
// Thunderball, filled once when the window loads, and printed as a picture of the window.
class StatisticsChartForm : public Form {
public:
    static constexpr int kChartWidth = 11200;
    static constexpr int kChartHeight = 7500;
    static constexpr int kChartLeft = 300;
    static constexpr int kChartMargin = 120;  // between the chart and the window's edges
    static constexpr int kChancesRoom = 900;  // under the chart, for the equal-chances sentence and link

    Chart MSChartLotto{this, "MSChartLotto", {kChartLeft, 0, kChartWidth, kChartHeight}};
    // Under the counts (frequency and averages charts): whether they are in line with equal chances.
    Label lblEqualChances{this, "lblEqualChances", "", {kChartLeft, kChartHeight + 60, kChartWidth, 480}};
    Label lblChancesHelp{this,
                         "lblChancesHelp",
                         "What these figures can and cannot tell you",
                         {kChartLeft, kChartHeight + 560, kChartWidth, 300}};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuFileClose{this, "mnuFileClose", "Close", &mnuFile};
    MenuItem mnuPrint{this, "mnuPrint", "&Print"};
    MenuItem mnuPrintChart{this, "mnuPrintChart", "Print Chart", &mnuPrint};

protected:
    StatisticsChartForm(App& app, ChartKind kind, std::string name, std::string designCaption);

private:
    App& m_app;
    ChartKind m_kind;

    void Form_Load();
    void Form_Resize();
};

// How often each ball was drawn.
class frmFrequencyBarChart : public StatisticsChartForm {
public:
    explicit frmFrequencyBarChart(App& app)
        : StatisticsChartForm(app, ChartKind::Frequency, "frmFrequencyBarChart", "Quintara - Chart") {}
};

// The balls in the order of their last appearance, each bar as high as its number, labelled with its date.
class frmLastDrawnBarChart : public StatisticsChartForm {
public:
    explicit frmLastDrawnBarChart(App& app)
        : StatisticsChartForm(app, ChartKind::LastDrawn, "frmLastDrawnBarChart", "Quintara - Chart") {}
};

// How many draws pass on average between each ball's appearances.
class frmBallAveragesBarChart : public StatisticsChartForm {
public:
    explicit frmBallAveragesBarChart(App& app)
        : StatisticsChartForm(app, ChartKind::BallAverages, "frmBallAveragesBarChart", "Ball Averages") {}
};

}  // namespace quintara::ui
