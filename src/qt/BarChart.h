#pragma once

#include "formkit/Elements.h"

class QChart;
class QChartView;

namespace quintara {

// A chart element's data as a Qt bar chart: one series of bars per row, labelled columns, thinned labels.
QChart* MakeBarChart(const ui::ChartData& data);

// Resting the pointer on a bar of the view's chart (made by MakeBarChart from data) shows its label and
// value, which a thinned or crowded axis may not.
void ShowBarTips(QChartView& view, const ui::ChartData& data);

}  // namespace quintara
