#pragma once
// What the lookup window stores, without widgets: the entry filled from a lookup in its
// fixed order, the add and update runs with their mismatch question, and the small rules
// of showing a result (the category item, the track times read from the disc).
#include <QString>
#include <QStringList>

namespace vinaxo {

class CEntry;
class ICDAudioDevice;
class IWindows;
class Workspace;

// The result as the window holds it: title, artist and category as the user may have
// edited them, the rest as found.
struct LookupFields {
    QString title;
    QString artist;
    QString year;
    QString category;
    QString description;
    QStringList tracks;
    QStringList trackExtensions;
    QStringList times; // the time of track n at n - 1; missing or empty: no time
    // Only MusicBrainz gives these; empty leaves the recording's own.
    QString label;
    QString catalogNumber;
};

// The item a found category selects: the last one equal to it in any letter case, or -1.
int MatchingCategoryIndex(const QStringList& items, const QString& category);

// The times ("mm:ss") of tracks 1 to count, read from the disc in one opening; a track the
// disc does not have, or a disc that cannot be read, gives empty times.
QStringList ReadTrackTimes(ICDAudioDevice& device, const QString& driveOrImage, int count);

// The edited recording differs from the result: title or artist, letter case counting.
bool EntryMismatch(const CEntry& entry, const QString& title, const QString& artist);

// What a fill does to the fields no reply carries (comments, collection number,
// location, catalogue number, label): a new recording starts them empty; an updated one
// keeps them, as they are the user's own.
enum class LookupFill { NewRecording, Update };

// Fills the recording from the result, in the order the lookup has always used (fields,
// tracks with their times and texts, the totals, the name lists, the editor's refill
// flags). The recording is the collection's current one, being added or updated.
bool FillEntry(Workspace& ws, CEntry& entry, const LookupFields& fields, LookupFill fill);

class LookupApply {
public:
    // windows may be null (no main window): EntryChanged is then not reported.
    LookupApply(Workspace& ws, IWindows* windows) : m_ws(ws), m_windows(windows) {}

    // A new recording from the result. True when it was posted. A recording held with
    // the same key fields is asked about first; nothing is added unless the user says Yes.
    bool Add(const LookupFields& fields);
    // The last Add was declined for the recording held, now current and selected.
    bool showedExisting = false;
    // The current recording overwritten by the result, after asking when title or artist
    // differ. True when it was posted; false when refused or when there is none.
    bool Update(const LookupFields& fields);

    static const QString MismatchText;
    static const QString MismatchTitle;

private:
    bool fillAndPost(const LookupFields& fields, LookupFill fill);
    void reportChange();

    Workspace& m_ws;
    IWindows* m_windows;
};

} // namespace vinaxo
