// vinaxo-cli recovery list | show N: the recovery copies of unsaved changes, as JSON.
#include "cli/CliCollection.h"
#include "cli/JsonWriter.h"
#include "model/Workspace.h"
#include "storage/CFileIO.h"
#include "storage/RecoveryStore.h"

#include <QDir>

namespace vinaxo::cli {
namespace {

void writeCopy(JsonWriter& json, int number, const RecoveryCopy& c)
{
    json.beginObject();
    json.field(u"number", number);
    json.field(u"id", c.id);
    json.field(u"copy", c.dataPath);
    json.field(u"record", c.recordPath);
    json.key(u"inUse").boolean(c.inUse);
    json.key(u"readable").boolean(c.readable());
    if (!c.readable())
        json.field(u"problem", c.problem);
    if (c.record) {
        const RecoveryRecord& r = *c.record;
        json.field(u"original", r.original);
        json.key(u"originalAtLoad").beginObject();
        json.key(u"exists").boolean(r.originalStamp.exists);
        json.field(u"size", r.originalStamp.size);
        json.field(u"modified", QDateTime::fromMSecsSinceEpoch(r.originalStamp.modifiedNs / 1000000, Qt::UTC)
                                    .toString(Qt::ISODateWithMs));
        json.endObject();
        json.field(u"copied", r.copied.toUTC().toString(Qt::ISODateWithMs));
        json.field(u"copySize", r.copySize);
        json.field(u"pid", r.pid);
        json.field(u"host", r.host);
    }
}

int run(Context& ctx)
{
    const QStringList& args = ctx.args;
    const bool list = args.size() == 1 && args[0] == u"list";
    const bool show = args.size() == 2 && args[0] == u"show";
    if (!list && !show) {
        ctx.err << "Usage: vinaxo-cli recovery list | show N\n";
        return 2;
    }
    const RecoveryStore store;
    const QList<RecoveryCopy> copies = store.list();
    JsonWriter json(ctx.out);
    if (list) {
        json.beginArray();
        for (int i = 0; i < copies.size(); ++i) {
            writeCopy(json, i + 1, copies[i]);
            json.endObject();
        }
        json.endArray();
        ctx.out << Qt::endl;
        return 0;
    }
    bool ok = false;
    const int n = args[1].toInt(&ok);
    if (!ok || n < 1 || n > copies.size()) {
        ctx.err << "vinaxo-cli: there is no recovery copy " << args[1] << " (" << copies.size()
                << " in " << QDir::toNativeSeparators(store.folder()) << ")" << Qt::endl;
        return 1;
    }
    const RecoveryCopy& c = copies[n - 1];
    writeCopy(json, n, c);
    if (c.readable()) {
        // What the copy holds, read as the application would recover it.
        ctx.messages.setEcho(false);
        Workspace& ws = collectionWorkspace(ctx);
        CFileIO io(ws);
        io.FileName = c.dataPath;
        const bool loaded = io.OpenCDFile() == CFileIO::Loaded && !io.Damaged();
        json.key(u"loads").boolean(loaded);
        if (loaded)
            json.field(u"recordings", ws.entries.Count());
    }
    json.endObject();
    ctx.out << Qt::endl;
    return 0;
}

const Registration reg{Command{
    QStringLiteral("recovery"), QStringLiteral("lists the recovery copies of unsaved changes"),
    QStringLiteral(
        "vinaxo-cli recovery list | show N\n"
        "  list: every recovery copy in the user's data folder (Vinaxo/recovery) with its\n"
        "  companion record, as a JSON array: the original file, how it was when loaded,\n"
        "  when the copy was made, whether its program still runs (inUse) and whether it\n"
        "  can be read. show N: copy N of the list, with the number of recordings it holds."),
    run}};

} // namespace
} // namespace vinaxo::cli
