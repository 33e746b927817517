#include "model/CEntries.h"
#include "model/CEntrySequence.h"
#include "model/TimeText.h"
#include "storage/CDConfig.h"

#include <utility>

namespace vinaxo {

QStringList ListedNames(const NameList& names)
{
    // A name of this text stands for a removed one and is never listed.
    static const QString deleted = QStringLiteral("**DELETED**");
    QStringList out;
    out.reserve(names.size());
    for (const auto& item : names) {
        if (item.value != deleted)
            out << item.value;
    }
    return out;
}

CEntries::CEntries(IMessageService& messages, const IFormats& formats, CEntrySequence& sequence,
                   CDConfig* config)
    : m_messages(messages), m_formats(formats), m_sequence(sequence), m_config(config)
{
    for (int key : ColumnKeys())
        AddCatalogueColumn(KeyText(key), m_columnNames);
}

CEntries::~CEntries()
{
    if (m_reclaimer.joinable())
        m_reclaimer.join();
}

void CEntries::retire(EntryList&& entries)
{
    if (m_reclaimer.joinable())
        m_reclaimer.join();
    // A recording holds only its own data and texts (shared texts count their users
    // atomically), so it can be freed anywhere once nothing names it.
    auto doomed = std::make_unique<EntryList>(std::move(entries));
    entries.clear(); // a moved-from list is valid but unspecified
    if (doomed->size() < 2048)
        return; // cheap enough here
    try {
        m_reclaimer = std::thread([list = std::move(doomed)]() mutable { list.reset(); });
    } catch (const std::system_error&) {
        // no thread to be had: freed here, when doomed goes
    }
}

bool CEntries::addName(NameList& list, QString& name)
{
    name = name.trimmed();
    if (name.isEmpty())
        return false;
    return list.add(name, name);
}

bool CEntries::AddNewArtist(QString& name) { return addName(m_artists, name); }
bool CEntries::AddNewLabel(QString& name) { return addName(m_labels, name); }

bool CEntries::AddNewCategory(QString& name)
{
    const bool added = addName(m_categories, name);
    if (added)
        DBChanged = true;
    return added;
}

bool CEntries::AddNewMedium(QString& name)
{
    const bool added = addName(m_mediums, name);
    if (added)
        DBChanged = true;
    return added;
}

bool CEntries::deleteName(NameList& list, const QString& name, bool inUse)
{
    if (inUse || list.isEmpty())
        return false;
    const QString* stored = list.find(name);
    if (!stored || stored->trimmed().isEmpty())
        return false;
    list.remove(name);
    DBChanged = true;
    return true;
}

bool CEntries::DeleteCategory(const QString& name)
{
    return deleteName(m_categories, name, FindEntriesWithCategory(name));
}

bool CEntries::DeleteMedium(const QString& name)
{
    return deleteName(m_mediums, name, FindEntriesWithMedium(name));
}

bool CEntries::FindEntriesWithCategory(const QString& name) const
{
    for (const auto& item : m_entries) {
        if (item.value->CDCategory.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool CEntries::FindEntriesWithMedium(const QString& name) const
{
    for (const auto& item : m_entries) {
        if (item.value->CDMedium.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

CEntry* CEntries::AddNewEntry()
{
    ++m_nextEntryKey;
    auto entry = std::make_unique<CEntry>(this);
    entry->CDKey = KeyText(m_nextEntryKey);
    CEntry* raw = entry.get();
    m_entries.addNew(raw->CDKey, std::move(entry)); // keys come from a counter
    m_curr = raw;
    touch(raw->CDKey);
    return raw;
}

void CEntries::touch(const QString& key)
{
    // A bounded list: past a few thousand keys a full rebuild is cheaper anyway.
    if (m_touched.all)
        return;
    if (m_touched.keys.size() >= 4096)
        touchAll();
    else
        m_touched.keys.push_back(key);
}

void CEntries::touchAll()
{
    m_touched.keys.clear();
    m_touched.all = true;
}

CEntries::Touched CEntries::TakeTouched() { return std::exchange(m_touched, Touched{}); }

void CEntries::forget(const CEntry* gone)
{
    if (m_previous == gone)
        m_previous = nullptr;
    if (m_curr == gone)
        m_curr = nullptr;
}

std::unique_ptr<CEntry> CEntries::TakeEntry(const QString& key)
{
    const qsizetype i = m_entries.indexOf(key);
    if (i < 0)
        return nullptr;
    std::unique_ptr<CEntry> entry = std::move(m_entries.at(i));
    m_entries.removeAt(i);
    forget(entry.get());
    touch(entry->CDKey);
    return entry;
}

bool CEntries::PutEntry(std::unique_ptr<CEntry> entry, qsizetype position)
{
    if (!entry || m_entries.contains(entry->CDKey))
        return false;
    entry->Entries = this;
    // New keys keep coming from above every key held.
    bool number = false;
    const qint32 n = entry->CDKey.toInt(&number);
    if (number && n > m_nextEntryKey)
        m_nextEntryKey = n;
    touch(entry->CDKey);
    const QString key = entry->CDKey;
    m_entries.insertAt(position, key, std::move(entry));
    return true;
}

std::unique_ptr<CEntry> CEntries::SwapEntry(std::unique_ptr<CEntry> entry)
{
    if (!entry)
        return nullptr;
    auto* slot = m_entries.find(entry->CDKey);
    if (!slot)
        return nullptr;
    entry->Entries = this;
    std::swap(*slot, entry);
    if (m_curr == entry.get())
        m_curr = slot->get();
    if (m_previous == entry.get())
        m_previous = slot->get();
    touch((*slot)->CDKey);
    return entry;
}

std::vector<std::unique_ptr<CEntry>> CEntries::TakeEntries(const QSet<QString>& keys)
{
    std::vector<std::unique_ptr<CEntry>> taken;
    if (keys.isEmpty())
        return taken;
    taken.reserve(std::size_t(keys.size()));
    m_entries.removeIf([&](EntryList::Item& item) {
        if (!keys.contains(item.key))
            return false;
        forget(item.value.get());
        taken.push_back(std::move(item.value));
        return true;
    });
    if (taken.size() > 4096)
        touchAll();
    else
        for (const auto& e : taken)
            touch(e->CDKey);
    return taken;
}

bool CEntries::LocateEntryByKey(const QString& key)
{
    bool found = false;
    if (auto* e = m_entries.find(key)) {
        m_curr = e->get();
        m_sequence.Locate(key);
        found = true;
    }
    m_lastAction = ActionLocated;
    m_lastActionKey = m_curr ? m_curr->CDKey : QString();
    return found;
}

bool CEntries::DeleteEntry(const QString& keyText)
{
    const QString key = keyText; // the caller's text may belong to the entry removed here
    CEntry* old = m_curr;
    if (!m_entries.isEmpty()) {
        CEntry* successor = nullptr;
        const QString oldKey = old ? old->CDKey : QString();
        if (NextRecord() && m_curr && m_curr->CDKey != oldKey)
            successor = m_curr;
        else if (PrevRecord() && m_curr && m_curr->CDKey != oldKey)
            successor = m_curr;
        if (LocateEntryByKey(key)) {
            if (m_previous == m_curr)
                m_previous = nullptr;
            m_entries.remove(key);
            touch(key);
            m_curr = successor;
        }
    }
    return true;
}

void CEntries::ClearAllEntries()
{
    m_curr = nullptr;
    m_previous = nullptr;
    touchAll();
    retire(std::move(m_entries));
}

template <class Step>
bool CEntries::navigate(Step step)
{
    bool result = false;
    if (!m_entries.isEmpty())
        result = LocateEntryByKey(step());
    m_lastAction = ActionLocated;
    Changesmade = false;
    if (m_curr)
        m_lastActionKey = m_curr->CDKey;
    return result;
}

bool CEntries::FirstRecord() { return navigate([this] { return m_sequence.FirstKey(); }); }
bool CEntries::LastRecord() { return navigate([this] { return m_sequence.LastKey(); }); }
bool CEntries::NextRecord() { return navigate([this] { return m_sequence.NextKey(); }); }
bool CEntries::PrevRecord() { return navigate([this] { return m_sequence.PrevKey(); }); }

void CEntries::rememberView()
{
    if (m_config && Count() > 0 && m_currView)
        m_config->setLastViewName(m_currView->ViewName);
}

bool CEntries::AddNewView(QString& name)
{
    name = name.trimmed();
    if (name.isEmpty())
        return false;
    if (auto* v = m_views.find(name)) {
        m_currView = v->get();
    } else {
        auto view = std::make_unique<CView>();
        view->ViewName = name;
        m_currView = view.get();
        m_views.add(name, std::move(view));
    }
    rememberView();
    return true;
}

bool CEntries::AddNewViewObject(std::unique_ptr<CView> view)
{
    if (!view)
        return false;
    CView* raw = view.get();
    const QString name = raw->ViewName;
    if (auto* existing = m_views.find(name)) {
        m_currView = existing->get(); // the duplicate is dropped; the view of that name is current
        return false;
    }
    m_currView = raw;
    return m_views.add(name, std::move(view));
}

bool CEntries::LocateViewByName(const QString& name)
{
    bool found = false;
    if (auto* v = m_views.find(name)) {
        m_currView = v->get();
        found = true;
    } else if (!m_views.isEmpty()) {
        m_currView = m_views.at(0).get();
    }
    rememberView();
    return found;
}

bool CEntries::DeleteView(const QString& name)
{
    if (m_views.isEmpty() || !m_views.contains(name))
        return false;
    LocateViewByName(name);
    m_views.remove(name);
    m_currView = m_views.isEmpty() ? nullptr : m_views.at(0).get();
    if (m_config && m_currView)
        m_config->setLastViewName(m_currView->ViewName);
    return true;
}

void CEntries::ClearAllViews()
{
    m_currView = nullptr;
    m_views.clear();
}

void CEntries::ClearDatabase()
{
    ClearAllEntries();
    ClearAllArtists();
    ClearAllLabels();
    ClearAllCategories();
    ClearAllMediums();
    ClearAllViews();
    m_curr = nullptr;
    Changesmade = false;
    m_protectKeys = true;
    DBChanged = false;
    m_insertStarted = false;
}

bool CEntries::ActionAdd()
{
    m_previous = m_curr;
    AddNewEntry();
    m_protectKeys = false;
    m_insertStarted = true;
    Changesmade = true;
    return true;
}

bool CEntries::ActionPost()
{
    const bool inserting = m_insertStarted;
    m_protectKeys = true;
    DBChanged = true;
    m_lastAction = inserting ? ActionInserted : ActionUpdated;
    m_insertStarted = false;
    if (m_curr) {
        m_addedArtist = AddNewArtist(m_curr->CDArtist);
        m_addedLabel = AddNewLabel(m_curr->CDLabel);
        m_lastActionKey = m_curr->CDKey;
        touch(m_curr->CDKey);
        if (m_lastAction == ActionInserted)
            m_sequence.Add(m_curr->CDKey);
    }
    m_previous = nullptr;
    return true;
}

bool CEntries::ActionCancel()
{
    if (m_insertStarted && m_curr)
        DeleteEntry(m_curr->CDKey);
    Changesmade = false;
    m_lastActionKey.clear();
    if (m_previous) {
        m_curr = m_previous;
        m_previous = nullptr;
    }
    m_insertStarted = false;
    m_protectKeys = true;
    m_lastAction = ActionCancelled;
    return true;
}

bool CEntries::ActionDelete()
{
    bool result = false;
    if (m_curr) {
        m_lastActionKey = m_curr->CDKey;
        DeleteEntry(m_curr->CDKey);
        m_sequence.Delete();
        if (m_curr)
            m_sequence.Locate(m_curr->CDKey);
        result = true;
    }
    m_protectKeys = true;
    m_insertStarted = false;
    DBChanged = true;
    m_lastAction = ActionDeleted;
    return result;
}

} // namespace vinaxo
