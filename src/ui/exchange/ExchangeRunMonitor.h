#pragma once
// What the import/export window is to a running import or export: its log and its
// progress. The count and the log are shown, and pending events run (so that "CANCEL"
// can be clicked), at most once per interval rather than once per record: on a large
// collection repainting per record would cost more than the run itself.
#include "exchange/ExchangeRun.h"
#include "platform/IBusyPointer.h"

#include <QElapsedTimer>
#include <functional>

namespace vinaxo {

class ExchangeLogModel;

class ExchangeRunMonitor final : public exchange::IExchangeLog, public IProgress {
public:
    struct Callbacks {
        std::function<void()> starting;          // the run begins: disable the controls
        std::function<void(qint32)> showCount;   // the count box
        std::function<void()> processEvents;     // none: QCoreApplication::processEvents
    };
    using Clock = std::function<qint64()>;       // milliseconds; none: a steady clock

    ExchangeRunMonitor(ExchangeLogModel& log, const bool& cancel, Callbacks callbacks,
                       qint64 intervalMs = 20, Clock clock = {});

    void addLogLine(const QString& line) override;
    void showCount(qint32 recordNumber) override { m_count = recordNumber; }
    void runStarting() override;
    // After every record: refreshes when the interval has passed; false once the cancel
    // flag is set.
    bool step(qint64 done, qint64 total) override;
    // The run has ended: the last count and the remaining lines are shown.
    void finish();

    int refreshes() const { return m_refreshes; }

private:
    void refresh(bool withEvents);
    qint64 now() const;

    ExchangeLogModel& m_log;
    const bool& m_cancel;
    Callbacks m_callbacks;
    qint64 m_interval;
    Clock m_clock;
    QElapsedTimer m_timer;
    qint64 m_last = 0;
    qint32 m_count = 0;
    qint32 m_shownCount = -1;
    bool m_refreshDue = false;
    int m_refreshes = 0;
};

} // namespace vinaxo
