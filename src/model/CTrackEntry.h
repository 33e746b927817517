#pragma once
#include <QString>

namespace vinaxo {

class CEntries;
class CEntry;
class IElementIO;

// One track of a recording.
class CTrackEntry {
public:
    QString Key; // 1, 2, 3 ... within the recording, in order of addition
    QString CDTrackTitle;   // 181
    QString CDTrackTime;    // 182, MM:SS or empty
    QString CDTrackDesc;    // 183
    QString CDTrackArtists; // 184

    IElementIO* FileIO = nullptr;
    CEntries* Entries = nullptr;
    CEntry* Entry = nullptr;

    // Trimmed; empty clears the time; a valid time is stored; anything else is reported
    // ("Invalid Track Time") and false is returned with the time unchanged.
    bool setCDTrackTimeStr(const QString& text);

    // The track block of the collection file through FileIO; as CEntry::LoadEntry.
    void SaveTrackEntry();
    bool LoadTrackEntry();
};

} // namespace vinaxo
