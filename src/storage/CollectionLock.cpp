#include "storage/CollectionLock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

namespace vinaxo {

CollectionLock::CollectionLock() = default;
CollectionLock::~CollectionLock() = default;

QString CollectionLock::lockPathFor(const QString& collection)
{
    const QFileInfo info(collection);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

CollectionLock::Result CollectionLock::lock(const QString& collection)
{
    const QString absolute = QFileInfo(collection).absoluteFilePath();
    if (m_lock && absolute == m_collection)
        return Result::Taken;
    release();
    m_holder = {};
    auto file = std::make_unique<QLockFile>(lockPathFor(absolute));
    // Only a dead holder makes a lock stale: a collection may stay open for days.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        m_lock = std::move(file);
        m_collection = absolute;
        return Result::Taken;
    }
    if (file->error() != QLockFile::LockFailedError)
        return Result::NotPossible;
    QString host, app;
    qint64 pid = 0;
    file->getLockInfo(&pid, &host, &app);
    m_holder.pid = pid;
    m_holder.host = host;
    m_holder.application = app;
    m_holder.since = QFileInfo(lockPathFor(absolute)).lastModified();
    return Result::HeldByOther;
}

void CollectionLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_collection.clear();
}

QString CollectionLock::describe(const Holder& holder)
{
    return QCoreApplication::translate("CollectionLock", "%1, process %2, since %3")
        .arg(holder.host.isEmpty() ? QCoreApplication::translate("CollectionLock", "an unknown host") : holder.host)
        .arg(holder.pid)
        .arg(holder.since.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
}

} // namespace vinaxo
