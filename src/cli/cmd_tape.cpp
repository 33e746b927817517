#include "calc/TapeSession.h"
#include "cli/CliCommand.h"
#include "cli/CliCollection.h"
#include "cli/ReportOutput.h"
#include "model/TimeText.h"
#include "model/Workspace.h"
#include "print/CPrinter.h"

namespace vinaxo::cli {
namespace {

// "1,2,3": track positions from 1 to slots.
bool parsePositions(const QString& text, qsizetype slots, std::vector<int>& out, QTextStream& err)
{
    if (text.trimmed().isEmpty())
        return true;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int k = part.trimmed().toInt(&ok);
        if (!ok || k < 1 || k > slots) {
            err << "vinaxo-cli: \"" << part.trimmed() << "\" is no track of this recording (1 to " << slots
                << ")" << Qt::endl;
            return false;
        }
        out.push_back(k);
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
    const QString recording = takeOption(args, QStringLiteral("--recording"));
    const QString side1Text = takeOption(args, QStringLiteral("--side1"));
    const QString side2Text = takeOption(args, QStringLiteral("--side2"));
    QString length = takeOption(args, QStringLiteral("--length"));
    const bool asText = takeFlag(args, QStringLiteral("--text"));
    if (rejectUnknownOptions(ctx, args))
        return 2;
    if (length.isNull())
        length = QStringLiteral("90:00");
    if (args.size() != 1 || recording.isEmpty() || side1Text.isNull() || asText == !options.pdf.isEmpty()) {
        ctx.err << "Usage: vinaxo-cli tape COLLECTION --recording KEY --side1 1,2,3 [--side2 4,5] "
                   "[--length 90:00] (--pdf OUT.pdf | --text)"
                << Qt::endl;
        return 2;
    }
    if (!IsValidTime(length.trimmed())) {
        ctx.err << "vinaxo-cli: --length wants minutes:seconds, such as 90:00" << Qt::endl;
        return 2;
    }
    std::optional<ReportFonts> fonts;
    if (!asText && !(fonts = chooseReportFonts(ctx, options)))
        return 1;
    if (!loadCollection(ctx, args[0]).loaded())
        return 1;

    CEntries& entries = collectionWorkspace(ctx).entries;
    if (!entries.Entries().contains(recording)) {
        ctx.err << "vinaxo-cli: the collection has no recording with the key " << recording << Qt::endl;
        return 1;
    }
    entries.LocateEntryByKey(recording);
    const CEntry& entry = *entries.CurrEntry();
    if (entry.CDNbrTracks < 1) {
        ctx.messages.show(QStringLiteral("No tracks available for the calculator.  You must first enter ")
                              + QStringLiteral("track detail for this entry."),
                          QStringLiteral("No Tracks Available"), MsgIcon::Information);
        return 1;
    }

    TapeSession session(ctx.messages);
    session.load(entry);
    session.setTapeLength(length.trimmed());
    std::vector<int> positions1, positions2;
    if (!parsePositions(side1Text, session.availableRows().size(), positions1, ctx.err)
        || !parsePositions(side2Text, session.availableRows().size(), positions2, ctx.err))
        return 2;

    // Tracks are added one by one as in the calculator: a track already on a side asks
    // before it is repeated (--yes repeats, otherwise it is left out).
    for (int s : {1, 2}) {
        session.setCurrentSide(s);
        for (int k : s == 1 ? positions1 : positions2)
            session.add(k - 1);
    }
    for (int s : {1, 2}) {
        ctx.err << "Side " << s << ": Total Time " << session.total(s) << ", Remaining " << session.remaining(s)
                << Qt::endl;
    }
    const SideTables tables = session.tables();
    if (asText) {
        ctx.out << ClipboardText(tables);
        return 0;
    }
    ReportRequest request;
    request.fonts = *fonts;
    request.heading = options.heading.isNull() ? QStringLiteral("Tape Calculator Report") : options.heading;
    request.calculator = true;
    request.prepare = [&](CPrinter& p) { SetCalcReport(p, tables); };
    return printReportToPdf(ctx, entries, options, request, started);
}

const Registration reg{Command{
    QStringLiteral("tape"), QStringLiteral("plans a cassette from a recording's tracks"),
    QStringLiteral(
        "vinaxo-cli tape COLLECTION --recording KEY --side1 1,2,3 [--side2 4,5] [--length 90:00]\n"
        "                (--pdf OUT.pdf | --text) [--heading TEXT] [--heading-font F] [--detail-font F]\n"
        "                [--landscape]\n"
        "  Puts the tracks at the given positions of the recording on side 1 and side 2 of a tape\n"
        "  of the given length (90:00 unless given) and prints the calculator report to a PDF, or\n"
        "  writes the clipboard text (Side, title and time separated by tabs, one line per track).\n"
        "  Each side's total and remaining time go to stderr; an overrun shows as \"-3:30\".\n"
        "  A track given twice is repeated only with --yes. Fonts as for the print command.\n"
        "  Exit status: 0 done, 1 not done (the reason is on stderr), 2 usage."),
    run, true}};

} // namespace
} // namespace vinaxo::cli
