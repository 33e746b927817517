#pragma once
// The delimited text reader: one new recording per record of the text, its fields
// matched with the selected-field table, rejected values logged line by line.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"

#include "exchange/TextPool.h"
#include "model/CTrackEntry.h"

#include <QDate>
#include <QString>
#include <array>
#include <chrono>
#include <QStringList>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>
#include <QStringView>

namespace vinaxo {
class CEntries;
class CEntry;
}

namespace vinaxo::exchange {

struct ImportResult {
    qint32 recordNumber = 1; // the record number after the run: records read + 1
    qint32 recordsAdded = 0;
    bool cancelled = false;
    qint32 duplicates = 0;    // recordings added that duplicate one held or read before
    QStringList addedKeys;    // the recordings added, in order (filled by StartImport)
    qint32 recordsRead() const { return recordNumber - 1; }
};

class DelimitedImport {
public:
    DelimitedImport(CEntries& entries, const ColTable& table, Delimiters delimiters,
                    ExchangeHooks hooks = {});

    using Clock = std::chrono::steady_clock;

    // Reads the bytes of a file (UTF-8 or Windows-1252) at once. The recordings are added
    // to the collection as they are read; a cancelled run keeps them.
    ImportResult readBytes(QByteArrayView bytes);

    // The same a part at a time: begin() takes the bytes (kept by the caller until the
    // reading has ended), resume() reads whole records until the text ends or `until`
    // has passed and says whether more remains.
    void begin(QByteArrayView bytes);
    bool resume(Clock::time_point until = Clock::time_point::max());
    // Stops after the records read so far (kept), logging that the operator cancelled.
    void cancel();
    bool ended() const { return m_ended; }
    ImportResult result() const { return ImportResult{m_record, m_added, m_cancelled}; }

private:
    // Stores the text of one field; true when it was the track times of a
    // "Track Titles/Times" entry (which take no position of their own).
    bool storeField(QStringView t);
    void storeCatalogueField(int number, QStringView t);
    void readTrackTitles(QStringView t);
    std::optional<QDate> purchaseDate(QStringView t);
    void readTrackTimes(QStringView t);
    void logLine(const QString& what, QStringView t = {});
    CEntry& entry();
    void endRecord(QStringView t);
    // The reader itself, on UTF-16 units or on Windows-1252 bytes; the delimiters are
    // given as units (-1 never matches), appendRun decodes a run of ordinary units.
    template <class Unit, class AppendRun>
    bool scan(const Unit* p, Clock::time_point until, AppendRun appendRun);
    void end(bool cancelled);

    CEntries& m_entries;
    ColTable m_table; // a copy: callers may pass a temporary
    Delimiters m_delims;
    ExchangeHooks m_hooks;

    // The text and where the reading is: between two calls of resume() always at the
    // start of a record.
    const unsigned char* m_bytes = nullptr; // Windows-1252 is read from the bytes themselves
    QString m_decoded;                      // other text decoded first
    qsizetype m_size = 0, m_at = 0;
    int m_fd = -1, m_sd = -1; // the delimiters as units of the text (-1 never matches)
    std::array<bool, 256> m_special{};
    std::u16string m_buf;
    bool m_began = false, m_ended = false, m_cancelled = false;

    // Run state
    qint32 m_record = 1;
    int m_position = 1;
    CEntry* m_entry = nullptr;
    bool m_timesExpected = false;
    qint32 m_added = 0;
    TextPool m_artists, m_labels, m_categories, m_mediums, m_texts;
    // Purchase dates read so far: parsing a date is slow, and collections repeat them.
    // Texts of up to fifteen Latin-1 characters (any date a locale writes in figures)
    // are keyed by those characters packed into two numbers, compared without a string.
    struct ShortText {
        quint64 low = 0, high = 0;
        bool operator==(const ShortText&) const = default;
        // False when the text is longer or has other characters.
        bool pack(QStringView text);
    };
    struct KnownDate {
        ShortText text;
        std::optional<QDate> date;
    };
    FlatTable<KnownDate> m_shortDates;
    std::unordered_map<QString, std::optional<QDate>> m_dates;
    // The current record's tracks, given to its recording when the record ends (packed,
    // as a loaded file's are); kept from record to record so that their texts reuse
    // their buffers.
    std::vector<CTrackEntry> m_tracks;
    qsizetype m_trackCount = 0;
};

} // namespace vinaxo::exchange
