#include "cli/CliCommand.h"
#include "cli/LookupCli.h"
#include "lookup/MusicBrainzDiscId.h"
#include "model/TimeText.h"

#include <QJsonArray>

namespace vinaxo::cli {
namespace {

int run(Context& ctx)
{
    QStringList args = ctx.args;
    const QString disc = DiscArgument(ctx, args);
    CdioAudioDevice device;
    if (device.open(disc) != CDOpenResult::Ok) {
        ctx.err << "vinaxo-cli: discid: " << device.errorText() << Qt::endl;
        return 1;
    }
    const DiscToc& toc = device.toc();
    const auto mbToc = MusicBrainzTocOf(toc);
    QJsonArray tracks;
    for (std::size_t i = 0; i < toc.tracks.size(); ++i) {
        const DiscTrack& t = toc.tracks[i];
        const qint32 frames = toc.lengthFrames(i);
        tracks.append(QJsonObject{{QStringLiteral("number"), t.number},
                                  {QStringLiteral("audio"), t.audio},
                                  {QStringLiteral("start"), t.start},
                                  {QStringLiteral("frames"), frames},
                                  {QStringLiteral("length"), PackedTimeToText(PackFrames(frames))}});
    }
    PrintJson(ctx, QJsonObject{{QStringLiteral("disc"), disc},
                               {QStringLiteral("audioTracks"), device.trackCount()},
                               {QStringLiteral("tracks"), tracks},
                               {QStringLiteral("leadOut"), toc.leadOut},
                               {QStringLiteral("totalSeconds"), toc.totalSeconds()},
                               {QStringLiteral("discid"), toc.discIdText()},
                               {QStringLiteral("musicbrainz_id"), MusicBrainzDiscId(toc)},
                               {QStringLiteral("musicbrainz_toc"), mbToc ? mbToc->tocParameter() : QString()},
                               {QStringLiteral("query"), QStringLiteral("cddb query ") + toc.queryArguments()}});
    device.close();
    return 0;
}

const Registration reg{Command{
    QStringLiteral("discid"), QStringLiteral("prints the tracks and the disc id of a CD or disc image"),
    QStringLiteral("vinaxo-cli discid [DRIVE-OR-IMAGE]\n"
                   "  Reads the table of contents of the disc in a drive (\"D:\" or empty: the default\n"
                   "  drive; without an argument the stored drive setting) or of a disc image\n"
                   "  (.cue, .toc, .nrg) and prints its tracks, lengths, disc id and query line as JSON,\n"
                   "  with its MusicBrainz disc id and toc (musicbrainz_id, musicbrainz_toc)."),
    run}};
}
} // namespace vinaxo::cli
