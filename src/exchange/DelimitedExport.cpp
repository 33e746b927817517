#include "exchange/DelimitedExport.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"
#include "model/TimeText.h"
#include "platform/CodePage1252.h"
#include "platform/IBusyPointer.h"

#include <QCoreApplication>
#include <bit>
#include <charconv>

namespace vinaxo::exchange {

namespace {
char encodeOne(QChar c) { return cp1252::encode(QStringView(&c, 1)).at(0); }

void appendNumber(QByteArray& out, int v)
{
    char digits[16];
    const auto r = std::to_chars(digits, digits + sizeof digits, v);
    out.append(digits, r.ptr - digits);
}
}

QString PlainCostText(const CEntry& entry)
{
    QString text = entry.CDPurchCost.toFixedText(4);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == u"-0" ? QStringLiteral("0") : text;
}

DelimitedExport::DelimitedExport(const ColTable& table, Delimiters delimiters)
    : m_table(table), m_delims(delimiters), m_field(encodeOne(delimiters.field)),
      m_string(encodeOne(delimiters.string)), m_track(encodeOne(delimiters.track))
{
}

void DelimitedExport::appendEscaped(QStringView value, QByteArray& out) const
{
    // A string delimiter inside a value is written twice, so that the import reads it back.
    const QChar q = m_delims.string;
    qsizetype start = 0;
    for (qsizetype at = value.indexOf(q); at >= 0; at = value.indexOf(q, start)) {
        cp1252::encodeAppend(value.mid(start, at + 1 - start), out);
        out.append(m_string);
        start = at + 1;
    }
    cp1252::encodeAppend(value.mid(start), out);
}

void DelimitedExport::appendQuoted(QStringView value, QByteArray& out) const
{
    out.append(m_string);
    appendEscaped(RightTrimmed(value), out);
    out.append(m_string);
}

template <class Get>
void DelimitedExport::appendTrackList(const CEntry& entry, Get get, QByteArray& out) const
{
    out.append(m_string);
    if (entry.TrackEntries().isEmpty())
        out.append(' ');
    entry.TrackEntries().forEachTrack([&](const CTrackEntry& t) {
        appendEscaped(get(t), out);
        out.append(m_track);
    });
    out.append(m_string);
}

const QByteArray& DelimitedExport::dateText(const CEntry& e) const
{
    // Formatting a date in the locale's pattern is slow; collections repeat their dates.
    const auto day = std::bit_cast<qint64>(e.CDPurchDate->serial);
    auto it = m_dates.find(day);
    if (it == m_dates.end()) {
        // The short date always has a four-digit year.
        it = m_dates.emplace(day, cp1252::encode(RightTrimmed(e.FormattedCDPurchDate()))).first;
    }
    return it->second;
}

void DelimitedExport::appendLine(const CEntry& e, QByteArray& out) const
{
    bool first = true;
    for (const ColItem& item : m_table.Items()) {
        if (!first)
            out.append(m_field);
        first = false;
        switch (item.Number) {
        case Cat::Title: appendQuoted(e.CDTitle, out); break;
        case Cat::Artist: appendQuoted(e.CDArtist, out); break;
        case Cat::Description: appendQuoted(e.CDDesc, out); break;
        case Cat::Category: appendQuoted(e.CDCategory, out); break;
        case Cat::Label: appendQuoted(e.CDLabel, out); break;
        case Cat::CatalogNumber: appendQuoted(e.CDCatnbr, out); break;
        case Cat::NbrDiscs: appendNumber(out, e.CDNbrDisks); break;
        case Cat::RelYear: appendNumber(out, e.CDRelYear); break;
        case Cat::Sound: appendNumber(out, e.CDRateSound); break;
        case Cat::Perform: appendNumber(out, e.CDRatePerform); break;
        case Cat::Awards: appendQuoted(e.CDAwards, out); break;
        case Cat::Composer: appendQuoted(e.CDComposer, out); break;
        case Cat::Conductor: appendQuoted(e.CDConductor, out); break;
        case Cat::PurchDate:
            if (e.CDPurchDate)
                out.append(dateText(e));
            break;
        case Cat::PurchCost: cp1252::encodeAppend(PlainCostText(e), out); break;
        case Cat::Location: appendQuoted(e.CDLocation, out); break;
        case Cat::CollNbr: appendQuoted(e.CDCollNbr, out); break;
        case Cat::Misc1: appendQuoted(e.CDMiscKey1, out); break;
        case Cat::Misc2: appendQuoted(e.CDMiscKey2, out); break;
        case Cat::Misc3: appendQuoted(e.CDMiscKey3, out); break;
        case Cat::Tracks: appendNumber(out, e.CDNbrTracks); break;
        case Cat::Time: appendQuoted(e.CDTotalTime, out); break;
        case Cat::Medium: appendQuoted(e.CDMedium, out); break;
        case Cat::TrackTitles:
            appendTrackList(e, [](const CTrackEntry& t) -> const QString& { return t.CDTrackTitle; }, out);
            break;
        case Cat::TrackTitlesTimes:
            appendTrackList(e, [](const CTrackEntry& t) -> const QString& { return t.CDTrackTitle; }, out);
            out.append(m_field);
            appendTrackList(e, [](const CTrackEntry& t) -> const QString& { return t.CDTrackTime; }, out);
            break;
        default:
            break; // an item without a catalogue row gives an empty field
        }
    }
    out.append("\r\n", 2);
}

SequenceExport::SequenceExport(CEntries& entries, const CEntrySequence& sequence, const ColTable& table,
                               Delimiters delimiters, QByteArray& out, ExchangeHooks hooks)
    : m_entries(entries), m_sequence(sequence), m_writer(table, delimiters), m_out(out),
      m_hooks(std::move(hooks)), m_startSize(out.size())
{
    if (m_hooks.busy)
        m_hooks.busy->ShowBusyPointer();
    if (m_hooks.log)
        m_hooks.log->showCount(m_result.recordNumber);
}

bool SequenceExport::resume(Clock::time_point until)
{
    if (m_ended)
        return false;
    const bool timed = until != Clock::time_point::max();
    const qint32 count = m_sequence.Count();
    while (m_next <= count) {
        if (m_entries.LocateEntryByKey(KeyText(m_sequence.KeyAt(m_next++)))) {
            m_writer.appendLine(*m_entries.CurrEntry(), m_out);
            if (m_hooks.log)
                m_hooks.log->showCount(m_result.recordNumber);
            ++m_result.recordNumber;
            if (m_result.recordNumber == 65) // room for the rest, judged by the first lines
                m_out.reserve(m_startSize + (m_out.size() - m_startSize) / 64 * (count + 1) * 11 / 10);
        }
        if (timed && m_next <= count && Clock::now() >= until)
            return true;
    }
    end(false);
    return false;
}

void SequenceExport::cancel()
{
    if (m_ended)
        return;
    if (m_hooks.log)
        m_hooks.log->addLogLine(QCoreApplication::translate("DelimitedExport", "EXPORT CANCELLED BY OPERATOR"));
    end(true);
}

void SequenceExport::end(bool cancelled)
{
    m_ended = true;
    m_result.cancelled = cancelled;
    if (m_hooks.busy)
        m_hooks.busy->ShowNormalPointer();
}

ExportResult ExportRecords(CEntries& entries, const CEntrySequence& sequence, const ColTable& table,
                           Delimiters delimiters, QByteArray& out, const ExchangeHooks& hooks)
{
    SequenceExport run(entries, sequence, table, delimiters, out, hooks);
    run.resume();
    return run.result();
}

} // namespace vinaxo::exchange
