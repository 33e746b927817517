#include "exchange/DelimitedImport.h"
#include "exchange/TextDecoding.h"
#include "model/CEntries.h"
#include "model/TimeText.h"
#include "platform/CodePage1252.h"
#include "platform/IBusyPointer.h"
#include "platform/IFormats.h"
#include "platform/NumericText.h"

#include <array>
#include <cstring>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <QCoreApplication>
#include <cmath>
#include <utility>

namespace vinaxo::exchange {

namespace {
constexpr char16_t CR = 13;
constexpr char16_t LF = 10;

// The first position of c at or after from, or -1 (a plain loop: the values are short).
qsizetype find(QStringView t, char16_t c, qsizetype from = 0)
{
    const char16_t* p = t.utf16();
    for (qsizetype i = from; i < t.size(); ++i) {
        if (p[i] == c)
            return i;
    }
    return -1;
}

// "m:ss" with one to three digits of minutes and seconds up to 59: the common valid time,
// recognised without the general numeric test.
bool isPlainTime(QStringView t)
{
    const qsizetype colon = find(t, u':');
    if (colon < 1 || colon > 3 || t.size() - colon - 1 < 1 || t.size() - colon - 1 > 2)
        return false;
    int seconds = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (i == colon)
            continue;
        if (t[i] < u'0' || t[i] > u'9')
            return false;
        if (i > colon)
            seconds = seconds * 10 + (t[i].unicode() - u'0');
    }
    return seconds <= 59;
}

// Trimmed of white space as QStringView::trimmed, with the common characters decided
// without a call.
QStringView trimmedText(QStringView t)
{
    auto space = [](QChar c) {
        const char16_t u = c.unicode();
        return u == u' ' || (u >= 9 && u <= 13) || (u >= 0x80 && c.isSpace());
    };
    while (!t.isEmpty() && space(t.front()))
        t = t.sliced(1);
    while (!t.isEmpty() && space(t.back()))
        t.chop(1);
    return t;
}

// The platform's numeric test, with the point the export writes or the locale's.
bool isNumber(QStringView t, const IFormats& formats)
{
    return ParseNumber(t).has_value() || formats.parseNumber(t.toString()).has_value();
}

// The track pieces of a value: split at every track delimiter; a piece after the last
// delimiter counts only when it is not empty.
template <class F>
void forEachPiece(QStringView t, QChar delimiter, F&& f)
{
    t = trimmedText(t);
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = find(t, delimiter.unicode(), start);
        if (at < 0) {
            if (start < t.size())
                f(t.mid(start));
            return;
        }
        f(t.mid(start, at - start));
        start = at + 1;
    }
}
}

DelimitedImport::DelimitedImport(CEntries& entries, const ColTable& table, Delimiters delimiters,
                                 ExchangeHooks hooks)
    : m_entries(entries), m_table(table), m_delims(delimiters), m_hooks(std::move(hooks))
{
}

CEntry& DelimitedImport::entry()
{
    if (!m_entry) {
        m_entry = m_entries.AddNewEntry();
        ++m_added;
    }
    return *m_entry;
}

void DelimitedImport::logLine(const QString& what, QStringView t)
{
    if (!m_hooks.log)
        return;
    QString line
        = QCoreApplication::translate("DelimitedImport", "Record %1, %2").arg(QString::number(m_record), what);
    line.append(t);
    m_hooks.log->addLogLine(line);
}

bool DelimitedImport::storeField(QStringView t)
{
    if (m_timesExpected) {
        m_timesExpected = false;
        readTrackTimes(t);
        return true;
    }
    if (m_position > m_table.Count()) {
        logLine(QCoreApplication::translate("DelimitedImport", "Has extra field containing:  "), t);
        return false;
    }
    storeCatalogueField(m_table.Item(m_position).Number, t);
    return false;
}

void DelimitedImport::storeCatalogueField(int number, QStringView t)
{
    CEntry& e = entry();
    const IFormats& formats = m_entries.formats();

    // A whole number for a 16-bit field: the leading number of a numeric text, rounded.
    // Nothing when the text is no number or the value does not fit (both are logged).
    auto smallInt = [&](QStringView text) -> std::optional<qint16> {
        if (!isNumber(text, formats))
            return std::nullopt;
        return ToInt16(LeadingNumber(text));
    };
    auto rating = [&](qint16& field, const QString& name) {
        const auto v = smallInt(t);
        if (!v)
            logLine(QCoreApplication::translate("DelimitedImport", "%1 is in error:  ").arg(name), t);
        else if (*v < 0 || *v > 10)
            logLine(QCoreApplication::translate("DelimitedImport", "%1 must be between 0 and 10:  ").arg(name), t);
        else
            field = *v;
    };

    switch (number) {
    case Cat::Title: e.CDTitle = t.toString(); break;
    case Cat::Artist:
        // A name new to this run goes to its list too (which keeps the trimmed form); the
        // field keeps its blanks.
        if (bool added; (e.CDArtist = m_artists.get(t, &added)), added)
            m_entries.AddNewArtist(std::as_const(e.CDArtist));
        break;
    case Cat::Description: e.CDDesc = t.toString(); break;
    case Cat::Category:
        if (bool added; (e.CDCategory = m_categories.get(t, &added)), added)
            m_entries.AddNewCategory(std::as_const(e.CDCategory));
        break;
    case Cat::Label:
        if (bool added; (e.CDLabel = m_labels.get(t, &added)), added)
            m_entries.AddNewLabel(std::as_const(e.CDLabel));
        break;
    case Cat::CatalogNumber: e.CDCatnbr = t.toString(); break;
    case Cat::NbrDiscs:
        if (const auto v = smallInt(t))
            e.CDNbrDisks = *v;
        else
            logLine(QCoreApplication::translate("DelimitedImport", "Nbr Discs is in error:  "), t);
        break;
    case Cat::RelYear:
        if (t.trimmed().isEmpty()) {
            logLine(QCoreApplication::translate("DelimitedImport", "Rel Year is missing"));
        } else if (t != u"0") {
            const QStringView year = RightTrimmed(t);
            const auto n = ParseNumber(year);
            const auto v = n ? ToInt16(*n) : std::nullopt;
            if (v)
                e.CDRelYear = *v;
            else
                logLine(QCoreApplication::translate("DelimitedImport", "Rel Year is in error:  "), t);
        }
        break;
    case Cat::Sound:
        rating(e.CDRateSound, QCoreApplication::translate("DelimitedImport", "Sound Rating"));
        break;
    case Cat::Perform:
        rating(e.CDRatePerform, QCoreApplication::translate("DelimitedImport", "Performance"));
        break;
    case Cat::Awards: e.CDAwards = m_texts.get(t); break;
    case Cat::Composer: e.CDComposer = m_texts.get(t); break;
    case Cat::Conductor: e.CDConductor = m_texts.get(t); break;
    case Cat::PurchDate:
        if (t.trimmed().isEmpty()) {
            logLine(QCoreApplication::translate("DelimitedImport", "Purchase Date is missing"));
        } else if (const auto d = purchaseDate(t)) {
            e.CDPurchDate = OleDate::fromDate(*d);
        } else {
            logLine(QCoreApplication::translate("DelimitedImport", "Purchase Date is in error:  "), t);
        }
        break;
    case Cat::PurchCost: {
        std::optional<Currency> cost;
        if (isNumber(t, formats)) {
            // Exactly when the text is a plain decimal; else through its leading number.
            cost = Currency::parse(t.trimmed(), u'.', QChar());
            if (!cost) {
                const double v = LeadingNumber(t) * double(Currency::Scale);
                if (std::isfinite(v) && std::fabs(v) < 9.2e18)
                    cost = Currency{std::llround(v)};
            }
        }
        if (cost)
            e.CDPurchCost = *cost;
        else
            logLine(QCoreApplication::translate("DelimitedImport", "Purchase Cost is in error:  "), t);
        break;
    }
    case Cat::Location: e.CDLocation = m_texts.get(t); break;
    case Cat::CollNbr: e.CDCollNbr = t.toString(); break;
    case Cat::Misc1: e.CDMiscKey1 = m_texts.get(t); break;
    case Cat::Misc2: e.CDMiscKey2 = m_texts.get(t); break;
    case Cat::Misc3: e.CDMiscKey3 = m_texts.get(t); break;
    case Cat::Tracks:
        if (const auto v = smallInt(t))
            e.CDNbrTracks = *v;
        else
            logLine(QCoreApplication::translate("DelimitedImport", "Nbr Tracks is in error:  "), t);
        break;
    case Cat::Time:
        if (t.isEmpty())
            e.CDTotalTime.clear();
        else if (isPlainTime(t) || IsValidTime(t.toString()))
            e.CDTotalTime = m_texts.get(t);
        else
            logLine(QCoreApplication::translate("DelimitedImport", "Total Time is in error:  "), t);
        break;
    case Cat::Medium:
        if (bool added; (e.CDMedium = m_mediums.get(t.trimmed(), &added)), added)
            m_entries.AddNewMedium(std::as_const(e.CDMedium));
        break;
    case Cat::TrackTitles: readTrackTitles(t); break;
    case Cat::TrackTitlesTimes:
        m_timesExpected = true;
        readTrackTitles(t);
        break;
    default:
        break; // a definition item without a catalogue row takes its field and stores nothing
    }
}

bool DelimitedImport::ShortText::pack(QStringView text)
{
    if (text.size() > 15)
        return false;
    low = 0;
    high = quint64(text.size()) << 56;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.utf16()[i];
        if (c >= 256)
            return false;
        (i < 8 ? low : high) |= quint64(c) << (8 * (i % 8));
    }
    return true;
}

std::optional<QDate> DelimitedImport::purchaseDate(QStringView t)
{
    if (ShortText k; k.pack(t)) {
        return m_shortDates
            .find(FlatTable<KnownDate>::mix(k.low, k.high), [&k](const KnownDate& d) { return d.text == k; },
                  [&] { return KnownDate{k, m_entries.formats().parseDate(t.toString())}; })
            .date;
    }
    const QString text = t.toString();
    auto it = m_dates.find(text);
    if (it == m_dates.end())
        it = m_dates.emplace(text, m_entries.formats().parseDate(text)).first;
    return it->second;
}

namespace {
// Sets the text, reusing the string's buffer where it has one of its own.
void setText(QString& s, QStringView text)
{
    s.resize(text.size());
    if (!text.isEmpty())
        std::memcpy(s.data(), text.data(), std::size_t(text.size()) * sizeof(char16_t));
}
}

void DelimitedImport::readTrackTitles(QStringView t)
{
    CEntry& e = entry();
    const IFormats& formats = m_entries.formats();
    forEachPiece(t, m_delims.track, [&](QStringView piece) {
        // A leading track number of one to three digits with its point is dropped.
        const qsizetype dot = find(piece.first(qMin<qsizetype>(piece.size(), 4)), u'.');
        if (dot >= 1 && dot <= 3 && isNumber(piece.left(dot), formats))
            piece = piece.mid(dot + 1);
        if (m_trackCount == qsizetype(m_tracks.size()))
            m_tracks.emplace_back();
        CTrackEntry& track = m_tracks[std::size_t(m_trackCount++)];
        track.Entry = &e;
        setText(track.CDTrackTitle, trimmedText(piece));
        track.CDTrackTime = QString();
    });
}

void DelimitedImport::readTrackTimes(QStringView t)
{
    qsizetype k = 0;
    forEachPiece(t, m_delims.track, [&](QStringView piece) {
        ++k;
        // The track whose key is k: the recording was made by this record, so its tracks
        // are the ones read here, keys 1, 2, 3 ... in order. Pieces without a matching track
        // are ignored, without a message.
        if (k > m_trackCount)
            return;
        CTrackEntry& track = m_tracks[std::size_t(k - 1)];
        piece = trimmedText(piece);
        if (isPlainTime(piece))
            track.CDTrackTime = m_texts.get(piece);
        else
            track.setCDTrackTimeStr(piece.toString()); // reports an invalid time
    });
}

void DelimitedImport::endRecord(QStringView t)
{
    if (m_hooks.log)
        m_hooks.log->showCount(m_record);
    entry();
    storeField(t);
    m_entry->AddTracks(m_tracks.data(), m_trackCount);
    m_trackCount = 0;
    m_position = 1;
    m_entry = nullptr;
    m_timesExpected = false;
    ++m_record;
}

namespace {
// Where the next run of ordinary bytes ends: the first line end or delimiter at or after
// i, sixteen bytes at a time where the processor can (the caller finishes the run).
qsizetype ordinaryRun(const unsigned char* p, qsizetype i, qsizetype n, int fd, int sd)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8(char(CR)), lf = _mm_set1_epi8(char(LF));
    const __m128i f = _mm_set1_epi8(char(fd >= 0 ? fd : CR));
    const __m128i s = _mm_set1_epi8(char(sd >= 0 ? sd : CR));
    for (; i + 16 <= n; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, cr), _mm_cmpeq_epi8(b, lf)),
                                         _mm_or_si128(_mm_cmpeq_epi8(b, f), _mm_cmpeq_epi8(b, s)));
        if (const int mask = _mm_movemask_epi8(hit))
            return i + __builtin_ctz(unsigned(mask));
    }
#else
    Q_UNUSED(p); Q_UNUSED(n); Q_UNUSED(fd); Q_UNUSED(sd);
#endif
    return i;
}

// A delimiter as a byte of the code page; -1 (never matching) when the code page lacks it.
int delimiterByte(QChar c)
{
    const QByteArray b = cp1252::encode(QStringView(&c, 1));
    return b == "?" && c != u'?' ? -1 : int(static_cast<unsigned char>(b[0]));
}
}

ImportResult DelimitedImport::readBytes(QByteArrayView bytes)
{
    begin(bytes);
    resume();
    return result();
}

void DelimitedImport::begin(QByteArrayView bytes)
{
    Q_ASSERT(!m_began);
    m_began = true;
    if (m_hooks.busy)
        m_hooks.busy->ShowBusyPointer();
    if (m_hooks.log)
        m_hooks.log->showCount(m_record);
    if (DetectImportEncoding(bytes) == TextEncoding::Windows1252) {
        // No copy of the whole text.
        m_bytes = reinterpret_cast<const unsigned char*>(bytes.data());
        m_size = bytes.size();
        m_fd = delimiterByte(m_delims.field);
        m_sd = delimiterByte(m_delims.string);
    } else {
        m_decoded = DecodeImportText(bytes);
        m_size = m_decoded.size();
        m_fd = m_delims.field.unicode();
        m_sd = m_delims.string.unicode();
    }
    // Units are told apart by one table look-up each.
    m_special[CR] = m_special[LF] = true;
    for (int d : {m_fd, m_sd}) {
        if (d >= 0 && d < 256)
            m_special[std::size_t(d)] = true;
    }
    m_buf.reserve(4096);
}

bool DelimitedImport::resume(Clock::time_point until)
{
    if (m_ended)
        return false;
    if (m_bytes) {
        return scan(m_bytes, until, [](std::u16string& buf, const unsigned char* from, qsizetype len) {
            const std::size_t at = buf.size();
            buf.resize(at + std::size_t(len));
            cp1252::decodeInto(reinterpret_cast<const char*>(from), len, buf.data() + at);
        });
    }
    return scan(QStringView(m_decoded).utf16(), until, [](std::u16string& buf, const char16_t* from, qsizetype len) {
        buf.append(from, std::size_t(len));
    });
}

void DelimitedImport::cancel()
{
    if (m_ended)
        return;
    if (m_hooks.log)
        m_hooks.log->addLogLine(QCoreApplication::translate("DelimitedImport", "IMPORT CANCELLED BY OPERATOR"));
    end(true);
}

void DelimitedImport::end(bool cancelled)
{
    m_ended = true;
    m_cancelled = cancelled;
    m_buf = {};
    m_decoded.clear();
    m_bytes = nullptr;
    if (m_hooks.busy)
        m_hooks.busy->ShowNormalPointer();
}

template <class Unit, class AppendRun>
bool DelimitedImport::scan(const Unit* p, Clock::time_point until, AppendRun appendRun)
{
    const qsizetype n = m_size;
    const int fd = m_fd, sd = m_sd;
    auto ordinary = [this, fd, sd](Unit c) {
        if constexpr (sizeof(Unit) == 1)
            return !m_special[c];
        else
            return c >= 256 ? int(c) != fd && int(c) != sd : !m_special[c];
    };
    const bool timed = until != Clock::time_point::max();
    std::u16string& buf = m_buf;
    auto text = [&buf] { return QStringView(buf.data(), qsizetype(buf.size())); };
    // A slice ends between records: nothing of a record is carried over but its position.
    bool quoted = false;
    bool started = false; // something of the current record has been read
    qsizetype i = m_at;
    while (i < n) {
        // Ordinary characters in one run.
        qsizetype j = i;
        if constexpr (sizeof(Unit) == 1)
            j = ordinaryRun(p, i, n, fd, sd);
        while (j < n && ordinary(p[j]))
            ++j;
        if (j > i) {
            appendRun(buf, p + i, j - i);
            started = true;
            i = j;
            continue;
        }
        const Unit c = p[i];
        if (c == CR || c == LF) {
            // CR, CR LF and a lone LF each end one record, quoted or not.
            ++i;
            if (c == CR && i < n && p[i] == LF)
                ++i;
            endRecord(text());
            buf.clear();
            quoted = false;
            started = false;
            if (timed && i < n && Clock::now() >= until) {
                m_at = i;
                return true;
            }
            continue;
        }
        started = true;
        ++i;
        if (int(c) == fd && !quoted) {
            entry();
            if (!storeField(text()))
                ++m_position;
            buf.clear();
        } else if (int(c) == fd) {
            buf.push_back(m_delims.field.unicode());
        } else if (quoted && i < n && int(p[i]) == sd) {
            buf.push_back(m_delims.string.unicode()); // a doubled string delimiter inside quotes is one character
            ++i;
        } else {
            quoted = !quoted;
        }
    }
    m_at = n;
    // A last record without a line end is a record too.
    if (started)
        endRecord(text());
    end(false);
    return false;
}

} // namespace vinaxo::exchange
