#include "cli/CliCommand.h"
#include "cli/LookupCli.h"
#include "model/Workspace.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

namespace vinaxo::cli {
namespace {

int run(Context& ctx)
{
    QStringList args = ctx.args;
    const bool listOnly = takeFlag(args, QStringLiteral("--list"));
    CCDInfo info(ctx.workspace().config, ctx.messages, SiteListFiles());
    if (!PrepareLookup(ctx, args, info))
        return 2;
    bool fetched = false;
    if (!listOnly) {
        const QString file = info.siteListFiles().user;
        const QDateTime before = QFileInfo(file).lastModified();
        const bool existed = QFile::exists(file);
        info.GetSiteList();
        fetched = QFile::exists(file) && (!existed || QFileInfo(file).lastModified() != before);
        if (!fetched && info.access() && !info.access()->lastError().isEmpty())
            ctx.err << "vinaxo-cli: sites: " << info.access()->lastError() << Qt::endl;
    }
    QJsonArray sites;
    for (const QString& s : info.CDInfoSites())
        sites.append(s);
    PrintJson(ctx, QJsonObject{{QStringLiteral("fetched"), fetched},
                               {QStringLiteral("file"), info.siteListFiles().user},
                               {QStringLiteral("gotSiteList"), info.GotSiteList()},
                               {QStringLiteral("sites"), sites}});
    return listOnly || fetched ? 0 : 1;
}

const Registration reg{Command{
    QStringLiteral("sites"), QStringLiteral("fetches and prints the list of CD information servers"),
    QStringLiteral("vinaxo-cli sites [--server HOST] [--port N] [--path P] [--user ID] [--timeout S] [--http] [--list]\n"
                   "  Asks the server (the stored one unless given) for its list of servers, keeps it\n"
                   "  in the user's data folder (Vinaxo/CDInfosite.txt) and prints the list as JSON.\n"
                   "  --list prints the list in use without asking any server."),
    run}};
}
} // namespace vinaxo::cli
