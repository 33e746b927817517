#pragma once
// A recording: its fields, its ordered track list, and their display texts.
#include "model/CTrackEntry.h"
#include "model/TrackList.h"
#include "platform/Currency.h"
#include "platform/KeyedList.h"
#include "platform/OleDate.h"

#include <QString>
#include <memory>
#include <optional>
#include <tuple>

namespace vinaxo {

class CEntries;
class IElementIO;
class IMessageService;
class IFormats;

// Field numbers: element codes in the file, column keys of views, GetDataForColumn keys.
namespace Field {
enum : int {
    Artist = 101, Awards = 102, Category = 103, Catnbr = 104, CollNbr = 105, Comments = 106,
    Composer = 107, Conductor = 108, Desc = 109, Label = 111, Location = 112, Medium = 113,
    MiscKey1 = 114, MiscKey2 = 115, MiscKey3 = 116, NbrDisks = 117, NbrTracks = 118,
    PurchCost = 119, PurchDate = 120, RatePerform = 121, RateSound = 122, RelYear = 123,
    SongsDescLength = 124, SongsLength = 125, SongsTimeLength = 126, Title = 127,
    TotalTime = 128, TrackTitle = 181, TrackTime = 182, TrackDesc = 183, TrackArtists = 184,
    TrackTitlesTimes = 185,
};
}

class CEntry {
public:
    explicit CEntry(CEntries* owner = nullptr);
    ~CEntry();
    CEntry(const CEntry&) = delete;
    CEntry& operator=(const CEntry&) = delete;

    QString CDKey;
    QString CDTitle;
    QString CDArtist;
    QString CDDesc;
    QString CDCategory;
    QString CDLabel;
    QString CDCatnbr;
    qint16 CDNbrDisks = 1;
    QString CDMedium;
    qint16 CDRelYear = 0;
    qint16 CDRateSound = 0;
    qint16 CDRatePerform = 0;
    QString CDComposer;
    QString CDConductor;
    std::optional<OleDate> CDPurchDate;
    Currency CDPurchCost;
    QString CDLocation;
    QString CDCollNbr;
    QString CDMiscKey1;
    QString CDMiscKey2;
    QString CDMiscKey3;
    qint16 CDNbrTracks = 0;
    QString CDTotalTime;
    QString CDAwards;
    QString CDComments;
    qint16 CDSongsLength = 0;
    qint16 CDSongsTimeLength = 0;
    qint16 CDSongsDescLength = 0;
    bool Selected = false;

    IElementIO* FileIO = nullptr;
    CEntries* Entries = nullptr;

    TrackList& TrackEntries() { return m_tracks; }
    const TrackList& TrackEntries() const { return m_tracks; }
    CTrackEntry* CurrTrack() const { return m_tracks.current(); }
    qint32 NextTrackKey() const { return m_nextTrackKey; }

    QString FormattedCDRelYear() const;
    QString FormattedCDPurchDate() const;
    QString FormattedCDPurchaseCost() const;

    // The text setters. Those that return bool report a rejected text with their own
    // message and return false, leaving the field as it was.
    void setCDRelYearStr(const QString& text);
    bool setCDTotalTimeStr(const QString& text);
    bool setCDPurchDateStr(const QString& text);
    bool setCDPurchCostStr(const QString& text);

    // A copy with the same key, fields and tracks (their keys and the current one kept),
    // belonging to the same collection but held in none of its lists. Only reads the
    // original, so a save can copy on two threads while the window's thread waits.
    std::unique_ptr<CEntry> Clone() const;
    // True when `copy` (a Clone of this) is known to hold what this holds still: its texts
    // still shared, nothing else changed. False says only "not known"; cheap, for reusing
    // copies from one snapshot to the next.
    bool SameAs(const CEntry& copy) const;

    void ClearAllEntries();
    CTrackEntry* AddNewTrackEntry();
    bool LocateTrackByKey(const QString& key);
    // Adds tracks with these texts at the end, as AddNewTrackEntry would one by one (the
    // last becomes current), packed where they can be (see TrackList).
    void AddTracks(const CTrackEntry* tracks, qsizetype count);

    // The entry block of the collection file through FileIO. LoadEntry reads up to and
    // including the end code; false when an unlisted code (or the end of the stream)
    // ended the block early, after reporting it.
    void SaveEntry();
    bool LoadEntry();

    // The display text of one field by its number; a key that names no field is reported.
    QString GetDataForColumn(const QString& key) const;
    QString GetDataForColumn(int key) const;
    // The same without the report, for callers that check the key themselves.
    static bool HasColumnData(int key);

private:
    // The fields a copy carries besides the texts and tracks, to copy and compare at once.
    template <class E>
    static auto scalars(E& e)
    {
        return std::tie(e.CDNbrDisks, e.CDRelYear, e.CDRateSound, e.CDRatePerform, e.CDPurchDate,
                        e.CDPurchCost, e.CDNbrTracks, e.CDSongsLength, e.CDSongsTimeLength,
                        e.CDSongsDescLength, e.Selected, e.m_nextTrackKey);
    }
    IMessageService* messages() const;
    const IFormats* formats() const;

    TrackList m_tracks;
    qint32 m_nextTrackKey = 0;
};

// The text shown for an invalid total or track time.
QString InvalidTimeText();

} // namespace vinaxo
