#include "cli/CliCollection.h"
#include "model/Workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace vinaxo::cli {

Workspace& collectionWorkspace(Context& ctx)
{
    if (!ctx.ws) {
        static QTemporaryDir settingsCopy;
        const QString copy = settingsCopy.filePath(QStringLiteral("settings.ini"));
        QFile::remove(copy);
        if (QFileInfo::exists(CDConfig::defaultPath()))
            QFile::copy(CDConfig::defaultPath(), copy);
        ctx.ws = std::make_unique<Workspace>(ctx.messages, ctx.formats, copy);
    }
    return *ctx.ws;
}

LoadReport loadCollection(Context& ctx, const QString& path)
{
    return LoadCollectionFile(collectionWorkspace(ctx), path);
}

bool lockForWriting(Context& ctx, const QString& path, CollectionLock& lock)
{
    if (lock.lock(path) != CollectionLock::Result::HeldByOther)
        return true;
    ctx.err << "vinaxo-cli: " << path << " is open in Vinaxo (" << CollectionLock::describe(lock.holder())
            << "); close it there first." << Qt::endl;
    return false;
}

bool saveCollection(Context& ctx, const QString& path)
{
    return SaveCollectionFile(collectionWorkspace(ctx), path);
}

bool confirmReplace(Context& ctx, const QString& path)
{
    return ConfirmReplace(ctx.messages, path);
}

bool saveCollectionAs(Context& ctx, const QString& path)
{
    return confirmReplace(ctx, path) && saveCollection(ctx, path);
}

} // namespace vinaxo::cli
