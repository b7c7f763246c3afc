#include "qt/BarChart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetricsF>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "qt/FormRenderer.h"
#include "qt/QtText.h"

namespace quintara {

namespace {

// Bar labels must differ for the chart to keep one per bar; two balls last drawn on one date share one.
// None may be null either: the axis drops a null label and the later ones slide under the wrong bars.
QStringList DistinctLabels(const QStringList& labels) {
    QStringList distinct;
    for (QString text : labels) {
        if (text.isNull()) {
            text = QStringLiteral("");
        }
        while (distinct.contains(text)) {
            text += QChar(0x200B);  // zero width space: looks the same, compares different
        }
        distinct.append(text);
    }
    return distinct;
}

// A number as the chart's tooltip shows it: "8.13", "187", whatever the locale.
QString ValueText(double value) {
    return QString::number(value, 'g', 12);
}

// The labels under the bars: every one where they stand clear of each other, otherwise every second,
// third... one, so that many dates never run together. Each bar still tells its own on hover. The labels
// stand on the bars' own values, where the axis never hides the first and last of them as it hides a
// label wider than its category at the edge of a category axis.
void FitBarLabels(QCategoryAxis& axis, const QStringList& labels, qreal plotWidth) {
    if (labels.isEmpty() || plotWidth <= 0) {
        return;
    }
    const qreal room = plotWidth / static_cast<qreal>(labels.size());
    const QFontMetricsF metrics(axis.labelsFont());
    // Upright labels need their width, turned ones the height of a line, with a little air between.
    qreal needed = metrics.height() * 1.1;
    if (axis.labelsAngle() == 0) {
        for (const auto& label : labels) {
            needed = std::max(needed, metrics.horizontalAdvance(label) + metrics.averageCharWidth());
        }
    }
    const int step = std::max(1, static_cast<int>(std::ceil(needed / room)));
    if (axis.property("labelStep").toInt() == step) {
        return;
    }
    axis.setProperty("labelStep", step);
    for (const QString& label : axis.categoriesLabels()) {
        axis.remove(label);
    }
    for (int i = 0; i < labels.size(); i += step) {
        axis.append(labels[i], i);
    }
}

}  // namespace

QChart* MakeBarChart(const ui::ChartData& data) {
    auto* chart = new QChart;
    chart->setTitle(ToQt(data.title));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    chart->setTitleFont(titleFont);
    auto* series = new QBarSeries;
    const std::size_t columns = data.columnLabels.size();
    for (std::size_t row = 0; row < data.rowLabels.size(); ++row) {
        auto* set = new QBarSet(ToQt(data.rowLabels[row]));
        for (std::size_t column = 0; column < columns; ++column) {
            set->append(data.values[row * columns + column].value_or(0.0));
        }
        series->append(set);
    }
    // One row of many bars: each bar takes nearly all of its place.
    series->setBarWidth(0.8);
    chart->addSeries(series);
    // Bar i stands on the value i of the axis.
    auto* bars = new QCategoryAxis;
    bars->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bars->setRange(-0.5, static_cast<qreal>(std::max<std::size_t>(columns, 1)) - 0.5);
    bars->setStartValue(-0.5);
    QStringList labels;
    for (const auto& label : data.columnLabels) {
        labels.append(ToQt(label));
    }
    labels = DistinctLabels(labels);
    if (columns > 20) {
        // Many bars: the labels stand on end, a little smaller, so that a row of 49 dates fits.
        bars->setLabelsAngle(-90);
        QFont small = bars->labelsFont();
        small.setPointSizeF(std::max(small.pointSizeF() * 0.8, kSmallestPointSize));
        bars->setLabelsFont(small);
    }
    bars->setGridLineVisible(false);
    // A date cut to "..." says nothing; thinning, not cutting, keeps the labels clear of each other.
    bars->setTruncateLabels(false);
    FitBarLabels(*bars, labels, 1.0e9);
    chart->addAxis(bars, Qt::AlignBottom);
    series->attachAxis(bars);
    auto* values = new QValueAxis;
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    values->setMin(0);
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%g"));
    chart->legend()->setVisible(data.rowLabels.size() > 1);
    QObject::connect(chart, &QChart::plotAreaChanged, bars,
                     [bars, labels](const QRectF& area) { FitBarLabels(*bars, labels, area.width()); });
    return chart;
}

void ShowBarTips(QChartView& view, const ui::ChartData& data) {
    const auto sets = static_cast<QBarSeries*>(view.chart()->series().constFirst())->barSets();
    const std::size_t columns = data.columnLabels.size();
    for (qsizetype row = 0; row < sets.size(); ++row) {
        QObject::connect(
            sets[row], &QBarSet::hovered, &view, [&view, data, row, columns](bool status, int index) {
                if (!status || index < 0 || static_cast<std::size_t>(index) >= columns) {
                    view.setToolTip(QString());
                    QToolTip::hideText();
                    return;
                }
                const auto cell = static_cast<std::size_t>(row) * columns + static_cast<std::size_t>(index);
                const QString label = ToQt(data.columnLabels[static_cast<std::size_t>(index)]);
                const auto value = data.values[cell];
                const QString shown = value ? ValueText(*value) : QStringLiteral("-");
                const QString tip = label.isEmpty() ? shown : label + QStringLiteral(": ") + shown;
                view.setToolTip(tip);
                QToolTip::showText(QCursor::pos(), tip, &view);
            });
    }
}

}  // namespace quintara
