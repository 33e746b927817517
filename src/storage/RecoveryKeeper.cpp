#include "storage/RecoveryKeeper.h"
#include "model/Workspace.h"
#include "storage/CFileIO.h"
#include "storage/RecoveryStore.h"

#include <QDateTime>
#include <algorithm>

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
        m_copies.clear();
        return;
    }
    if (!m_dirtySince) {
        m_dirtySince = now;
        return;
    }
    if (now - *m_dirtySince < m_interval) {
        // A sixteenth at least, so that even a large collection is copied before the
        // shortest interval ends (ticks come every second).
        const EntryList& list = m_ws.entries.Entries();
        m_copies.prefill(list, std::max(CopiesPerTick, list.size() / 16));
        return;
    }
    m_dirtySince = now;
    post();
}

bool RecoveryKeeper::copyNow(bool wait)
{
    if (!m_ws.entries.DBChanged)
        return false;
    post();
    if (wait)
        waitIdle();
    return true;
}

void RecoveryKeeper::post()
{
    auto snapshot = std::make_unique<CollectionSnapshot>(CFileIO(m_ws).TakeSnapshot(&m_copies));
    {
        std::lock_guard lock(m_mutex);
        m_job = Job::Write;
        m_snapshot = std::move(snapshot); // a snapshot not yet written is superseded
        m_pictures = m_ws.pendingCovers.changes(); // shared, not copied
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
    m_copies.clear();
    std::lock_guard lock(m_mutex);
    if (!m_worker.joinable()) {
        m_store.remove(); // nothing was written by this run, except an adopted copy
        return;
    }
    m_job = Job::Remove;
    m_snapshot.reset();
    m_pictures.clear();
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
        const std::unique_ptr<CollectionSnapshot> snapshot = std::move(m_snapshot);
        const QHash<QString, QByteArray> pictures = std::exchange(m_pictures, {});
        RecoveryRecord record;
        record.original = m_original;
        record.originalStamp = m_stamp;
        m_busy = true;
        lock.unlock();
        bool wrote = false;
        if (job == Job::Write) {
            QByteArray bytes = CFileIO::SnapshotBytes(m_ws, *snapshot);
            // A copy that would change nothing is not written again.
            if (bytes != m_lastWritten || pictures != m_lastPictures) {
                record.copied = QDateTime::currentDateTimeUtc();
                const FileError error = m_store.write(bytes, record, pictures);
                m_lastWritten = error ? QByteArray() : std::move(bytes);
                m_lastPictures = error ? QHash<QString, QByteArray>() : pictures;
                wrote = true;
                if (written)
                    written(error);
            }
        } else {
            m_store.remove();
            m_lastWritten.clear();
            m_lastPictures.clear();
        }
        lock.lock();
        m_busy = false;
        if (wrote)
            ++m_writes;
        if (m_job == Job::None)
            m_idle.notify_all();
    }
}

} // namespace vinaxo
