#include "print/ReportRunner.h"
#include "print/ReportRun.h"

namespace vinaxo {

ReportRunner::ReportRunner(ReportJob& job, QObject* parent, std::chrono::milliseconds slice)
    : QObject(parent), m_job(job), m_slice(slice)
{
    m_timer.setInterval(0); // a zero timer lets input and painting in between slices
    connect(&m_timer, &QTimer::timeout, this, &ReportRunner::slice);
}

void ReportRunner::start()
{
    if (m_job.running())
        m_timer.start();
}

void ReportRunner::cancel()
{
    if (!m_timer.isActive() && !m_job.running())
        return;
    m_timer.stop();
    m_job.cancel();
    Q_EMIT finished();
}

void ReportRunner::slice()
{
    const bool more = m_job.step(m_slice);
    Q_EMIT progressed(m_job.page(), m_job.pageCount());
    if (!m_timer.isActive())
        return; // cancelled from a progress slot: the end is already told
    if (!more) {
        m_timer.stop();
        Q_EMIT finished();
    }
}

} // namespace vinaxo
