#include "exchange/ExchangeStart.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"

namespace vinaxo::exchange {

namespace {
bool critical(IMessageService& m, const char* text, const char* title)
{
    m.show(QString::fromLatin1(text), QString::fromLatin1(title), MsgIcon::Critical);
    return false;
}

Delimiters delimitersOf(const ExchangeRequest& r)
{
    return Delimiters::fromBoxes(r.fieldDelimiter, r.stringDelimiter, r.trackDelimiter);
}

bool delimitersUsable(const ExchangeRequest& r, IMessageService& m)
{
    for (const QString* box : {&r.fieldDelimiter, &r.stringDelimiter, &r.trackDelimiter}) {
        if (box->trimmed().isEmpty())
            return critical(m, "Delimiter cannot be a space. Enter any other valid character.",
                            "Space not allowed");
    }
    // Two equal delimiters make a line ambiguous: refused before anything is read or written.
    const Delimiters d = delimitersOf(r);
    if (d.field == d.string || d.field == d.track || d.string == d.track)
        return critical(m, "The field, string and track delimiters must be three different characters. "
                           "Enter a different character for each delimiter.",
                        "Delimiters must differ");
    return true;
}

void log(const ExchangeHooks& hooks, const QString& line)
{
    if (hooks.log)
        hooks.log->addLogLine(line);
}

void starting(const ExchangeHooks& hooks)
{
    if (hooks.log)
        hooks.log->runStarting();
}
}

namespace {
// The recordings added are the last ones of the collection. Each that duplicates one held
// before it (or read earlier from the same file) is named in the log, and counted.
void noteDuplicates(Workspace& ws, ImportResult& result, const ExchangeHooks& hooks)
{
    const EntryList& all = ws.entries.Entries();
    const qsizetype first = all.size() - result.recordsAdded;
    result.addedKeys.reserve(result.recordsAdded);
    for (qsizetype i = first; i < all.size(); ++i)
        result.addedKeys << all.keyAt(i);
    for (qsizetype i = first; i < all.size(); ++i) {
        const CEntry& e = *all.at(i);
        const QStringList same = ws.duplicates.duplicatesOf(e);
        // In collection order: a duplicate is one that comes after another.
        if (same.isEmpty() || ws.entries.IndexOfEntry(same.constFirst()) > i)
            continue;
        ++result.duplicates;
        log(hooks, QStringLiteral("Record ") + QString::number(i - first + 1) + QStringLiteral(", Duplicate of a ")
                       + QStringLiteral("recording held:  ") + e.CDArtist + QStringLiteral(" / ") + e.CDTitle);
    }
    if (result.duplicates > 0)
        log(hooks, QStringLiteral("---Duplicates found: ") + QString::number(result.duplicates) + QStringLiteral("---"));
}
} // namespace

std::optional<ImportResult> StartImport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    IMessageService& m = ws.messages;
    if (!delimitersUsable(r, m))
        return std::nullopt;
    if (r.path.trimmed().isEmpty()) {
        critical(m, "No Import File has been selected. Select an import file before starting the import function.",
                 "No File Selected");
        return std::nullopt;
    }
    if (ws.entries.Count() > 0) {
        const MsgAnswer a = m.show(
            QStringLiteral("You already have a file loaded. Running an import will add new records to the "
                           "existing file.  Is this what you want?"),
            QStringLiteral("File already loaded"), MsgIcon::Question, MsgButtons::YesNo, MsgDefault::Second);
        if (a != MsgAnswer::Yes)
            return std::nullopt;
    }
    if (r.table.isEmpty()) {
        critical(m, "No import fields have been selected. Select the fields to import in the proper order so "
                    "that they match the import file.",
                 "No Fields Selected");
        return std::nullopt;
    }
    if (!r.table.Contains(Cat::Title) || !r.table.Contains(Cat::Artist)) {
        critical(m, "One or more of the following required import fields were not selected:  Title, Artist.  "
                    "These fields are required and must be supplied within your import file.",
                 "Required Fields Missing");
        return std::nullopt;
    }

    starting(hooks);
    log(hooks, QStringLiteral("---Now Starting Import of ") + r.path + QStringLiteral("---"));
    const auto bytes = ReadWholeFile(r.path, m, hooks.onFileError, QStringLiteral("frmCDIMPDES.ImportFile"));
    if (!bytes)
        return std::nullopt;
    DelimitedImport reader(ws.entries, r.table, delimitersOf(r), hooks);
    ImportResult result = reader.readBytes(*bytes);
    noteDuplicates(ws, result, hooks);
    log(hooks, QStringLiteral("---Import Complete - Total records read: ") + QString::number(result.recordsRead())
                   + QStringLiteral("---"));
    ws.refillArtists = true;
    ws.refillLabels = true;
    ws.rebuildList = true;
    // Added recordings are unsaved work: closing must ask about them.
    if (result.recordsAdded > 0)
        ws.entries.DBChanged = true;
    return result;
}

std::optional<ExportResult> StartExport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    IMessageService& m = ws.messages;
    if (!delimitersUsable(r, m))
        return std::nullopt;
    if (r.path.trimmed().isEmpty()) {
        critical(m, "No Export File has been selected. Select an export file before starting the export function.",
                 "No File Selected");
        return std::nullopt;
    }
    if (ws.entries.Count() == 0) {
        m.show(QStringLiteral("There are no records to export. You must have a file loaded, or records entered "
                              "before you can do an export."),
               QStringLiteral("No file to export"), MsgIcon::Question, MsgButtons::OK);
        return std::nullopt;
    }
    if (r.table.isEmpty()) {
        critical(m, "No export fields have been selected. Select the fields that you wish to export in the proper "
                    "order.",
                 "No Fields Selected");
        return std::nullopt;
    }

    starting(hooks);
    log(hooks, QStringLiteral("---Now Starting Export to ") + r.path + QStringLiteral("---"));
    QByteArray out;
    const ExportResult result = ExportRecords(ws.entries, ws.sequence, r.table, delimitersOf(r), out, hooks);
    if (!WriteWholeFile(r.path, out, m, hooks.onFileError, QStringLiteral("frmCDIMPDES.ExportFile")))
        return std::nullopt;
    log(hooks, QStringLiteral("---Export Complete - Total records written: ")
                   + QString::number(result.recordsWritten()) + QStringLiteral("---"));
    return result;
}

} // namespace vinaxo::exchange
