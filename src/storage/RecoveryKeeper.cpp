#include "storage/RecoveryKeeper.h"
#include "model/Workspace.h"
#include "storage/CFileIO.h"
#include "storage/RecoveryStore.h"

#include <QDateTime>

namespace vinaxo {

RecoveryKeeper::RecoveryKeeper(Workspace& ws, RecoveryStore& store) : m_ws(ws), m_store(store) {}

RecoveryKeeper::~RecoveryKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void RecoveryKeeper::setInterval(std::chrono::milliseconds interval)
{
    m_interval = interval;
    if (interval.count() <= 0)
        discard();
}

void RecoveryKeeper::tick(Clock::time_point now)
{
    if (m_interval.count() <= 0)
        return;
    if (!m_ws.entries.DBChanged) {
        m_dirtySince.reset();
        return;
    }
    if (!m_dirtySince) {
        m_dirtySince = now;
        return;
    }
    if (now - *m_dirtySince < m_interval)
        return;
    m_dirtySince = now;
    CFileIO io(m_ws);
    post(io.SaveToBytes());
}

bool RecoveryKeeper::copyNow(bool wait)
{
    if (!m_ws.entries.DBChanged)
        return false;
    {
        CFileIO io(m_ws);
        post(io.SaveToBytes());
    }
    if (wait)
        waitIdle();
    return true;
}

void RecoveryKeeper::post(QByteArray bytes)
{
    if (bytes == m_lastPosted)
        return;
    m_lastPosted = bytes;
    {
        std::lock_guard lock(m_mutex);
        m_job = Job::Write;
        m_bytes = std::move(bytes);
        m_original = m_ws.currentFileName;
        m_stamp = originalStamp;
        if (!m_worker.joinable())
            m_worker = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void RecoveryKeeper::discard()
{
    m_dirtySince.reset();
    m_lastPosted.clear();
    std::lock_guard lock(m_mutex);
    if (!m_worker.joinable()) {
        m_store.remove(); // nothing was written by this run, except an adopted copy
        return;
    }
    m_job = Job::Remove;
    m_bytes.clear();
    m_wake.notify_one();
}

void RecoveryKeeper::waitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_job == Job::None && !m_busy; });
}

int RecoveryKeeper::writes() const
{
    std::lock_guard lock(m_mutex);
    return m_writes;
}

void RecoveryKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_job != Job::None; });
        if (m_job == Job::None && m_stop)
            return;
        const Job job = std::exchange(m_job, Job::None);
        QByteArray bytes = std::move(m_bytes);
        m_bytes = QByteArray();
        RecoveryRecord record;
        record.original = m_original;
        record.originalStamp = m_stamp;
        m_busy = true;
        lock.unlock();
        FileError error;
        if (job == Job::Write) {
            record.copied = QDateTime::currentDateTimeUtc();
            error = m_store.write(bytes, record);
            if (written)
                written(error);
        } else {
            m_store.remove();
        }
        bytes = QByteArray();
        lock.lock();
        m_busy = false;
        if (job == Job::Write)
            ++m_writes;
        if (m_job == Job::None)
            m_idle.notify_all();
    }
}

} // namespace vinaxo
