// vinaxo-cli export: writes a collection's recordings to a delimited text file.
#include "cli/CliCollection.h"
#include "cli/CliExchange.h"
#include "exchange/FileChoice.h"
#include "model/ListOrder.h"
#include "model/CEntry.h"
#include "model/Workspace.h"

namespace vinaxo::cli {
namespace {

// The search fields by the names the command takes.
bool setSearchField(CEntrySelection& s, const QString& name)
{
    const std::pair<const char*, bool CEntrySelection::*> fields[] = {
        {"title", &CEntrySelection::SearchTitle},         {"artist", &CEntrySelection::SearchArtist},
        {"description", &CEntrySelection::SearchDescription}, {"comments", &CEntrySelection::SearchComments},
        {"composer", &CEntrySelection::SearchComposer},   {"conductor", &CEntrySelection::SearchConductor},
        {"misc1", &CEntrySelection::SearchKey1},          {"misc2", &CEntrySelection::SearchKey2},
        {"misc3", &CEntrySelection::SearchKey3},          {"awards", &CEntrySelection::SearchAwards},
        {"tracktitle", &CEntrySelection::SearchTrackTitle}, {"trackdesc", &CEntrySelection::SearchTrackDesc},
        {"label", &CEntrySelection::SearchLabel},         {"catalog", &CEntrySelection::SearchCatalogNbr},
        {"year", &CEntrySelection::SearchYear},
    };
    for (const auto& [key, member] : fields) {
        if (name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0) {
            s.*member = true;
            return true;
        }
    }
    return false;
}

// "--sort KEY[:desc]": a field number that has a list column.
bool parseSort(const QString& text, ListSort& order)
{
    QString key = text;
    if (key.endsWith(QLatin1String(":desc"), Qt::CaseInsensitive)) {
        order.descending = true;
        key.chop(5);
    } else if (key.endsWith(QLatin1String(":asc"), Qt::CaseInsensitive)) {
        key.chop(4);
    }
    bool ok = false;
    order.columnKey = key.toInt(&ok);
    return ok && CEntry::HasColumnData(order.columnKey);
}

int usage(Context& ctx, const QString& what)
{
    ctx.err << "vinaxo-cli: " << what << "\nUsage: vinaxo-cli export COLLECTION DEFINITION.IDF OUTPUT.TXT "
               "[--sort KEY[:desc]] [--filter-text T [--filter-fields title,artist,...]] "
               "[--field-delimiter C] [--string-delimiter C] [--track-delimiter C] [--yes|--no]"
            << Qt::endl;
    return 2;
}

int run(Context& ctx)
{
    QStringList args = ctx.args;
    ListSort order;
    bool filtered = false;
    const QString sort = takeOption(args, QStringLiteral("--sort"));
    if (!sort.isNull() && !parseSort(sort, order))
        return usage(ctx, QStringLiteral("--sort takes a field number with a list column (101 to 128), "
                                         "optionally followed by :desc"));
    const QString filterText = takeOption(args, QStringLiteral("--filter-text"));
    const QString filterFields = takeOption(args, QStringLiteral("--filter-fields"));
    if (args.size() < 3)
        return usage(ctx, QStringLiteral("three files are needed"));
    exchange::ExchangeRequest request;
    int status = 0;
    if (!prepareRequest(ctx, args, args[1], args[2], request, status))
        return status;
    if (args.size() != 3)
        return usage(ctx, QStringLiteral("unexpected argument '%1'").arg(args.value(3)));

    Workspace& ws = collectionWorkspace(ctx);
    if (!filterText.isNull()) {
        CEntrySelection& s = ws.selection;
        s.SearchTypeText = true;
        s.SearchString = filterText;
        s.SearchCase = 1;
        const QString names = filterFields.isNull() ? QStringLiteral("title,artist") : filterFields;
        for (const QString& name : names.split(u',', Qt::SkipEmptyParts)) {
            if (!setSearchField(s, name.trimmed()))
                return usage(ctx, QStringLiteral("unknown filter field '%1'").arg(name));
        }
        filtered = true;
    }
    if (!loadCollection(ctx, args[0]).loaded())
        return 1;
    if (filtered)
        ws.selection.ApplyFilter();

    // The window's question when the chosen file exists; No ends the command.
    if (!exchange::ChooseExportFile(exchange::AskOnce(request.path), ctx.messages))
        return 1;

    RebuildSequence(ws.sequence, ListOrder(ws.entries, order, filtered));
    StderrLog log(ctx.err);
    return exchange::StartExport(request, ws, exchange::ExchangeHooks{&log}) ? 0 : 1;
}

const Registration reg{Command{
    QStringLiteral("export"), QStringLiteral("writes a collection's recordings to a delimited text file"),
    QStringLiteral(
        "vinaxo-cli export COLLECTION DEFINITION.IDF OUTPUT.TXT [--sort KEY[:desc]]\n"
        "           [--filter-text T [--filter-fields title,artist,...]]\n"
        "           [--field-delimiter C] [--string-delimiter C] [--track-delimiter C] [--yes|--no]\n"
        "  Writes one line per recording, its fields following the definition file, in collection\n"
        "  order or in the order the main list shows when sorted by the column of field number KEY\n"
        "  (101 Artist ... 127 Title, 128 Total Time; the shown text, letter case ignored).\n"
        "  --filter-text keeps the recordings whose chosen fields contain T, letter case ignored, as\n"
        "  the search does; the fields are title, artist, description, comments, composer,\n"
        "  conductor, misc1, misc2, misc3, awards, tracktitle, trackdesc, label, catalog, year\n"
        "  (default title,artist). An existing OUTPUT.TXT is replaced only with --yes. The file is\n"
        "  Windows-1252 with CR LF line ends; the run's log goes to stderr."),
    run}};

} // namespace
} // namespace vinaxo::cli
