// vinaxo-cli lookup --source musicbrainz: the disc's id, one request to the service (and
// one to the cover archive), the candidates or the chosen recording as JSON.
#include "cli/CliCommand.h"
#include "cli/LookupCli.h"
#include "lookup/MusicBrainzClient.h"
#include "lookup/MusicBrainzDiscId.h"
#include "lookup/SteadyClock.h"
#include "model/Workspace.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QSaveFile>

namespace vinaxo::cli {

namespace {
QJsonObject recordingJson(const LookupRecording& r)
{
    QJsonArray tracks;
    for (qsizetype i = 0; i < r.tracks.size(); ++i) {
        tracks.append(QJsonObject{{QStringLiteral("number"), int(i + 1)},
                                  {QStringLiteral("title"), r.tracks[i]},
                                  {QStringLiteral("extension"), QString()},
                                  {QStringLiteral("time"), r.times.value(i)}});
    }
    return QJsonObject{{QStringLiteral("status"), 2},
                       {QStringLiteral("category"), r.category},
                       {QStringLiteral("artist"), r.artist},
                       {QStringLiteral("title"), r.title},
                       {QStringLiteral("year"), r.year},
                       {QStringLiteral("description"), r.description},
                       {QStringLiteral("tracks"), tracks},
                       {QStringLiteral("musicbrainz_release"), r.releaseId}};
}

// Runs the event loop until the client reports; its own time-out bounds the wait.
void await(MusicBrainzClient& client, void (MusicBrainzClient::*finished)())
{
    if (!client.isBusy())
        return;
    QEventLoop loop;
    QObject::connect(&client, finished, &loop, &QEventLoop::quit);
    loop.exec();
}
}

int RunMusicBrainzLookup(Context& ctx, QStringList args)
{
    const QString server = takeOption(args, QStringLiteral("--server"));
    const QString coverServer = takeOption(args, QStringLiteral("--cover-server"));
    const QString choose = takeOption(args, QStringLiteral("--choose"));
    const QString cover = takeOption(args, QStringLiteral("--cover"));
    const QString timeout = takeOption(args, QStringLiteral("--timeout"));
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            ctx.err << "vinaxo-cli: unknown option for --source musicbrainz: " << a << Qt::endl;
            return 2;
        }
    }
    MusicBrainzSettings settings = MusicBrainzSettings::read(ctx.workspace().config);
    if (!server.isNull())
        settings.server = server;
    if (!coverServer.isNull())
        settings.coverServer = coverServer;
    if (!timeout.isNull()) {
        bool ok = false;
        const int t = timeout.toInt(&ok);
        if (!ok || t < 1 || t > 60) {
            ctx.err << "vinaxo-cli: --timeout takes 1 to 60 seconds" << Qt::endl;
            return 2;
        }
        settings.timeoutSeconds = t;
    }

    FixedDiscDevice device(DiscArgument(ctx, args));
    if (device.open(QString()) != CDOpenResult::Ok) {
        ctx.err << "vinaxo-cli: lookup: " << device.errorText() << Qt::endl;
        return 1;
    }
    const DiscToc toc = device.toc();
    device.close();
    const auto mbToc = MusicBrainzTocOf(toc);
    const QString discId = mbToc ? MusicBrainzDiscId(*mbToc) : QString();
    if (discId.isEmpty()) {
        ctx.err << "vinaxo-cli: lookup: no MusicBrainz disc id for this table of contents" << Qt::endl;
        return 1;
    }
    int audio = 0;
    for (const DiscTrack& t : toc.tracks)
        audio += t.audio ? 1 : 0;

    SystemSteadyClock clock;
    MusicBrainzClient client(clock);
    client.apply(settings);
    ctx.err << "status: Searching MusicBrainz for " << discId << Qt::endl;
    client.lookupDisc(discId, mbToc->tocParameter(), audio);
    await(client, &MusicBrainzClient::lookupFinished);
    const MbResult found = client.result();
    if (found.outcome == MbOutcome::NoMatch) {
        ctx.err << "status: " << found.message << Qt::endl;
        PrintJson(ctx, QJsonObject{{QStringLiteral("status"), 1}, {QStringLiteral("matches"), QJsonArray()}});
        return 1;
    }
    if (found.outcome != MbOutcome::Found) {
        ctx.err << "vinaxo-cli: lookup: " << found.message << Qt::endl;
        return 1;
    }
    ctx.err << "status: " << found.message << Qt::endl;

    const auto& candidates = found.candidates;
    int chosen = candidates.size() == 1 ? 1 : 0;
    if (!choose.isNull()) {
        bool ok = false;
        chosen = choose.toInt(&ok);
        if (!ok || chosen < 1 || chosen > int(candidates.size())) {
            ctx.err << "vinaxo-cli: lookup: --choose takes 1 to " << candidates.size() << Qt::endl;
            return 2;
        }
    }
    if (chosen == 0) {
        QJsonArray matches;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const MbCandidate& c = candidates[i];
            const LookupRecording r = MapCandidate(c, &toc);
            matches.append(QJsonObject{{QStringLiteral("number"), int(i + 1)},
                                       {QStringLiteral("artist"), r.artist},
                                       {QStringLiteral("title"), r.title},
                                       {QStringLiteral("description"), CandidateSummary(c)},
                                       {QStringLiteral("musicbrainz_release"), c.releaseId}});
        }
        PrintJson(ctx, QJsonObject{{QStringLiteral("status"), 3},
                                   {QStringLiteral("musicbrainz_id"), discId},
                                   {QStringLiteral("fuzzy"), found.fuzzy},
                                   {QStringLiteral("matches"), matches}});
        if (!cover.isNull())
            ctx.err << "vinaxo-cli: lookup: several matches: choose one (--choose N) to save its cover" << Qt::endl;
        return 0;
    }
    const LookupRecording rec = MapCandidate(candidates[std::size_t(chosen - 1)], &toc);
    PrintJson(ctx, recordingJson(rec));
    if (cover.isNull())
        return 0;

    client.fetchCover(rec.releaseId);
    await(client, &MusicBrainzClient::coverFinished);
    const MbResult& image = client.result();
    if (image.outcome == MbOutcome::NoMatch) {
        // No cover is no failure: said quietly, on the status line.
        ctx.err << "status: " << image.message << Qt::endl;
        return 0;
    }
    if (image.outcome != MbOutcome::Found) {
        ctx.err << "vinaxo-cli: lookup: cover: " << image.message << Qt::endl;
        return 1;
    }
    QSaveFile f(cover);
    if (!f.open(QIODevice::WriteOnly) || f.write(image.image) != image.image.size() || !f.commit()) {
        ctx.err << "vinaxo-cli: lookup: cannot write " << cover << ": " << f.errorString() << Qt::endl;
        return 1;
    }
    ctx.err << "status: Cover image saved in " << cover << Qt::endl;
    return 0;
}

} // namespace vinaxo::cli
