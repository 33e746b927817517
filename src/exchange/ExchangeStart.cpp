#include "exchange/ExchangeStart.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include <QCoreApplication>

namespace vinaxo::exchange {

namespace {
bool critical(IMessageService& m, const char* text, const char* title)
{
    m.show(QCoreApplication::translate("ExchangeStart", text), QCoreApplication::translate("ExchangeStart", title),
           MsgIcon::Critical);
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
            return critical(
                m,
                QT_TRANSLATE_NOOP("ExchangeStart", "Delimiter cannot be a space. Enter any other valid character."),
                QT_TRANSLATE_NOOP("ExchangeStart", "Space not allowed"));
    }
    // Two equal delimiters make a line ambiguous: refused before anything is read or written.
    const Delimiters d = delimitersOf(r);
    if (d.field == d.string || d.field == d.track || d.string == d.track)
        return critical(
            m,
            QT_TRANSLATE_NOOP("ExchangeStart",
                              "The field, string and track delimiters must be three different characters. "
                              "Enter a different character for each delimiter."),
            QT_TRANSLATE_NOOP("ExchangeStart", "Delimiters must differ"));
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
        log(hooks,
            QCoreApplication::translate("ExchangeStart", "Record %1, Duplicate of a recording held:  %2")
                .arg(QString::number(i - first + 1), e.CDArtist + QStringLiteral(" / ") + e.CDTitle));
    }
    if (result.duplicates > 0)
        log(hooks, QCoreApplication::translate("ExchangeStart", "---Duplicates found: %1---").arg(result.duplicates));
}

class ImportJob final : public ExchangeJob {
public:
    ImportJob(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
        : m_ws(ws), m_hooks(hooks), m_reader(ws.entries, r.table, delimitersOf(r), hooks)
    {
        starting(hooks);
        log(hooks, QCoreApplication::translate("ExchangeStart", "---Now Starting Import of %1---").arg(r.path));
        auto bytes = ReadWholeFile(r.path, ws.messages, hooks.onFileError, QStringLiteral("frmCDIMPDES.ImportFile"));
        if (!bytes) {
            m_ended = true;
            return;
        }
        m_bytes = std::move(*bytes);
        m_reader.begin(m_bytes);
        ws.refillArtists = true;
        ws.refillLabels = true;
        ws.rebuildList = true;
    }
    ~ImportJob() override { cancel(); }

private:
    bool advance(Clock::time_point until) override
    {
        const bool more = m_reader.resume(until);
        // Added recordings are unsaved work from the first one on: closing must ask about them.
        if (m_reader.result().recordsAdded > 0)
            m_ws.entries.DBChanged = true;
        return more;
    }
    void stop() override { m_reader.cancel(); }

    void end() override
    {
        m_ended = true;
        m_imported = m_reader.result();
        m_bytes.clear();
        noteDuplicates(m_ws, *m_imported, m_hooks);
        log(m_hooks,
            QCoreApplication::translate("ExchangeStart", "---Import Complete - Total records read: %1---")
                .arg(m_imported->recordsRead()));
    }

    Workspace& m_ws;
    ExchangeHooks m_hooks;
    QByteArray m_bytes;
    DelimitedImport m_reader;
};

class ExportJob final : public ExchangeJob {
public:
    ExportJob(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
        : m_ws(ws), m_hooks(hooks), m_path(r.path)
    {
        starting(hooks);
        log(hooks, QCoreApplication::translate("ExchangeStart", "---Now Starting Export to %1---").arg(r.path));
        m_writer.emplace(ws.entries, ws.sequence, r.table, delimitersOf(r), m_out, hooks);
    }
    ~ExportJob() override
    {
        if (!m_ended) {
            stop();
            m_ended = true;
        }
    }

private:
    bool advance(Clock::time_point until) override { return m_writer->resume(until); }
    void stop() override { m_writer->cancel(); }

    void end() override
    {
        m_ended = true;
        if (!WriteWholeFile(m_path, m_out, m_ws.messages, m_hooks.onFileError,
                            QStringLiteral("frmCDIMPDES.ExportFile")))
            return;
        m_out.clear();
        m_exported = m_writer->result();
        log(m_hooks,
            QCoreApplication::translate("ExchangeStart", "---Export Complete - Total records written: %1---")
                .arg(m_exported->recordsWritten()));
    }

    Workspace& m_ws;
    ExchangeHooks m_hooks;
    QString m_path;
    QByteArray m_out;
    std::optional<SequenceExport> m_writer; // made once the start line is logged
};
} // namespace

std::unique_ptr<ExchangeJob> BeginImport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    IMessageService& m = ws.messages;
    if (!delimitersUsable(r, m))
        return nullptr;
    if (r.path.trimmed().isEmpty()) {
        critical(m,
                 QT_TRANSLATE_NOOP(
                     "ExchangeStart",
                     "No Import File has been selected. Select an import file before starting the import function."),
                 QT_TRANSLATE_NOOP("ExchangeStart", "No File Selected"));
        return nullptr;
    }
    if (ws.entries.Count() > 0) {
        const MsgAnswer a
            = m.show(QCoreApplication::translate(
                         "ExchangeStart",
                         "You already have a file loaded. Running an import will add new records to the "
                         "existing file.  Is this what you want?"),
                     QCoreApplication::translate("ExchangeStart", "File already loaded"), MsgIcon::Question,
                     MsgButtons::YesNo, MsgDefault::Second);
        if (a != MsgAnswer::Yes)
            return nullptr;
    }
    if (r.table.isEmpty()) {
        critical(m,
                 QT_TRANSLATE_NOOP(
                     "ExchangeStart",
                     "No import fields have been selected. Select the fields to import in the proper order so "
                     "that they match the import file."),
                 QT_TRANSLATE_NOOP("ExchangeStart", "No Fields Selected"));
        return nullptr;
    }
    if (!r.table.Contains(Cat::Title) || !r.table.Contains(Cat::Artist)) {
        critical(m,
                 QT_TRANSLATE_NOOP(
                     "ExchangeStart",
                     "One or more of the following required import fields were not selected:  Title, Artist.  "
                     "These fields are required and must be supplied within your import file."),
                 QT_TRANSLATE_NOOP("ExchangeStart", "Required Fields Missing"));
        return nullptr;
    }

    return std::make_unique<ImportJob>(r, ws, hooks);
}

std::unique_ptr<ExchangeJob> BeginExport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    IMessageService& m = ws.messages;
    if (!delimitersUsable(r, m))
        return nullptr;
    if (r.path.trimmed().isEmpty()) {
        critical(m,
                 QT_TRANSLATE_NOOP(
                     "ExchangeStart",
                     "No Export File has been selected. Select an export file before starting the export function."),
                 QT_TRANSLATE_NOOP("ExchangeStart", "No File Selected"));
        return nullptr;
    }
    if (ws.entries.Count() == 0) {
        m.show(QCoreApplication::translate(
                   "ExchangeStart",
                   "There are no records to export. You must have a file loaded, or records entered "
                   "before you can do an export."),
               QCoreApplication::translate("ExchangeStart", "No file to export"), MsgIcon::Question, MsgButtons::OK);
        return nullptr;
    }
    if (r.table.isEmpty()) {
        critical(m,
                 QT_TRANSLATE_NOOP(
                     "ExchangeStart",
                     "No export fields have been selected. Select the fields that you wish to export in the proper "
                     "order."),
                 QT_TRANSLATE_NOOP("ExchangeStart", "No Fields Selected"));
        return nullptr;
    }

    return std::make_unique<ExportJob>(r, ws, hooks);
}

std::optional<ImportResult> StartImport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    const auto job = BeginImport(r, ws, hooks);
    if (!job)
        return std::nullopt;
    job->run();
    return job->imported();
}

std::optional<ExportResult> StartExport(const ExchangeRequest& r, Workspace& ws, const ExchangeHooks& hooks)
{
    const auto job = BeginExport(r, ws, hooks);
    if (!job)
        return std::nullopt;
    job->run();
    return job->exported();
}

} // namespace vinaxo::exchange
