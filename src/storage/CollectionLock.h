#pragma once
// One writer per collection: a lock file beside the collection (".NAME.DAT.lock"), held
// while the collection is open. A lock left by a process that is gone (on this host) is
// taken over; one held by a running program is reported with who holds it.
#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

namespace vinaxo {

class CollectionLock {
public:
    enum class Result {
        Taken,       // this object holds the lock now
        HeldByOther, // holder() tells who
        NotPossible, // no lock file can be made there (a read-only folder): nobody can
    };
    struct Holder {
        qint64 pid = 0;
        QString host;
        QString application;
        QDateTime since; // when the lock was taken
    };

    CollectionLock();
    ~CollectionLock();
    CollectionLock(const CollectionLock&) = delete;
    CollectionLock& operator=(const CollectionLock&) = delete;

    // The lock file of a collection file: ".NAME.DAT.lock" in the same folder.
    static QString lockPathFor(const QString& collection);

    // Takes the lock of `collection`, letting go of the one held before (also when the
    // new one cannot be had). Holding it already is Taken.
    Result lock(const QString& collection);
    void release();
    bool held() const { return m_lock != nullptr; }
    // The collection whose lock is held; empty when none.
    const QString& collection() const { return m_collection; }
    // Who holds the lock that lock() could not take.
    const Holder& holder() const { return m_holder; }

    // "HOST, process PID, since TIME" for messages.
    static QString describe(const Holder& holder);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_collection;
    Holder m_holder;
};

} // namespace vinaxo
