#include "cli/CliCommand.h"
#include "cli/LookupCli.h"
#include "model/Workspace.h"

#include <QJsonArray>

namespace vinaxo::cli {
namespace {

QJsonObject entryJson(const CCDInfo& info, ICDAudioDevice& device)
{
    QJsonArray tracks;
    const QStringList& titles = info.TrackList();
    const QStringList& ext = info.TrackExtension();
    for (int n = 1; n <= titles.size(); ++n) {
        tracks.append(QJsonObject{{QStringLiteral("number"), n},
                                  {QStringLiteral("title"), titles[n - 1]},
                                  {QStringLiteral("extension"), ext.value(n - 1)},
                                  {QStringLiteral("time"), ReadTrackTime(device, QString(), n)}});
    }
    return QJsonObject{{QStringLiteral("status"), int(info.LookupStatus())},
                       {QStringLiteral("category"), info.Category()},
                       {QStringLiteral("artist"), info.Artist()},
                       {QStringLiteral("title"), info.Title()},
                       {QStringLiteral("year"), info.Year()},
                       {QStringLiteral("description"), info.Description()},
                       {QStringLiteral("tracks"), tracks}};
}

int run(Context& ctx)
{
    QStringList args = ctx.args;
    const QString source = takeOption(args, QStringLiteral("--source"));
    if (!source.isNull() && source != QLatin1String("cddb")) {
        if (source == QLatin1String("musicbrainz"))
            return RunMusicBrainzLookup(ctx, args);
        ctx.err << "vinaxo-cli: lookup: --source takes cddb or musicbrainz" << Qt::endl;
        return 2;
    }
    const QString choose = takeOption(args, QStringLiteral("--choose"));
    CCDInfo info(ctx.workspace().config, ctx.messages, SiteListFiles());
    if (!PrepareLookup(ctx, args, info))
        return 2;
    FixedDiscDevice device(DiscArgument(ctx, args));
    info.setMCIControl(&device);

    info.SearchForCD();
    const auto why = [&] {
        if (info.access() && !info.access()->lastError().isEmpty())
            ctx.err << "vinaxo-cli: lookup: " << info.access()->lastError() << Qt::endl;
    };
    switch (info.LookupStatus()) {
    case 2:
        PrintJson(ctx, entryJson(info, device));
        return 0;
    case 3: {
        QJsonArray matches;
        // Every match, one disc id in several categories included.
        const auto& ids = info.QueryDiscID();
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QString key = ids.keyAt(i);
            matches.append(QJsonObject{{QStringLiteral("number"), int(i + 1)},
                                       {QStringLiteral("discid"), ids.at(i)},
                                       {QStringLiteral("category"), *info.QueryCategory().find(key)},
                                       {QStringLiteral("title"), *info.QueryName().find(key)}});
        }
        if (choose.isNull()) {
            PrintJson(ctx, QJsonObject{{QStringLiteral("status"), 3}, {QStringLiteral("matches"), matches}});
            return 0;
        }
        bool ok = false;
        const int n = choose.toInt(&ok);
        if (!ok || n < 1 || n > matches.size()) {
            ctx.err << "vinaxo-cli: lookup: --choose takes 1 to " << matches.size() << Qt::endl;
            return 2;
        }
        const QJsonObject m = matches[n - 1].toObject();
        info.ReadCD(m.value(QStringLiteral("category")).toString(), m.value(QStringLiteral("discid")).toString());
        if (info.LookupStatus() == 2) {
            PrintJson(ctx, entryJson(info, device));
            return 0;
        }
        why();
        ctx.err << "vinaxo-cli: lookup: the chosen entry could not be read" << Qt::endl;
        return 1;
    }
    case 1:
        why();
        PrintJson(ctx, QJsonObject{{QStringLiteral("status"), 1}, {QStringLiteral("matches"), QJsonArray()}});
        return 1;
    default:
        why();
        return 1;
    }
}

const Registration reg{Command{
    QStringLiteral("lookup"), QStringLiteral("looks a CD up in the CD information service"),
    QStringLiteral(
        "vinaxo-cli lookup [DRIVE-OR-IMAGE] [--server HOST] [--port N] [--path P] [--user ID]\n"
        "                  [--timeout S] [--choose N] [--http]\n"
        "  Looks up the disc in the drive or disc image (default: the stored drive) and prints\n"
        "  the entry found, or the list of matches, as JSON; status texts go to stderr.\n"
        "  Without flags the stored lookup settings are used; flags override them for this run\n"
        "  only. Port 80 speaks HTTP (path default /~cddb/cddb.cgi), any other port cddbp;\n"
        "  --http speaks HTTP on the given port. --choose N reads the N-th of several matches.\n"
        "vinaxo-cli lookup [DRIVE-OR-IMAGE] --source musicbrainz [--server URL] [--cover-server URL]\n"
        "                  [--timeout S] [--choose N] [--cover OUT.jpg]\n"
        "  Looks the disc up by its MusicBrainz disc id (falling back on its table of contents)\n"
        "  and prints the matches, or the one found or chosen, as JSON with the same keys and\n"
        "  musicbrainz_release. Servers default to the stored ones (https://musicbrainz.org,\n"
        "  https://coverartarchive.org). --cover saves the release's front image; a release\n"
        "  without one is reported on stderr only."),
    run}};
}
} // namespace vinaxo::cli
