#pragma once
// Keeps the recovery copy of one workspace's collection: while it has unsaved changes, a
// snapshot is taken on the caller's (the window's) thread every interval; a worker thread
// of its own turns it into the collection file's bytes and writes them, so typing never
// waits for either. The snapshot's copies of the recordings are kept and reused while
// their recordings stay the same, and the first ones are made a slice per tick
// beforehand, so the window's thread is held only briefly each time. Removal is queued
// behind any write, so a removed copy never comes back.
#include "model/RecordingCopies.h"
#include "storage/FileStamp.h"
#include "storage/HandleFileError.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace vinaxo {

class RecoveryStore;
struct CollectionSnapshot;
class Workspace;

class RecoveryKeeper {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds DefaultInterval{60000};
    // Recordings copied ahead per tick while changes are unsaved (at least).
    static constexpr qsizetype CopiesPerTick = 2048;

    RecoveryKeeper(Workspace& ws, RecoveryStore& store);
    ~RecoveryKeeper(); // the write under way (or waiting) is finished first
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    RecoveryStore& store() { return m_store; }

    // Zero switches the copies off (and removes the copy there is).
    void setInterval(std::chrono::milliseconds interval);
    std::chrono::milliseconds interval() const { return m_interval; }

    // The original file as it was loaded or last saved, for the copy's record.
    FileStamp originalStamp;

    // Called now and then by a timer: the first unsaved change starts the interval, and
    // while changes stay unsaved a copy is made every interval.
    void tick(Clock::time_point now);
    // A copy now, whatever the interval (the session is ending). With `wait` it is on
    // disk when this returns. False when there is nothing to copy.
    bool copyNow(bool wait);
    // The collection's changes were saved or given up: the copy goes.
    void discard();
    // Blocks until the worker has nothing left to do (tests, shut-down).
    void waitIdle();

    // Called on the worker thread after each write.
    std::function<void(const FileError&)> written;
    int writes() const;

private:
    // Takes the snapshot and hands it to the worker.
    void post();
    void run();

    Workspace& m_ws;
    RecoveryStore& m_store;
    std::chrono::milliseconds m_interval = DefaultInterval;
    std::optional<Clock::time_point> m_dirtySince;
    RecordingCopies m_copies; // the window thread's

    enum class Job { None, Write, Remove };
    mutable std::mutex m_mutex;
    std::condition_variable m_wake, m_idle;
    Job m_job = Job::None;
    std::unique_ptr<CollectionSnapshot> m_snapshot;
    QHash<QString, QByteArray> m_pictures; // the picture changes not yet saved, with it
    QByteArray m_lastWritten; // the worker's: skips a write that would change nothing
    QHash<QString, QByteArray> m_lastPictures;
    QString m_original;
    FileStamp m_stamp;
    bool m_busy = false, m_stop = false;
    int m_writes = 0;
    std::thread m_worker;
};

} // namespace vinaxo
