#include "lookup/CoverStore.h"

#include "model/PendingCovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vinaxo {

namespace {
const QStringList kSuffixes{QStringLiteral("jpg"), QStringLiteral("png")};
constexpr qint64 kMaxImageBytes = 32 * 1024 * 1024;
} // namespace

CoverStore::CoverStore(const QString& collectionFile) : m_folder(FolderFor(collectionFile)) {}

QString CoverStore::FolderFor(const QString& collectionFile)
{
    if (collectionFile.trimmed().isEmpty())
        return {};
    const QFileInfo info(collectionFile);
    return info.absoluteDir().filePath(info.fileName() + QStringLiteral(".covers"));
}

bool CoverStore::safeKey(const QString& key)
{
    // Keys are the collection's own, but they become file names: nothing that leaves the folder.
    return !key.isEmpty() && !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'))
        && key != QLatin1String(".") && key != QLatin1String("..");
}

QString CoverStore::ImageSuffix(const QByteArray& head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("jpg");
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("png");
    return {};
}

QString CoverStore::find(const QString& key) const
{
    if (!isValid() || !safeKey(key))
        return {};
    const QDir dir(m_folder);
    for (const QString& s : kSuffixes) {
        const QString path = dir.filePath(key + QLatin1Char('.') + s);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool CoverStore::store(const QString& key, const QByteArray& image)
{
    const QString suffix = ImageSuffix(image.left(8));
    if (!isValid() || !safeKey(key) || suffix.isEmpty() || image.size() > kMaxImageBytes)
        return false;
    if (!QDir().mkpath(m_folder))
        return false;
    const QString path = QDir(m_folder).filePath(key + QLatin1Char('.') + suffix);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit())
        return false;
    // The other kind, if any, would otherwise be found first next time.
    for (const QString& s : kSuffixes) {
        if (s != suffix)
            QFile::remove(QDir(m_folder).filePath(key + QLatin1Char('.') + s));
    }
    return true;
}

bool CoverStore::storeFile(const QString& key, const QString& path)
{
    return store(key, ReadImageFile(path));
}

QByteArray CoverStore::ReadImageFile(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxImageBytes)
        return {};
    QByteArray bytes = in.read(kMaxImageBytes + 1);
    if (bytes.size() > kMaxImageBytes || ImageSuffix(bytes.left(8)).isEmpty())
        return {};
    return bytes;
}

bool CoverStore::remove(const QString& key)
{
    if (!isValid() || !safeKey(key))
        return true;
    bool gone = true;
    for (const QString& s : kSuffixes) {
        const QString path = QDir(m_folder).filePath(key + QLatin1Char('.') + s);
        if (QFileInfo::exists(path))
            gone = QFile::remove(path) && gone;
    }
    return gone;
}

int CoverStore::copyTo(const QString& otherCollectionFile) const
{
    const CoverStore other(otherCollectionFile);
    if (!isValid() || !other.isValid() || QFileInfo(m_folder).absoluteFilePath() == QFileInfo(other.m_folder).absoluteFilePath())
        return 0;
    const QDir dir(m_folder);
    const QStringList files = dir.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files);
    if (files.isEmpty() || !QDir().mkpath(other.m_folder))
        return 0;
    int copied = 0;
    for (const QString& name : files) {
        const QString target = QDir(other.m_folder).filePath(name);
        QFile::remove(target);
        if (QFile::copy(dir.filePath(name), target))
            ++copied;
    }
    return copied;
}

void RemoveCoverOf(const QString& collectionFile, const QString& key)
{
    CoverStore(collectionFile).remove(key);
}

void CopyCovers(const QString& fromFile, const QString& toFile)
{
    CoverStore(fromFile).copyTo(toFile);
}

int SaveCovers(const QString& fromFile, const QString& toFile, const std::function<bool(const QString&)>& exists,
               PendingCovers* pending)
{
    if (!fromFile.isEmpty() && fromFile != toFile)
        CopyCovers(fromFile, toFile);
    CoverStore store(toFile);
    const int left = pending ? int(pending->changes().size()) : 0;
    if (!store.isValid() || !exists)
        return left;
    const QDir dir(store.folder());
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files)) {
        if (!exists(f.completeBaseName()))
            QFile::remove(f.filePath());
    }
    if (!pending)
        return 0;
    const QHash<QString, QByteArray> changes = pending->changes();
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        const bool placed = !exists(it.key()) || (it->isEmpty() ? store.remove(it.key()) : store.store(it.key(), *it));
        if (placed)
            pending->drop(it.key());
    }
    return int(pending->changes().size());
}

} // namespace vinaxo
