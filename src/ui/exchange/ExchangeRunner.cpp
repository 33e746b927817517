#include "ui/exchange/ExchangeRunner.h"
#include "ui/exchange/ExchangeLogModel.h"

#include <utility>

namespace vinaxo {

ExchangeRunner::ExchangeRunner(ExchangeLogModel& log, Callbacks callbacks, QObject* parent,
                               std::chrono::milliseconds slice)
    : QObject(parent), m_log(log), m_callbacks(std::move(callbacks)), m_slice(slice)
{
    // Single shot, started again after each slice: the next slice never begins while a
    // question asked inside this one runs its own event loop.
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ExchangeRunner::slice);
}

ExchangeRunner::~ExchangeRunner()
{
    m_timer.stop();
    m_job.reset(); // while this runner can still take its last log lines
}

exchange::ExchangeHooks ExchangeRunner::newRun(IBusyPointer* busy)
{
    m_count = 0;
    m_shownCount = -1;
    return {this, busy, {}};
}

void ExchangeRunner::start(std::unique_ptr<exchange::ExchangeJob> job)
{
    m_timer.stop();
    m_job = std::move(job);
    m_finished = false;
    refresh(); // the start line at once
    if (running())
        m_timer.start();
    else
        finish();
}

void ExchangeRunner::cancel()
{
    if (m_finished)
        return;
    m_timer.stop();
    if (m_job)
        m_job->cancel();
    finish();
}

void ExchangeRunner::slice()
{
    if (m_finished || !m_job)
        return;
    const bool more = m_job->step(m_slice);
    if (m_finished)
        return; // cancelled from inside the slice: already told
    if (more) {
        refresh();
        m_timer.start();
    } else {
        finish();
    }
}

void ExchangeRunner::finish()
{
    m_finished = true;
    refresh();
    Q_EMIT finished();
}

void ExchangeRunner::addLogLine(const QString& line)
{
    m_log.append(line);
}

void ExchangeRunner::runStarting()
{
    if (m_callbacks.starting)
        m_callbacks.starting();
}

void ExchangeRunner::refresh()
{
    ++m_refreshes;
    if (m_count > 0 && m_count != m_shownCount && m_callbacks.showCount) {
        m_callbacks.showCount(m_count);
        m_shownCount = m_count;
    }
    m_log.flush();
}

} // namespace vinaxo
