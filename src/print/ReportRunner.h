#pragma once
// Runs a ReportJob from the event loop in short slices, so that the window that started
// it keeps answering (its Cancel included) while the report is printed or laid out.
#include <QObject>
#include <QTimer>
#include <chrono>

namespace vinaxo {

class ReportJob;

class ReportRunner final : public QObject {
    Q_OBJECT
public:
    // About this much work per slice, then the event loop runs.
    static constexpr std::chrono::milliseconds Slice{20};

    // The job must outlive the runner.
    explicit ReportRunner(ReportJob& job, QObject* parent = nullptr, std::chrono::milliseconds slice = Slice);

    // The first slice runs when the event loop next turns.
    void start();
    // Abandons the job (nothing delivered) and ends the run.
    void cancel();
    bool running() const { return m_timer.isActive(); }

Q_SIGNALS:
    // After every slice: the page being printed and the report's pages (0: not known).
    void progressed(int page, int pages);
    // Once, when the job has ended in any way (printed, failed or cancelled).
    void finished();

private:
    void slice();

    ReportJob& m_job;
    std::chrono::milliseconds m_slice;
    QTimer m_timer;
};

} // namespace vinaxo
