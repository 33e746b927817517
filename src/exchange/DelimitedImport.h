#pragma once
// The delimited text reader: one new recording per record of the text, its fields
// matched with the selected-field table, rejected values logged line by line.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"

#include "exchange/TextPool.h"
#include "model/CTrackEntry.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
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

    // Reads decoded text. The recordings are added to the collection as they are read;
    // a cancelled run keeps them.
    ImportResult read(QStringView text);
    // Decodes the bytes of a file first (UTF-8 or Windows-1252).
    ImportResult readBytes(QByteArrayView bytes);

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
    ImportResult scan(const Unit* p, qsizetype n, int fd, int sd, AppendRun appendRun);

    CEntries& m_entries;
    ColTable m_table; // a copy: callers may pass a temporary
    Delimiters m_delims;
    ExchangeHooks m_hooks;

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
