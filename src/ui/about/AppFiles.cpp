#include "ui/about/AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vinaxo::AppFiles {

QStringList searchFolders(const QString& appDir)
{
    QStringList folders;
    auto add = [&folders](const QString& dir) {
        const QString clean = QDir::cleanPath(dir);
        if (!dir.isEmpty() && !folders.contains(clean))
            folders << clean;
    };
    add(appDir);
    if (!appDir.isEmpty())
        add(QDir(appDir).filePath(QStringLiteral(VINAXO_BIN_TO_DATADIR)));
    add(QStringLiteral(VINAXO_INSTALL_DATADIR));
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : data)
        add(QDir(dir).filePath(QStringLiteral("vinaxo")));
    return folders;
}

QString findFile(const QString& relative, const QStringList& folders)
{
    for (const QString& dir : folders) {
        const QFileInfo info(QDir(dir).filePath(relative));
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

static QString find(const char* relative, const QString& appDir)
{
    const QString dir = appDir.isEmpty() ? QCoreApplication::applicationDirPath() : appDir;
    return findFile(QLatin1String(relative), searchFolders(dir));
}

QString helpDocumentPath(const QString& appDir) { return find(HelpDocument, appDir); }
QString exampleCollectionPath(const QString& appDir) { return find(ExampleCollection, appDir); }
QString siteListPath(const QString& appDir) { return find(SiteList, appDir); }

} // namespace vinaxo::AppFiles
