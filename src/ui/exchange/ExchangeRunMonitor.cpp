#include "ui/exchange/ExchangeRunMonitor.h"
#include "ui/exchange/ExchangeLogModel.h"

#include <QCoreApplication>
#include <utility>

namespace vinaxo {

ExchangeRunMonitor::ExchangeRunMonitor(ExchangeLogModel& log, const bool& cancel, Callbacks callbacks,
                                       qint64 intervalMs, Clock clock)
    : m_log(log), m_cancel(cancel), m_callbacks(std::move(callbacks)), m_interval(intervalMs),
      m_clock(std::move(clock))
{
    m_timer.start();
}

qint64 ExchangeRunMonitor::now() const
{
    return m_clock ? m_clock() : m_timer.elapsed();
}

void ExchangeRunMonitor::addLogLine(const QString& line)
{
    m_log.append(line);
}

void ExchangeRunMonitor::runStarting()
{
    if (m_callbacks.starting)
        m_callbacks.starting();
    // The first record is shown at once, with the start line logged after this call.
    m_refreshDue = true;
}

bool ExchangeRunMonitor::step(qint64, qint64)
{
    if (m_refreshDue || now() - m_last >= m_interval)
        refresh(true);
    return !m_cancel;
}

void ExchangeRunMonitor::finish()
{
    refresh(false);
}

void ExchangeRunMonitor::refresh(bool withEvents)
{
    ++m_refreshes;
    m_refreshDue = false;
    if (m_count > 0 && m_count != m_shownCount && m_callbacks.showCount) {
        m_callbacks.showCount(m_count);
        m_shownCount = m_count;
    }
    m_log.flush();
    if (withEvents) {
        if (m_callbacks.processEvents)
            m_callbacks.processEvents();
        else
            QCoreApplication::processEvents();
    }
    // Measured after the events: time spent in them does not shorten the next interval.
    m_last = now();
}

} // namespace vinaxo
