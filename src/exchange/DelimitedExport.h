#pragma once
// The delimited text writer: one line per recording of the key sequence, one field per
// entry of the selected-field table, in the grammar the import reads.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"

#include <QByteArray>
#include <chrono>
#include <unordered_map>

namespace vinaxo {
class CEntries;
class CEntry;
class CEntrySequence;
}

namespace vinaxo::exchange {

class DelimitedExport {
public:
    DelimitedExport(const ColTable& table, Delimiters delimiters);
    // Appends the recording's line, CR LF included, in Windows-1252.
    void appendLine(const CEntry& entry, QByteArray& out) const;

private:
    void appendQuoted(QStringView value, QByteArray& out) const;
    void appendEscaped(QStringView value, QByteArray& out) const;
    template <class Get>
    void appendTrackList(const CEntry& entry, Get get, QByteArray& out) const;

    ColTable m_table; // a copy: callers may pass a temporary
    Delimiters m_delims;
    const QByteArray& dateText(const CEntry& entry) const;

    char m_field, m_string, m_track; // the delimiters as bytes
    mutable std::unordered_map<qint64, QByteArray> m_dates; // date texts by date value
};

struct ExportResult {
    qint32 recordNumber = 1; // lines written + 1
    bool cancelled = false;
    qint32 recordsWritten() const { return recordNumber - 1; }
};

// Writes the recordings of the sequence, in its order, into `out`, a part at a time. Each
// written recording becomes the collection's current one; keys naming no recording are
// skipped. When cancel() stops the run, the lines so far are kept. Everything handed in
// must outlive the export.
class SequenceExport {
public:
    using Clock = std::chrono::steady_clock;
    SequenceExport(CEntries& entries, const CEntrySequence& sequence, const ColTable& table,
                   Delimiters delimiters, QByteArray& out, ExchangeHooks hooks = {});
    // Writes lines until the sequence ends or `until` has passed; true while more remains.
    bool resume(Clock::time_point until = Clock::time_point::max());
    void cancel();
    bool ended() const { return m_ended; }
    const ExportResult& result() const { return m_result; }

private:
    void end(bool cancelled);

    CEntries& m_entries;
    const CEntrySequence& m_sequence;
    DelimitedExport m_writer;
    QByteArray& m_out;
    ExchangeHooks m_hooks;
    ExportResult m_result;
    qint32 m_next = 1; // the position in the sequence of the next key
    qsizetype m_startSize;
    bool m_ended = false;
};

// The whole export at once.
ExportResult ExportRecords(CEntries& entries, const CEntrySequence& sequence, const ColTable& table,
                           Delimiters delimiters, QByteArray& out, const ExchangeHooks& hooks = {});

// A purchase cost as the export writes it: "." point, no grouping, no trailing zeros.
QString PlainCostText(const CEntry& entry);

} // namespace vinaxo::exchange
