#include "ui/main/RecentFiles.h"
#include "storage/CDConfig.h"

#include <QFileInfo>

namespace vinaxo {

namespace {
const QString Section = QStringLiteral("RecentFiles");
const QString Key = QStringLiteral("Files");
QString normal(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}

QStringList RecentFiles::list() const
{
    return m_config.extraValue(Section, Key).toStringList();
}

void RecentFiles::store(const QStringList& files)
{
    m_config.setExtraValue(Section, Key, files);
}

void RecentFiles::add(const QString& path)
{
    QStringList files = list();
    const QString p = normal(path);
    files.removeAll(p);
    files.prepend(p);
    while (files.size() > Limit)
        files.removeLast();
    store(files);
}

void RecentFiles::remove(const QString& path)
{
    QStringList files = list();
    if (files.removeAll(normal(path)) > 0)
        store(files);
}

} // namespace vinaxo
