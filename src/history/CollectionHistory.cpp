#include "history/CollectionHistory.h"

#include "model/CEntries.h"
#include "model/Workspace.h"

#include <QCoreApplication>
#include <QSet>
#include <QUndoCommand>
#include <vector>

namespace vinaxo {

// One step. Pushing a command runs its redo(); the change has already been made by then,
// so the first redo does nothing.
class HistoryStep : public QUndoCommand {
public:
    HistoryStep(CollectionHistory& history, const QString& text) : m_history(history) { setText(text); }
    void setLists(std::unique_ptr<CollectionHistory::ListsChange> lists) { m_lists = std::move(lists); }

    void undo() override
    {
        const QString shown = undoStep();
        if (m_lists)
            m_history.restoreLists(m_lists->before);
        m_history.finish(shown);
    }
    void redo() override
    {
        if (std::exchange(m_first, false))
            return;
        if (m_lists)
            m_history.restoreLists(m_lists->after);
        m_history.finish(redoStep());
    }

protected:
    CEntries& entries() const { return m_history.workspace().entries; }
    // Each returns the key of the recording to show afterwards, or "".
    virtual QString undoStep() { return {}; }
    virtual QString redoStep() { return {}; }

private:
    CollectionHistory& m_history;
    std::unique_ptr<CollectionHistory::ListsChange> m_lists;
    bool m_first = true;
};

namespace {

// A recording added: undo takes it out (and keeps it), redo puts it back.
class AddStep final : public HistoryStep {
public:
    AddStep(CollectionHistory& h, const QString& text, const QString& key) : HistoryStep(h, text), m_key(key) {}

protected:
    QString undoStep() override
    {
        m_position = entries().IndexOfEntry(m_key);
        m_held = entries().TakeEntry(m_key);
        return {};
    }
    QString redoStep() override
    {
        entries().PutEntry(std::move(m_held), m_position);
        return m_key;
    }

private:
    QString m_key;
    qsizetype m_position = 0;
    std::unique_ptr<CEntry> m_held;
};

// A recording deleted: the reverse of an add.
class DeleteStep final : public HistoryStep {
public:
    DeleteStep(CollectionHistory& h, const QString& text, std::unique_ptr<CEntry> copy, qsizetype position)
        : HistoryStep(h, text), m_key(copy->CDKey), m_position(position), m_held(std::move(copy))
    {
    }

protected:
    QString undoStep() override
    {
        entries().PutEntry(std::move(m_held), m_position);
        return m_key;
    }
    QString redoStep() override
    {
        m_position = entries().IndexOfEntry(m_key);
        m_held = entries().TakeEntry(m_key);
        return {};
    }

private:
    QString m_key;
    qsizetype m_position;
    std::unique_ptr<CEntry> m_held;
};

// A recording edited: the other version is held, and each way swaps it in.
class EditStep final : public HistoryStep {
public:
    EditStep(CollectionHistory& h, const QString& text, std::unique_ptr<CEntry> before)
        : HistoryStep(h, text), m_key(before->CDKey), m_other(std::move(before))
    {
    }

protected:
    QString undoStep() override { return swap(); }
    QString redoStep() override { return swap(); }

private:
    QString swap()
    {
        if (auto replaced = entries().SwapEntry(std::move(m_other)))
            m_other = std::move(replaced);
        return m_key;
    }
    QString m_key;
    std::unique_ptr<CEntry> m_other;
};

// An import: only the keys while it stands; the recordings themselves while undone.
class ImportStep final : public HistoryStep {
public:
    ImportStep(CollectionHistory& h, const QString& text, const QStringList& keys)
        : HistoryStep(h, text), m_keys(keys.cbegin(), keys.cend())
    {
    }

protected:
    QString undoStep() override
    {
        m_held = entries().TakeEntries(m_keys);
        return {};
    }
    QString redoStep() override
    {
        for (auto& e : m_held)
            entries().PutEntry(std::move(e), entries().Count());
        m_held.clear();
        return {};
    }

private:
    QSet<QString> m_keys;
    std::vector<std::unique_ptr<CEntry>> m_held;
};

void setNames(NameList& list, const QStringList& names)
{
    list.clear();
    for (const QString& n : names)
        list.add(n, n);
}

QStringList namesOf(const NameList& list)
{
    QStringList out;
    out.reserve(list.size());
    for (const auto& item : list)
        out << item.value;
    return out;
}

} // namespace

CollectionHistory::CollectionHistory(Workspace& ws) : m_ws(ws)
{
    m_stack.setUndoLimit(Limit);
    m_lists = currentLists();
}

CollectionHistory::~CollectionHistory() = default;

QString CollectionHistory::StepText(const QString& verb, const QString& title)
{
    constexpr qsizetype longest = 40;
    QString t = title.trimmed();
    if (t.size() > longest)
        t = t.left(longest - 1) + QChar(0x2026);
    return verb + QStringLiteral(" '") + t + u'\'';
}

CollectionHistory::Lists CollectionHistory::currentLists() const
{
    return {namesOf(m_ws.entries.CategoryEntries()), namesOf(m_ws.entries.MediumEntries())};
}

std::unique_ptr<CollectionHistory::ListsChange> CollectionHistory::takeListsChange()
{
    Lists now = currentLists();
    if (now == m_lists)
        return nullptr;
    auto change = std::make_unique<ListsChange>(ListsChange{std::move(m_lists), now});
    m_lists = std::move(now);
    return change;
}

void CollectionHistory::restoreLists(const Lists& lists)
{
    setNames(m_ws.entries.CategoryEntries(), lists.categories);
    setNames(m_ws.entries.MediumEntries(), lists.mediums);
    m_lists = lists;
    m_ws.refillCategories = m_ws.refillMediums = true;
}

void CollectionHistory::finish(const QString& shownKey)
{
    // Taking back a change after a save is a change to save again.
    m_ws.entries.DBChanged = true;
    m_ws.rebuildList = true;
    if (applied)
        applied(shownKey);
}

void CollectionHistory::push(HistoryStep* step)
{
    step->setLists(takeListsChange());
    m_stack.push(step);
}

void CollectionHistory::clear()
{
    m_stack.clear();
    m_lists = currentLists();
}

void CollectionHistory::added(const QString& key, const QString& verb)
{
    const auto* e = m_ws.entries.Entries().find(key);
    if (!e)
        return;
    push(new AddStep(*this, StepText(verb, (*e)->CDTitle), key));
}

void CollectionHistory::edited(std::unique_ptr<CEntry> before, const QString& verb)
{
    if (!before)
        return;
    const auto* now = m_ws.entries.Entries().find(before->CDKey);
    if (!now)
        return;
    const QString text = StepText(verb, (*now)->CDTitle);
    push(new EditStep(*this, text, std::move(before)));
}

void CollectionHistory::deleted(std::unique_ptr<CEntry> copy, qsizetype position)
{
    if (!copy)
        return;
    const QString text = StepText(QCoreApplication::translate("CollectionHistory", "Delete"), copy->CDTitle);
    push(new DeleteStep(*this, text, std::move(copy), position));
}

void CollectionHistory::imported(const QStringList& keys)
{
    if (keys.isEmpty())
        return;
    const QString text = keys.size() == 1
        ? QCoreApplication::translate("CollectionHistory", "Import of 1 Recording")
        : QCoreApplication::translate("CollectionHistory", "Import of %1 Recordings").arg(keys.size());
    push(new ImportStep(*this, text, keys));
}

void CollectionHistory::listsChanged(const QString& text)
{
    auto change = takeListsChange();
    if (!change)
        return;
    auto* step = new HistoryStep(*this, text);
    step->setLists(std::move(change));
    m_stack.push(step);
}

} // namespace vinaxo
