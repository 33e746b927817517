#pragma once
#include <QString>

namespace vinaxo {

class CEntries;
class CEntry;
class IElementIO;

// One track of a recording, held by value in the recording's track list.
class CTrackEntry {
public:
    QString Key; // 1, 2, 3 ... within the recording, in order of addition
    QString CDTrackTitle;   // 181
    QString CDTrackTime;    // 182, MM:SS or empty
    QString CDTrackDesc;    // 183
    QString CDTrackArtists; // 184

    CEntry* Entry = nullptr; // the recording that holds the track
    // The collection and the file object are the recording's: a track does not carry
    // copies of them (there are a dozen tracks to every recording).
    CEntries* Entries() const;
    IElementIO* FileIO() const;

    // Trimmed; empty clears the time; a valid time is stored; anything else is reported
    // ("Invalid Track Time") and false is returned with the time unchanged.
    bool setCDTrackTimeStr(const QString& text);

    // The track block of the collection file through FileIO; as CEntry::LoadEntry.
    void SaveTrackEntry() const;
    bool LoadTrackEntry();
};

} // namespace vinaxo
