#include "cli/LookupCli.h"

#include "cli/CliCommand.h"
#include "model/Workspace.h"
#include "ui/about/AppFiles.h"

#include <QJsonDocument>

namespace vinaxo::cli {

bool ApplyServerOptions(Context& ctx, QStringList& args, CCDInfo& info)
{
    const QString server = takeOption(args, QStringLiteral("--server"));
    const QString port = takeOption(args, QStringLiteral("--port"));
    const QString path = takeOption(args, QStringLiteral("--path"));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString timeout = takeOption(args, QStringLiteral("--timeout"));
    const bool http = takeFlag(args, QStringLiteral("--http"));
    if (!server.isNull()) {
        info.setSiteAddress(server);
        info.setSitePort(QStringLiteral("8880"));
        info.setSiteAdditionalAddress(QString());
    }
    if (!port.isNull())
        info.setSitePort(port);
    if (!path.isNull())
        info.setSiteAdditionalAddress(path);
    if (!user.isNull())
        info.setUserID(user);
    if (!timeout.isNull()) {
        bool ok = false;
        const int t = timeout.toInt(&ok);
        if (!ok || t < 1 || t > 60) {
            ctx.err << "vinaxo-cli: --timeout takes 1 to 60 seconds" << Qt::endl;
            return false;
        }
        info.setTimeout(qint16(t));
    }
    if (http) {
        // HTTP on a port other than 80 (a local server, a proxy).
        bool ok = false;
        const int p = info.SitePort().trimmed().toInt(&ok);
        if (ok && p > 0 && p <= 65535)
            info.setHttpPort(quint16(p));
    }
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            ctx.err << "vinaxo-cli: unknown option " << a << Qt::endl;
            return false;
        }
    }
    return true;
}

CCDInfo::SiteListFiles SiteListFiles()
{
    CCDInfo::SiteListFiles files = CCDInfo::defaultSiteListFiles();
    if (const QString shipped = AppFiles::siteListPath(); !shipped.isEmpty())
        files.shipped = shipped;
    return files;
}

bool PrepareLookup(Context& ctx, QStringList& args, CCDInfo& info)
{
    QObject::connect(&info, &CCDInfo::OnStatusChange, &info, [&ctx](const QString& text) {
        if (!text.isEmpty())
            ctx.err << "status: " << text << Qt::endl;
    });
    info.Initialize();
    return ApplyServerOptions(ctx, args, info);
}

QString DiscArgument(Context& ctx, const QStringList& args)
{
    for (const QString& a : args) {
        if (!a.startsWith(QLatin1String("--")))
            return a;
    }
    return ctx.workspace().config.CDDriveLetter();
}

void PrintJson(Context& ctx, const QJsonObject& o)
{
    ctx.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    ctx.out.flush();
}

} // namespace vinaxo::cli
