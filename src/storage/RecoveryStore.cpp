#include "storage/RecoveryStore.h"
#include "storage/CFileIO.h"
#include "storage/FileAccess.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimeZone>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace vinaxo {

namespace {
QString isoUtc(const QDateTime& t) { return t.toUTC().toString(Qt::ISODateWithMs); }

// The header a copy starts with: only a whole current-format file is offered back.
QString headerProblem(const QString& path, qint64 expectedSize)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("RecoveryStore", "the copy cannot be opened");
    if (expectedSize >= 0 && f.size() != expectedSize)
        return QCoreApplication::translate("RecoveryStore", "the copy has %1 bytes, its record says %2")
            .arg(f.size())
            .arg(expectedSize);
    const QByteArray head = f.read(CFileIO::HeaderSize);
    if (head.size() < CFileIO::HeaderSize)
        return QCoreApplication::translate("RecoveryStore", "the copy is shorter than a collection file's header");
    double release = 0;
    std::memcpy(&release, head.constData() + 2, sizeof release);
    release = qFromLittleEndian(release);
    if (release != CFileIO::CurrentRelease)
        return QCoreApplication::translate("RecoveryStore", "the copy is no collection file of this release");
    return {};
}
} // namespace

QByteArray RecoveryRecord::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("original"), original);
    QJsonObject stamp;
    stamp.insert(QStringLiteral("exists"), originalStamp.exists);
    stamp.insert(QStringLiteral("size"), originalStamp.size);
    // As text: a double cannot hold nanoseconds since 1970 exactly.
    stamp.insert(QStringLiteral("modifiedNs"), QString::number(originalStamp.modifiedNs));
    stamp.insert(QStringLiteral("modified"),
                 isoUtc(QDateTime::fromMSecsSinceEpoch(originalStamp.modifiedNs / 1000000, Qt::UTC)));
    stamp.insert(QStringLiteral("device"), QString::number(originalStamp.device));
    stamp.insert(QStringLiteral("inode"), QString::number(originalStamp.inode));
    o.insert(QStringLiteral("originalAtLoad"), stamp);
    o.insert(QStringLiteral("copied"), isoUtc(copied));
    o.insert(QStringLiteral("copySize"), copySize);
    o.insert(QStringLiteral("pid"), pid);
    o.insert(QStringLiteral("host"), host);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<RecoveryRecord> RecoveryRecord::fromJson(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const QDateTime copied = QDateTime::fromString(o.value(QStringLiteral("copied")).toString(), Qt::ISODateWithMs);
    if (!o.value(QStringLiteral("original")).isString() || !copied.isValid())
        return std::nullopt;
    RecoveryRecord r;
    r.original = o.value(QStringLiteral("original")).toString();
    const QJsonObject stamp = o.value(QStringLiteral("originalAtLoad")).toObject();
    r.originalStamp.exists = stamp.value(QStringLiteral("exists")).toBool();
    r.originalStamp.size = qint64(stamp.value(QStringLiteral("size")).toDouble());
    r.originalStamp.modifiedNs = stamp.value(QStringLiteral("modifiedNs")).toString().toLongLong();
    r.originalStamp.device = stamp.value(QStringLiteral("device")).toString().toULongLong();
    r.originalStamp.inode = stamp.value(QStringLiteral("inode")).toString().toULongLong();
    r.copied = copied;
    r.copySize = qint64(o.value(QStringLiteral("copySize")).toDouble(-1));
    r.pid = qint64(o.value(QStringLiteral("pid")).toDouble());
    r.host = o.value(QStringLiteral("host")).toString();
    return r;
}

QDateTime RecoveryCopy::time() const
{
    if (record)
        return record->copied;
    return QFileInfo(dataPath).lastModified();
}

RecoveryStore::RecoveryStore(const QString& folder) : m_folder(folder), m_access(&LocalFiles()) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Vinaxo/recovery");
}

QString RecoveryStore::pathOf(const QString& id, const char* suffix) const
{
    return m_folder + u'/' + id + QLatin1String(suffix);
}

bool RecoveryStore::ensureSession()
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    if (m_id.isEmpty())
        m_id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid())
                   .arg(QDateTime::currentMSecsSinceEpoch(), 0, 16);
    auto lock = std::make_unique<QLockFile>(pathOf(m_id, ".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

QString RecoveryStore::id()
{
    ensureSession();
    return m_id;
}

namespace {
constexpr QDataStream::Version kPicturesFormat = QDataStream::Qt_6_4;
}

FileError RecoveryStore::write(const QByteArray& bytes, RecoveryRecord record, const Pictures& pictures)
{
    if (!ensureSession())
        return FileError{
            FileErr::PathFileAccess,
            QCoreApplication::translate("RecoveryStore", "The recovery folder %1 cannot be used.").arg(m_folder)};
    const QString picturesPath = pathOf(m_id, ".covers");
    if (pictures.isEmpty()) {
        QFile::remove(picturesPath);
    } else {
        QByteArray packed;
        QDataStream out(&packed, QIODevice::WriteOnly);
        out.setVersion(kPicturesFormat);
        out << pictures;
        if (FileError e = m_access->replaceFile(picturesPath, packed))
            return e;
    }
    if (FileError e = m_access->replaceFile(dataPath(), bytes))
        return e;
    record.copySize = bytes.size();
    record.pid = QCoreApplication::applicationPid();
    record.host = QSysInfo::machineHostName();
    if (!record.copied.isValid())
        record.copied = QDateTime::currentDateTimeUtc();
    return m_access->replaceFile(recordPath(), record.toJson());
}

RecoveryStore::Pictures RecoveryStore::pictures(const QString& id) const
{
    QFile file(pathOf(id, ".covers"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    in.setVersion(kPicturesFormat);
    Pictures pictures;
    in >> pictures;
    return in.status() == QDataStream::Ok ? pictures : Pictures{};
}

void RecoveryStore::remove()
{
    if (!m_id.isEmpty())
        removeFiles(m_id);
}

bool RecoveryStore::exists() const
{
    return !m_id.isEmpty() && QFileInfo::exists(dataPath());
}

void RecoveryStore::removeFiles(const QString& id) const
{
    // The record goes first: a copy without its record is still offered, a record
    // without its copy is nothing.
    QFile::remove(pathOf(id, ".json"));
    QFile::remove(pathOf(id, ".DAT"));
    QFile::remove(pathOf(id, ".covers"));
    // What an interrupted safe replacement left behind ("ID.DAT.XXXXXX").
    const QDir dir(m_folder);
    for (const QString& f : dir.entryList({id + QStringLiteral(".DAT.*"), id + QStringLiteral(".json.*"),
                                           id + QStringLiteral(".covers.*")},
                                          QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(f));
}

QList<RecoveryCopy> RecoveryStore::list() const
{
    QList<RecoveryCopy> copies;
    const QDir dir(m_folder);
    QStringList ids;
    for (const QString& f : dir.entryList({QStringLiteral("*.DAT"), QStringLiteral("*.json")}, QDir::Files)) {
        const QString id = f.left(f.lastIndexOf(u'.'));
        if (!ids.contains(id))
            ids << id;
    }
    for (const QString& id : ids) {
        RecoveryCopy c;
        c.id = id;
        c.dataPath = pathOf(id, ".DAT");
        c.recordPath = pathOf(id, ".json");
        c.inUse = !claim(id);
        QFile recordFile(c.recordPath);
        if (recordFile.open(QIODevice::ReadOnly)) {
            c.record = RecoveryRecord::fromJson(recordFile.readAll());
            if (!c.record)
                c.problem = QCoreApplication::translate("RecoveryStore", "its record cannot be read");
        }
        if (!QFileInfo::exists(c.dataPath)) {
            c.problem = QCoreApplication::translate("RecoveryStore", "the copy is missing");
        } else if (c.problem.isEmpty()) {
            // Written before its record: a copy newer than the record has another size.
            const bool recordCurrent = c.record && QFileInfo(c.dataPath).lastModified() <= QFileInfo(c.recordPath).lastModified();
            c.problem = headerProblem(c.dataPath, recordCurrent ? c.record->copySize : -1);
        }
        copies << c;
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.time() < b.time(); });
    return copies;
}

std::unique_ptr<QLockFile> RecoveryStore::claim(const QString& id) const
{
    if (id == m_id && m_lock)
        return nullptr; // this run's own
    auto lock = std::make_unique<QLockFile>(pathOf(id, ".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // A folder that cannot hold a lock file: nobody holds the copy.
        if (lock->error() != QLockFile::LockFailedError)
            return std::make_unique<QLockFile>(QString());
        return nullptr;
    }
    return lock;
}

void RecoveryStore::discard(const QString& id) const
{
    removeFiles(id);
}

void RecoveryStore::adopt(const QString& id, std::unique_ptr<QLockFile> lock)
{
    if (!m_id.isEmpty() && m_id != id)
        remove();
    m_lock = std::move(lock);
    m_id = id;
}

} // namespace vinaxo
