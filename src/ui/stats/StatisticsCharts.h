#pragma once
// Drawing a statistics sheet as a Qt chart, and writing a shown chart to a file.
#include "ui/stats/StatisticsSheet.h"

class QChart;
class QWidget;

namespace vinaxo {

// A new chart of the sheet's rows: bars (across for long names), a pie when asked and
// allowed, and for purchases the cost as a line on its own axis beside the bars. `dark`:
// drawn for a dark palette, not as a white card on it.
QChart* BuildStatisticsChart(const StatisticsChartSheet& sheet, bool pie, bool dark = false);

// The widget as it is drawn, as a PNG picture or an SVG drawing; false when the file
// could not be written.
bool WritePng(QWidget& view, const QString& path);
bool WriteSvg(QWidget& view, const QString& path, const QString& title);

} // namespace vinaxo
