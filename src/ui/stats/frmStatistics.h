#pragma once
// The statistics window: the collection counted per category, medium, decade, label,
// artist and year of purchase, as a chart with its figures, and the totals. Counting
// runs off this window's thread (StatisticsCounter); what is shown comes from
// StatisticsSheet. The window is modeless and counts again whenever it is activated and
// the collection (or the listed part of it) has changed.
#include "model/Statistics.h"
#include "ui/stats/StatisticsSheet.h"

#include <QDialog>
#include <memory>

namespace Ui { class frmStatistics; }

namespace vinaxo {

struct AppContext;

class frmStatistics : public QDialog {
    Q_OBJECT
public:
    explicit frmStatistics(AppContext& ctx, QWidget* parent = nullptr);
    ~frmStatistics() override;

    // Counts again when what would be counted differs from the last count (force: always).
    void refresh(bool force = false);
    const StatisticsResult& result() const { return m_result; }
    bool isCounting() const { return m_counter.isCounting(); }
    StatisticsChart shownChart() const;

Q_SIGNALS:
    // A count has been put on screen (tests and benchmarks wait for it).
    void statisticsShown();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void counted(const StatisticsResult& result);
    void showChart();
    void showTotals();
    void exportChart();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmStatistics> ui;
    StatisticsCounter m_counter;
    StatisticsInput m_counting; // what the last count was started on
    bool m_started = false;
    StatisticsResult m_result;
};

} // namespace vinaxo
