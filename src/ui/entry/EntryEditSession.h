#pragma once
// The entry editor's rules without its widgets: what each page shows, how a page is
// written back into the current recording, the save protocol with its posting and the
// main window's notice, the moves, insert, cancel and delete, and the name lists of the
// drop-down boxes. The window reads its controls into the field records and routes.
#include "ui/entry/CoverLoader.h"
#include "ui/entry/TrackListEditor.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace vinaxo {

class CEntries;
class CEntry;
class IBusyPointer;
class ICDAudioDevice;
class IWindows;
class Workspace;

enum class EntryPage { Detail = 0, Additional = 1, Tracks = 2 }; // the tab index

struct DetailFields {
    QString title, artist, description, relYear, catalogNbr, label, category, medium,
        location, collectionNbr, comments;
};

struct AdditionalFields {
    QString composer, conductor, key1, key2, key3, purchDate, purchCost, awards;
    int rateSound = 0, ratePerform = 0;
};

struct TracksFields {
    int nbrDisks = 1, nbrTracks = 0;
    QString totalTime;
};

// What the controls of the current page hold when the editor saves.
struct PageEdits {
    DetailFields detail;
    AdditionalFields additional;
    TracksFields tracks;
    TrackFields track; // the selected track's boxes (stored when the track-edited flag is set)
};

class EntryEditSession {
public:
    EntryEditSession(Workspace& ws, IWindows* windows);
    ~EntryEditSession();

    Workspace& workspace() const { return m_ws; }
    CEntries& entries() const;
    TrackListEditor& tracks() { return m_tracks; }

    EntryPage page() const { return m_page; }
    void setPage(EntryPage p) { m_page = p; }

    // What the pages show of the current entry (empty records when there is none).
    DetailFields detail() const;
    AdditionalFields additional() const;
    TracksFields tracksFields() const;
    // Status panel: "artist / title", empty without a current entry.
    QString statusText() const;
    // Title and artist are locked while the collection protects the keys.
    bool keysLocked() const;

    // A user edit: the entry counts as changed ("Post" is then enabled).
    void markChanged();

    struct SaveResult {
        bool ok = true;       // false: a value was rejected, the caller stays where it is
        // The new recording duplicated one held and the user chose to see that one: the
        // new one is gone and the one held is current (ok is false).
        bool showedExisting = false;
        bool posted = false;  // the entry was posted and the main window told
        bool addedArtist = false, addedLabel = false; // new names for the Detail page's lists
    };
    // The save protocol: nothing when the entry has no changes; otherwise the current
    // page is written back and the entry posted. A rejected value puts the value the
    // entry kept back into `edits` (the window shows it again) and nothing is posted.
    SaveResult saveChanges(PageEdits& edits);

    enum class Move { First, Prev, Next, Last };
    // After a successful save. True when there is an entry to show.
    bool move(Move m);
    // Starts a new entry on the Detail page.
    bool insert();
    bool cancel();
    // Asks, then deletes the current entry and tells the main window. True when deleted.
    bool deleteCurrent();
    // Passes LastAction and LastActionKey to the main window.
    void notify() const;

    // The item shown for a category (the last one equal ignoring case) or a medium
    // (exactly equal); -1 when none matches, the selection then stays as it was.
    static int categoryIndex(const QStringList& items, const QString& category);
    static int mediumIndex(const QStringList& items, const QString& medium);

    struct Refills {
        bool artists = false, labels = false, categories = false, mediums = false;
    };
    // The lists to reload now; their flags are cleared.
    Refills takeRefills();

    // --- activation ----------------------------------------------------------------
    // The page now shows the current entry (called after every fill).
    void shown();
    // The window became active: the lists to reload, and whether the page is filled
    // again. Edits that a failed save left on the page stay there for the user to
    // correct while the page still shows the same entry.
    struct Activation {
        Refills refills;
        bool refresh = true;
    };
    Activation activate();
    // Leaving the window saves, unless it is hidden or its own message box or dialog
    // took the focus.
    static bool savesOnDeactivate(bool modalOpen, bool visible) { return visible && !modalOpen; }
    // After that save: a saved page has no pending track edits.
    void deactivated(bool saved);

    // --- tracks page commands --------------------------------------------------------
    enum class Outcome { NoEntry, BadCount, Unreadable, Declined, Replaced };
    // "Blank": the count must be from 1 to 100 (else its message, BadCount); asks
    // before clearing; then `count` empty tracks of "00:00".
    Outcome blankTracks(int count);
    // "&Read CD": reads the disc (busy pointer meanwhile); an unreadable disc gives its
    // message; tracks with a title or description are replaced only when the user says
    // so; `boxes` are the selected track's boxes, whose typed text counts too while the
    // track-edited flag is set. Without a device there is nothing to read from
    // (Unreadable, no message).
    Outcome readDisc(ICDAudioDevice* device, IBusyPointer& busy, const TrackFields& boxes = {});

    // --- picture -----------------------------------------------------------------------
    // What the picture area shows for the current entry: the user's picture not yet saved
    // in the editor, then one waiting for the collection to be saved, then the stored file.
    CoverSource coverSource() const;
    // The user's new picture for the current entry, from a file; false (nothing changes)
    // when there is no entry or the file cannot be read or is neither JPEG nor PNG.
    bool setCover(const QString& path);
    // The current entry is to have no picture.
    bool removeCover();

    // --- keyboard ----------------------------------------------------------------------
    // What Esc does: cancels a new entry; closes the window when nothing is being
    // edited; nothing while edits of an existing entry are pending (they are neither
    // dropped nor saved unasked).
    enum class EscapeCommand { None, Cancel, Close };
    static EscapeCommand escapeCommand(bool newEntryPending, bool changesPending);

    // The question asked before a new recording that duplicates one held is added.
    static const QString DuplicateText;
    static const QString DuplicateTitle;
    enum class DuplicateChoice { Add, Keep, ShowExisting };
    // Asks when `entry` duplicates a recording held: Add when it does not or the user says
    // Yes. `existing` gets the key of the one held.
    static DuplicateChoice askDuplicate(Workspace& ws, const CEntry& entry, QString* existing = nullptr);
    // ShowExisting: the new recording is dropped, the one held made current and selected.
    static void showExisting(Workspace& ws, IWindows* windows, const QString& key);

private:
    bool storeDetail(DetailFields& f);
    bool storeAdditional(AdditionalFields& f);
    bool storeTracks(PageEdits& edits);

    Workspace& m_ws;
    IWindows* m_windows;
    TrackListEditor m_tracks;
    EntryPage m_page = EntryPage::Detail;
    const CEntry* m_shown = nullptr; // compared only, never followed
    // A picture set or removed here, carried into the collection's pending pictures when
    // the entry is posted; dropped with the entry's other unsaved edits.
    struct StagedCover {
        QString key;
        QByteArray image; // empty: removed
    };
    std::optional<StagedCover> m_cover;
    // The shown recording as it was before the edits now pending, for taking them back.
    std::unique_ptr<CEntry> m_before;
};

} // namespace vinaxo
