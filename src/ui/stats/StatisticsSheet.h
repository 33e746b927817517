#pragma once
// What the statistics window shows of a count, without widgets: the charts it offers,
// each chart's title, headings and rows as texts, and the totals. The window draws
// these; the tests read them.
#include "model/Statistics.h"

#include <QString>
#include <QStringList>

namespace vinaxo {

class IFormats;

enum class StatisticsChart { Categories, Mediums, Decades, Labels, Artists, Purchases };

struct StatisticsRow {
    QString name;
    qint32 count = 0;
    double cost = 0;  // in currency units, for drawing
    QString costText; // in the collection's currency (purchases only)
};

struct StatisticsChartSheet {
    QString title;    // "Recordings per category"
    QString heading;  // the first column of the figures: "Category"
    bool pieAllowed = false;
    bool horizontal = false; // long names: bars across, most frequent on top
    bool withCost = false;   // purchases: the cost beside the count
    QList<StatisticsRow> rows;      // the figures: every row
    QList<StatisticsRow> chartRows; // what is drawn: the rows, or the largest and the rest summed
};

namespace StatisticsSheet {

// Categories or mediums beyond this many are drawn as bars across; beyond MaxDrawn the
// chart shows the largest (MaxDrawn - 1) and one bar or slice for all the others.
inline constexpr int ManyNames = 6;
inline constexpr int MaxDrawn = 12;
QString AllOthers();

// The charts in the order the window offers them, and their names in its drop-down.
QList<StatisticsChart> Charts();
QString ChartName(StatisticsChart chart);

StatisticsChartSheet Sheet(const StatisticsResult& result, StatisticsChart chart,
                           const IFormats& formats);

// The totals as the window shows them: recordings, tracks, playing time, cost.
struct Totals {
    QString recordings, tracks, playingTime, cost;
};
Totals TotalsOf(const StatisticsResult& result, const IFormats& formats);

} // namespace StatisticsSheet
} // namespace vinaxo
