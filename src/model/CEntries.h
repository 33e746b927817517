#pragma once
// The in-memory collection: recordings, the four name lists, the views, the current
// entry with its edit protocol, navigation through the key sequence, the change flags.
#include "model/CEntry.h"
#include "model/CView.h"
#include "platform/KeyedList.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <thread>
#include <vector>

namespace vinaxo {

class CDConfig;
class CEntrySelection;
class CEntrySequence;
class IElementIO;
class IFormats;
class IMessageService;

using EntryList = KeyedList<std::unique_ptr<CEntry>>;
using NameList = KeyedList<QString>;
using ViewList = KeyedList<std::unique_ptr<CView>>;

// The names of a name list that drop-down lists and list windows show: all but the
// "**DELETED**" placeholder, in list order.
QStringList ListedNames(const NameList& names);

enum LastActionCode : qint32 {
    ActionNone = 0,
    ActionUpdated = 1,
    ActionInserted = 2,
    ActionDeleted = 3,
    ActionCancelled = 4,
    ActionLocated = 5,
};

class CEntries {
public:
    // The settings object may be null (then LastViewName is not kept).
    CEntries(IMessageService& messages, const IFormats& formats, CEntrySequence& sequence,
             CDConfig* config);
    ~CEntries();
    CEntries(const CEntries&) = delete;
    CEntries& operator=(const CEntries&) = delete;

    IMessageService& messages() const { return m_messages; }
    const IFormats& formats() const { return m_formats; }
    CEntrySequence& sequence() const { return m_sequence; }
    CDConfig* config() const { return m_config; }

    // Flags
    bool Changesmade = false;
    bool DBChanged = false;
    bool ProtectKeys() const { return m_protectKeys; }
    bool InsertStarted() const { return m_insertStarted; }
    bool AddedArtist() const { return m_addedArtist; }
    bool AddedLabel() const { return m_addedLabel; }
    const QString& LastActionKey() const { return m_lastActionKey; }
    qint32 LastAction() const { return m_lastAction; }

    CEntrySelection* EntrySelection = nullptr;
    IElementIO* FileIO = nullptr;

    EntryList& Entries() { return m_entries; }
    const EntryList& Entries() const { return m_entries; }
    CEntry* CurrEntry() const { return m_curr; }
    CEntry* PreviousEntry() const { return m_previous; }
    CView* CurrView() const { return m_currView; }
    qint32 NextEntryKey() const { return m_nextEntryKey; }
    qint32 Count() const { return static_cast<qint32>(m_entries.size()); }
    bool ValidEntry() const { return m_curr != nullptr; }

    NameList& ArtistEntries() { return m_artists; }
    NameList& LabelEntries() { return m_labels; }
    NameList& CategoryEntries() { return m_categories; }
    NameList& MediumEntries() { return m_mediums; }
    const NameList& ArtistEntries() const { return m_artists; }
    const NameList& LabelEntries() const { return m_labels; }
    const NameList& CategoryEntries() const { return m_categories; }
    const NameList& MediumEntries() const { return m_mediums; }
    ViewList& ViewEntries() { return m_views; }
    const ViewList& ViewEntries() const { return m_views; }
    const ColumnList& ColumnNames() const { return m_columnNames; }

    // Name lists. The name is trimmed in the caller's text too.
    bool AddNewArtist(QString& name);
    bool AddNewLabel(QString& name);
    bool AddNewCategory(QString& name);
    bool AddNewMedium(QString& name);
    bool AddNewArtist(const QString& name) { QString n = name; return AddNewArtist(n); }
    bool AddNewLabel(const QString& name) { QString n = name; return AddNewLabel(n); }
    bool AddNewCategory(const QString& name) { QString n = name; return AddNewCategory(n); }
    bool AddNewMedium(const QString& name) { QString n = name; return AddNewMedium(n); }
    bool DeleteCategory(const QString& name);
    bool DeleteMedium(const QString& name);
    bool FindEntriesWithCategory(const QString& name) const;
    bool FindEntriesWithMedium(const QString& name) const;
    void ClearAllArtists() { m_artists.clear(); }
    void ClearAllLabels() { m_labels.clear(); }
    void ClearAllCategories() { m_categories.clear(); }
    void ClearAllMediums() { m_mediums.clear(); }

    // Recordings
    CEntry* AddNewEntry();
    bool LocateEntryByKey(const QString& key);
    bool DeleteEntry(const QString& key);
    void ClearAllEntries();
    bool FirstRecord();
    bool LastRecord();
    bool NextRecord();
    bool PrevRecord();

    // Recordings taken out and put back with their keys, for taking changes back. The
    // current recording is never left naming one taken out. The position is the index
    // in the collection's order.
    qsizetype IndexOfEntry(const QString& key) const { return m_entries.indexOf(key); }
    std::unique_ptr<CEntry> TakeEntry(const QString& key);
    // False (the entry is dropped) when its key is already held.
    bool PutEntry(std::unique_ptr<CEntry> entry, qsizetype position);
    // The held recording of the same key replaced by `entry`; the one it replaced (null,
    // with `entry` dropped, when the key is not held).
    std::unique_ptr<CEntry> SwapEntry(std::unique_ptr<CEntry> entry);
    // Every recording whose key is in `keys`, in collection order, in one pass.
    std::vector<std::unique_ptr<CEntry>> TakeEntries(const QSet<QString>& keys);

    // The keys of recordings added, posted, removed or put back since the last call, for
    // indexes that follow the collection; `all` is set (and no keys given) when there
    // were too many to list or the whole collection went.
    struct Touched {
        std::vector<QString> keys;
        bool all = false;
    };
    Touched TakeTouched();

    // Views
    bool AddNewView(QString& name);
    bool AddNewView(const QString& name) { QString n = name; return AddNewView(n); }
    bool AddNewViewObject(std::unique_ptr<CView> view);
    bool LocateViewByName(const QString& name);
    bool VerifyViewByName(const QString& name) const { return m_views.contains(name); }
    bool DeleteView(const QString& name);
    void ClearAllViews();

    void ClearDatabase();

    // The collection file's body up to the recordings, through FileIO: categories,
    // mediums, views. (The recordings are saved one by one.)
    void SaveListsAndViews();
    // One text element added to the category / medium list; false when the stream ended.
    bool LoadCategoryEntry();
    bool LoadMediumEntry();

    // Edit protocol
    bool ActionAdd();
    bool ActionPost();
    bool ActionCancel();
    bool ActionDelete();

private:
    bool addName(NameList& list, QString& name);
    // Frees recordings that are no longer reachable, on a thread of its own when there
    // are many, so that emptying a large collection returns at once.
    void retire(EntryList&& entries);
    bool deleteName(NameList& list, const QString& name, bool inUse);
    template <class Step>
    bool navigate(Step step);
    void rememberView();
    void touch(const QString& key);
    void touchAll();
    // m_curr and m_previous no longer name `gone`.
    void forget(const CEntry* gone);

    IMessageService& m_messages;
    const IFormats& m_formats;
    CEntrySequence& m_sequence;
    CDConfig* m_config;

    bool m_protectKeys = true;
    bool m_insertStarted = false;
    bool m_addedArtist = false;
    bool m_addedLabel = false;
    QString m_lastActionKey;
    qint32 m_lastAction = ActionNone;

    EntryList m_entries;
    CEntry* m_curr = nullptr;
    CEntry* m_previous = nullptr;
    CView* m_currView = nullptr;
    qint32 m_nextEntryKey = 0;

    NameList m_artists, m_labels, m_categories, m_mediums;
    ViewList m_views;
    ColumnList m_columnNames;
    Touched m_touched;
    std::thread m_reclaimer; // the last retire's, joined before the next and at the end
};

} // namespace vinaxo
