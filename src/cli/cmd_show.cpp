// vinaxo-cli show FILE: the loaded collection as JSON.
#include "cli/CliCollection.h"
#include "cli/JsonWriter.h"
#include "model/Workspace.h"

#include <cmath>

namespace vinaxo::cli {
namespace {

void nameList(JsonWriter& j, QStringView key, const NameList& list)
{
    j.key(key).beginArray();
    for (const auto& item : list)
        j.value(item.value);
    j.endArray();
}

void writeRecording(JsonWriter& j, const CEntry& e)
{
    j.beginObject()
        .field(u"CDKey", e.CDKey)
        .field(u"CDTitle", e.CDTitle)
        .field(u"CDArtist", e.CDArtist)
        .field(u"CDDesc", e.CDDesc)
        .field(u"CDCategory", e.CDCategory)
        .field(u"CDLabel", e.CDLabel)
        .field(u"CDCatnbr", e.CDCatnbr)
        .field(u"CDNbrDisks", int(e.CDNbrDisks))
        .field(u"CDMedium", e.CDMedium)
        .field(u"CDRelYear", int(e.CDRelYear))
        .field(u"CDRateSound", int(e.CDRateSound))
        .field(u"CDRatePerform", int(e.CDRatePerform))
        .field(u"CDComposer", e.CDComposer)
        .field(u"CDConductor", e.CDConductor);
    j.key(u"CDPurchDate");
    if (e.CDPurchDate)
        j.value(e.CDPurchDate->date().toString(Qt::ISODate));
    else
        j.null();
    j.field(u"CDPurchCost", e.CDPurchCost.toPlainText())
        .field(u"CDLocation", e.CDLocation)
        .field(u"CDCollNbr", e.CDCollNbr)
        .field(u"CDMiscKey1", e.CDMiscKey1)
        .field(u"CDMiscKey2", e.CDMiscKey2)
        .field(u"CDMiscKey3", e.CDMiscKey3)
        .field(u"CDNbrTracks", int(e.CDNbrTracks))
        .field(u"CDTotalTime", e.CDTotalTime)
        .field(u"CDAwards", e.CDAwards)
        .field(u"CDComments", e.CDComments)
        .field(u"CDSongsLength", int(e.CDSongsLength))
        .field(u"CDSongsTimeLength", int(e.CDSongsTimeLength))
        .field(u"CDSongsDescLength", int(e.CDSongsDescLength));
    j.key(u"tracks").beginArray();
    e.TrackEntries().forEachTrack([&j](const CTrackEntry& t) {
        j.beginObject()
            .field(u"Key", t.Key)
            .field(u"CDTrackTitle", t.CDTrackTitle)
            .field(u"CDTrackTime", t.CDTrackTime)
            .field(u"CDTrackDesc", t.CDTrackDesc)
            .field(u"CDTrackArtists", t.CDTrackArtists)
            .endObject();
    });
    j.endArray().endObject();
}

void writeCollection(JsonWriter& j, const Workspace& ws, const LoadReport& report,
                     const std::vector<Message>& messages)
{
    const CEntries& c = ws.entries;
    j.beginObject().key(u"release");
    if (!report.release)
        j.null();
    else if (std::isfinite(*report.release) && *report.release == std::trunc(*report.release)
             && std::abs(*report.release) < 1e15)
        j.value(qint64(*report.release));
    else if (std::isfinite(*report.release))
        j.value(*report.release);
    else
        j.null();
    nameList(j, u"categories", c.CategoryEntries());
    nameList(j, u"mediums", c.MediumEntries());
    nameList(j, u"artists", c.ArtistEntries());
    nameList(j, u"labels", c.LabelEntries());
    j.key(u"views").beginArray();
    for (const auto& item : c.ViewEntries()) {
        const CView& v = *item.value;
        j.beginObject().field(u"name", v.ViewName).field(u"heading", v.ReportHeading);
        j.key(u"columns").beginArray();
        for (const auto& col : v.ColumnEntries()) {
            j.beginObject()
                .field(u"key", col.value->KeyNumber())
                .field(u"width", int(col.value->ColumnWidth))
                .endObject();
        }
        j.endArray().endObject();
    }
    j.endArray();
    j.key(u"currentView");
    if (c.CurrView())
        j.value(c.CurrView()->ViewName);
    else
        j.null();
    j.key(u"recordings").beginArray();
    for (const auto& item : c.Entries())
        writeRecording(j, *item.value);
    j.endArray();
    j.key(u"messages").beginArray();
    for (const Message& m : messages)
        j.beginObject().field(u"title", m.title).field(u"text", m.text).endObject();
    j.endArray();
    j.endObject();
}

int run(Context& ctx)
{
    if (ctx.args.size() != 1) {
        ctx.err << "Usage: vinaxo-cli show FILE [--yes|--no]\n";
        return 2;
    }
    const LoadReport report = loadCollection(ctx, ctx.args[0]);
    JsonWriter json(ctx.out);
    writeCollection(json, collectionWorkspace(ctx), report, ctx.messages.shown());
    return loadStatus(report);
}

const Registration reg{Command{
    QStringLiteral("show"), QStringLiteral("prints a collection file as JSON"),
    QStringLiteral(
        "vinaxo-cli show FILE [--yes|--no]\n"
        "  Loads the collection file FILE as the application opens it and prints it as JSON:\n"
        "  release, categories, mediums, artists, labels, views, currentView, recordings with\n"
        "  their tracks, and the messages the application would show. A file of the previous\n"
        "  release is converted only with --yes. Exit status 1 when the file did not load."),
    run}};

} // namespace
} // namespace vinaxo::cli
