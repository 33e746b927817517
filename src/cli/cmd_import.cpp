// vinaxo-cli import: adds the records of a delimited text file to a collection file.
#include "cli/CliCollection.h"
#include "cli/CliExchange.h"
#include "model/Utility.h"
#include "model/Workspace.h"

#include <QFileInfo>

namespace vinaxo::cli {
namespace {

int run(Context& ctx)
{
    QStringList args = ctx.args;
    const QString output = takeOption(args, QStringLiteral("--output"));
    exchange::ExchangeRequest request;
    int status = 0;
    if (args.size() < 3) {
        ctx.err << "Usage: vinaxo-cli import COLLECTION DEFINITION.IDF INPUT.TXT [--output OUT.DAT] "
                   "[--field-delimiter C] [--string-delimiter C] [--track-delimiter C] [--yes|--no]\n";
        return 2;
    }
    const QString collection = args[0];
    // The file written may not be open in a running Vinaxo, whose next Save would undo
    // the import.
    const QString target = output.isNull() ? collection : output;
    CollectionLock targetLock;
    if (!lockForWriting(ctx, target, targetLock))
        return LockedStatus;
    if (!prepareRequest(ctx, args, args[1], args[2], request, status))
        return status;
    if (args.size() != 3) {
        ctx.err << "vinaxo-cli: unexpected argument '" << args.value(3) << "'" << Qt::endl;
        return 2;
    }

    Workspace& ws = collectionWorkspace(ctx);
    if (QFileInfo::exists(collection)) {
        if (!loadCollection(ctx, collection).loaded())
            return 1;
    } else {
        // A new collection, as the application starts one.
        LoadDefaultCategories(ws.entries);
        LoadDefaultMediums(ws.entries);
        EnsureStandardView(ws.entries);
    }

    StderrLog log(ctx.err);
    if (!exchange::StartImport(request, ws, exchange::ExchangeHooks{&log}))
        return 1;
    return saveCollection(ctx, output.isNull() ? collection : output) ? 0 : 1;
}

const Registration reg{Command{
    QStringLiteral("import"), QStringLiteral("adds the records of a delimited text file to a collection"),
    QStringLiteral(
        "vinaxo-cli import COLLECTION DEFINITION.IDF INPUT.TXT [--output OUT.DAT]\n"
        "           [--field-delimiter C] [--string-delimiter C] [--track-delimiter C] [--yes|--no]\n"
        "  Loads COLLECTION (or starts a new one with the default categories and mediums when it\n"
        "  does not exist), adds one recording per record of INPUT.TXT, whose fields follow the\n"
        "  definition file, and saves to OUT.DAT or back to COLLECTION (the old file is replaced\n"
        "  only once the new one is complete). The run's log goes to stderr line by line.\n"
        "  Delimiters default to , \" and ;. Adding to a collection that holds recordings needs\n"
        "  --yes. INPUT.TXT may be UTF-8 or Windows-1252. Exit status 1 when nothing was imported,\n"
        "  3 when a running Vinaxo has the collection open."),
    run}};

} // namespace
} // namespace vinaxo::cli
