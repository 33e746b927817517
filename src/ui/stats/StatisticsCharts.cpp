#include "ui/stats/StatisticsCharts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

namespace vinaxo {

namespace {

QString sliceText(const StatisticsRow& row) { return row.name + QStringLiteral(" (%1)").arg(row.count); }

QValueAxis* countAxis(double maximum)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(1.0, maximum));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->applyNiceNumbers();
    // Counts are whole numbers: no ticks between them on a short axis.
    if (axis->max() <= 10)
        axis->setTickCount(int(axis->max()) + 1);
    axis->setTitleText(QCoreApplication::translate("StatisticsCharts", "Recordings"));
    return axis;
}

// The names under the bars; when there are too many to write each under its bar (a
// long run of years), every few of them on a scale of positions.
QAbstractAxis* nameAxis(const QStringList& names)
{
    constexpr int most = 12;
    if (names.size() <= most) {
        auto* axis = new QBarCategoryAxis;
        axis->append(names);
        return axis;
    }
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, double(names.size()) - 0.5);
    axis->setStartValue(-0.5);
    const int step = int((names.size() + most - 1) / most);
    for (int i = 0; i < names.size(); i += step)
        axis->append(names[i], i);
    axis->setGridLineVisible(false);
    return axis;
}

void addPie(QChart& chart, const StatisticsChartSheet& sheet)
{
    auto* series = new QPieSeries;
    for (const StatisticsRow& row : sheet.chartRows)
        series->append(sliceText(row), row.count);
    series->setLabelsVisible(true);
    series->setPieSize(0.7);
    chart.addSeries(series);
    chart.legend()->setVisible(true);
    chart.legend()->setAlignment(Qt::AlignRight);
}

void addBars(QChart& chart, const StatisticsChartSheet& sheet)
{
    QList<StatisticsRow> rows = sheet.chartRows;
    // Bars across are drawn from the bottom up: the first (most frequent) goes on top.
    if (sheet.horizontal)
        std::reverse(rows.begin(), rows.end());
    auto* set = new QBarSet(QCoreApplication::translate("StatisticsCharts", "Recordings"));
    QStringList names;
    double most = 0;
    for (const StatisticsRow& row : rows) {
        *set << row.count;
        names << row.name;
        most = std::max(most, double(row.count));
    }
    QAbstractBarSeries* series = sheet.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                                  : static_cast<QAbstractBarSeries*>(new QBarSeries);
    series->append(set);
    series->setBarWidth(0.7);
    chart.addSeries(series);

    QAbstractAxis* categories = nameAxis(names);
    QValueAxis* values = countAxis(most);
    chart.addAxis(categories, sheet.horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart.addAxis(values, sheet.horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);

    if (!sheet.withCost) {
        chart.legend()->setVisible(false);
        return;
    }
    // The year's cost on an axis of its own, one point over each year's bar.
    auto* cost = new QLineSeries;
    cost->setName(QCoreApplication::translate("StatisticsCharts", "Cost"));
    cost->setPointsVisible(true);
    double dearest = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        cost->append(double(i), rows[i].cost);
        dearest = std::max(dearest, rows[i].cost);
    }
    chart.addSeries(cost);
    auto* costAxis = new QValueAxis;
    costAxis->setRange(0, std::max(1.0, dearest));
    costAxis->applyNiceNumbers();
    costAxis->setLabelFormat(QStringLiteral("%.0f"));
    costAxis->setTitleText(QCoreApplication::translate("StatisticsCharts", "Cost"));
    chart.addAxis(costAxis, Qt::AlignRight);
    cost->attachAxis(categories);
    cost->attachAxis(costAxis);
    chart.legend()->setVisible(true);
    chart.legend()->setAlignment(Qt::AlignBottom);
}

} // namespace

QChart* BuildStatisticsChart(const StatisticsChartSheet& sheet, bool pie, bool dark)
{
    auto* chart = new QChart;
    // Before any series: a theme set later would undo their settings.
    if (dark)
        chart->setTheme(QChart::ChartThemeDark);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(sheet.title);
    if (sheet.rows.isEmpty())
        chart->legend()->setVisible(false);
    else if (pie && sheet.pieAllowed)
        addPie(*chart, sheet);
    else
        addBars(*chart, sheet);
    return chart;
}

bool WritePng(QWidget& view, const QString& path)
{
    return view.grab().save(path, "PNG");
}

bool WriteSvg(QWidget& view, const QString& path, const QString& title)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view.size());
    svg.setViewBox(QRect(QPoint(0, 0), view.size()));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    view.render(&painter);
    painter.end();
    const QFileInfo written(path);
    return written.exists() && written.size() > 0;
}

} // namespace vinaxo
