#include "ui/stats/StatisticsSheet.h"
#include "platform/IFormats.h"
#include <QCoreApplication>

namespace vinaxo::StatisticsSheet {

QString AllOthers()
{
    return QCoreApplication::translate("StatisticsSheet", "(all others)");
}

QList<StatisticsChart> Charts()
{
    return {StatisticsChart::Categories, StatisticsChart::Mediums, StatisticsChart::Decades,
            StatisticsChart::Labels,     StatisticsChart::Artists, StatisticsChart::Purchases};
}

QString ChartName(StatisticsChart chart)
{
    switch (chart) {
    case StatisticsChart::Categories:
        return QCoreApplication::translate("StatisticsSheet", "Recordings per category");
    case StatisticsChart::Mediums:
        return QCoreApplication::translate("StatisticsSheet", "Recordings per medium");
    case StatisticsChart::Decades:
        return QCoreApplication::translate("StatisticsSheet", "Recordings per decade of release");
    case StatisticsChart::Labels:
        return QCoreApplication::translate("StatisticsSheet", "The ten most frequent labels");
    case StatisticsChart::Artists:
        return QCoreApplication::translate("StatisticsSheet", "The ten most frequent artists");
    case StatisticsChart::Purchases:
        return QCoreApplication::translate("StatisticsSheet", "Purchases per year");
    }
    return {};
}

StatisticsChartSheet Sheet(const StatisticsResult& r, StatisticsChart chart, const IFormats& formats)
{
    StatisticsChartSheet s;
    s.title = ChartName(chart);
    const QList<StatisticsCount>* counts = nullptr;
    switch (chart) {
    case StatisticsChart::Categories:
        counts = &r.categories;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Category");
        s.pieAllowed = true;
        break;
    case StatisticsChart::Mediums:
        counts = &r.mediums;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Medium");
        s.pieAllowed = true;
        break;
    case StatisticsChart::Decades:
        counts = &r.decades;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Decade");
        break;
    case StatisticsChart::Labels:
        counts = &r.labels;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Label");
        s.horizontal = true;
        break;
    case StatisticsChart::Artists:
        counts = &r.artists;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Artist");
        s.horizontal = true;
        break;
    case StatisticsChart::Purchases:
        counts = &r.purchases;
        s.heading = QCoreApplication::translate("StatisticsSheet", "Year");
        s.withCost = true;
        break;
    }
    if (!counts)
        return s;
    // Beyond a few names they no longer fit under their bars: the bars go across.
    if (s.pieAllowed && counts->size() > ManyNames)
        s.horizontal = true;
    s.rows.reserve(counts->size());
    for (const StatisticsCount& c : *counts) {
        StatisticsRow row{c.name, c.count, double(c.cost.units) / double(Currency::Scale), QString()};
        if (s.withCost)
            row.costText = formats.currency(c.cost);
        s.rows.push_back(row);
    }
    s.chartRows = s.rows;
    if (s.pieAllowed && s.rows.size() > MaxDrawn) {
        s.chartRows = s.rows.mid(0, MaxDrawn - 1);
        StatisticsRow rest{AllOthers(), 0, 0, QString()};
        for (qsizetype i = MaxDrawn - 1; i < s.rows.size(); ++i)
            rest.count += s.rows[i].count;
        s.chartRows.push_back(rest);
    }
    return s;
}

Totals TotalsOf(const StatisticsResult& r, const IFormats& formats)
{
    return {QString::number(r.recordings), QString::number(r.tracks), PlayingTimeText(r.seconds),
            formats.currency(r.cost)};
}

} // namespace vinaxo::StatisticsSheet
