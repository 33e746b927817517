#pragma once
// Runs an import or export from the event loop in short slices, so that the window that
// started it keeps answering ("CANCEL" included) and repaints. Between slices the count
// and the log lines so far are shown: once per slice, not once per record, since on a
// large collection repainting per record would cost more than the run itself.
#include "exchange/ExchangeStart.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

namespace vinaxo {

class ExchangeLogModel;

class ExchangeRunner final : public QObject, public exchange::IExchangeLog {
    Q_OBJECT
public:
    // About this much work per slice, then the event loop runs.
    static constexpr std::chrono::milliseconds Slice{15};

    struct Callbacks {
        std::function<void()> starting;        // the run begins: disable the controls
        std::function<void(qint32)> showCount; // the count box
    };

    // The log must outlive the runner.
    ExchangeRunner(ExchangeLogModel& log, Callbacks callbacks, QObject* parent = nullptr,
                   std::chrono::milliseconds slice = Slice);
    // A run still going is cancelled, without a word.
    ~ExchangeRunner() override;
    // From the next slice on (tests shorten them, to stop a run under way however fast
    // the machine).
    void setSlice(std::chrono::milliseconds slice) { m_slice = slice; }

    // What BeginImport and BeginExport are to report to for the next run: this runner,
    // its count cleared.
    exchange::ExchangeHooks newRun(IBusyPointer* busy);
    // Runs a job begun with newRun()'s hooks from the next turn of the event loop; one
    // that has already ended (its file could not be read) finishes at once.
    void start(std::unique_ptr<exchange::ExchangeJob> job);
    // Stops the run (the job logs it) and finishes it.
    void cancel();
    bool running() const { return m_job && m_job->running(); }
    // The last run, kept after it has finished (its results).
    const exchange::ExchangeJob* job() const { return m_job.get(); }
    int refreshes() const { return m_refreshes; }

    void addLogLine(const QString& line) override;
    void showCount(qint32 recordNumber) override { m_count = recordNumber; }
    void runStarting() override;

Q_SIGNALS:
    // Once per run, when it has ended in any way; the count and log are up to date.
    void finished();

private:
    void slice();
    void finish();
    void refresh();

    ExchangeLogModel& m_log;
    Callbacks m_callbacks;
    std::chrono::milliseconds m_slice;
    QTimer m_timer;
    std::unique_ptr<exchange::ExchangeJob> m_job;
    bool m_finished = true;
    qint32 m_count = 0;
    qint32 m_shownCount = -1;
    int m_refreshes = 0;
};

} // namespace vinaxo
