#include "cli/CliCommand.h"
#include "cli/CliCollection.h"
#include "cli/ReportOutput.h"
#include "model/ListOrder.h"
#include "model/Utility.h"
#include "model/Workspace.h"

namespace vinaxo::cli {
namespace {

// KEY[:desc|:asc], KEY a field number or a column heading ("Title", "Rel Year").
bool parseSort(const QString& text, const CView& view, ListSort& sort, QTextStream& err)
{
    QString key = text.trimmed();
    const qsizetype colon = key.lastIndexOf(u':');
    if (colon >= 0) {
        const QString dir = key.mid(colon + 1).trimmed().toLower();
        if (dir != QLatin1String("desc") && dir != QLatin1String("asc")) {
            err << "vinaxo-cli: --sort wants KEY, KEY:asc or KEY:desc, not \"" << text << "\"" << Qt::endl;
            return false;
        }
        sort.descending = dir == QLatin1String("desc");
        key = key.left(colon).trimmed();
    }
    bool isNumber = false;
    sort.columnKey = key.toInt(&isNumber);
    if (!isNumber) {
        sort.columnKey = 0;
        for (const auto& item : view.ColumnEntries()) {
            if (item.value->ColumnHeading.trimmed().compare(key, Qt::CaseInsensitive) == 0) {
                sort.columnKey = item.value->KeyNumber();
                break;
            }
        }
        for (int k : ColumnKeys()) {
            QString heading;
            if (sort.columnKey == 0 && ColumnVocabulary(k, &heading, nullptr)
                && heading.compare(key, Qt::CaseInsensitive) == 0)
                sort.columnKey = k;
        }
    }
    if (!CEntry::HasColumnData(sort.columnKey)) {
        err << "vinaxo-cli: the list cannot be sorted by \"" << key
            << "\" (give a field number from 101 to 128, or a column heading)" << Qt::endl;
        return false;
    }
    return true;
}

int run(Context& ctx)
{
    const QDate started = ctx.formats.today(); // the report date, taken once
    QStringList args = ctx.args;
    ReportOptions options;
    if (!takeReportOptions(ctx, args, options))
        return 2;
    const QString viewName = takeOption(args, QStringLiteral("--view"));
    const QString sortText = takeOption(args, QStringLiteral("--sort"));
    if (rejectUnknownOptions(ctx, args))
        return 2;
    if (args.size() != 1 || options.pdf.isEmpty()) {
        ctx.err << "Usage: vinaxo-cli print COLLECTION --pdf OUT.pdf [options]   (--help for more)" << Qt::endl;
        return 2;
    }
    const auto fonts = chooseReportFonts(ctx, options);
    if (!fonts)
        return 1;
    if (!loadCollection(ctx, args[0]).loaded())
        return 1;

    Workspace& ws = collectionWorkspace(ctx);
    CEntries& entries = ws.entries;
    if (!viewName.isNull()) {
        if (!entries.VerifyViewByName(viewName)) {
            ctx.err << "vinaxo-cli: the collection has no view named \"" << viewName << "\"; it has: "
                    << ViewNameList(entries).join(QStringLiteral(", ")) << Qt::endl;
            return 2;
        }
        entries.LocateViewByName(viewName);
    } else if (!entries.CurrView()) {
        EnsureStandardView(entries);
    }
    const CView& view = *entries.CurrView();

    ListSort sort;
    if (!sortText.isNull() && !parseSort(sortText, view, sort, ctx.err))
        return 2;
    RebuildSequence(ws.sequence, ListOrder(entries, sort));

    ReportRequest request;
    request.fonts = *fonts;
    request.heading = options.heading.isNull() ? view.ReportHeading : options.heading;
    return printReportToPdf(ctx, entries, options, request, started);
}

const Registration reg{Command{
    QStringLiteral("print"), QStringLiteral("prints the report of a view to a PDF file"),
    QStringLiteral(
        "vinaxo-cli print COLLECTION --pdf OUT.pdf [--view NAME] [--heading TEXT]\n"
        "                 [--heading-font \"Family,14,bold,italic\"] [--detail-font \"Family,10\"]\n"
        "                 [--landscape] [--sort KEY[:desc]]\n"
        "  Prints the report of a view of the collection (the current view unless --view names\n"
        "  one): one row per recording with the view's columns, in the order the main list\n"
        "  shows when sorted by KEY (a field number such as 127, or a column heading such as\n"
        "  \"Title\"); without --sort, in collection order. The heading is the view's report\n"
        "  heading unless --heading is given. Fonts are the stored report fonts unless given;\n"
        "  a font is \"Family,size\" followed by any of bold, italic, underline, strikethru.\n"
        "  Exit status: 0 printed, 1 not printed (the reason is on stderr), 2 usage."),
    run, true}};

} // namespace
} // namespace vinaxo::cli
