#pragma once
// The changes to the collection that can be taken back and made again. Each step undoes
// and redoes one of the model's operations and keeps the keys it needs: an undone
// delete brings the recording back under its key, at its place, with its tracks.
//
// Steps are recorded after the change has been made by its usual path. The category and
// medium lists are compared with how the last step left them, so a step that changed
// them (a lookup's Add, the list windows, an import) takes that back as well.
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <memory>

namespace vinaxo {

class CEntry;
class HistoryStep;
class Workspace;

class CollectionHistory {
public:
    // The steps kept; older ones are forgotten.
    static constexpr int Limit = 100;

    explicit CollectionHistory(Workspace& ws);
    ~CollectionHistory();
    CollectionHistory(const CollectionHistory&) = delete;
    CollectionHistory& operator=(const CollectionHistory&) = delete;

    QUndoStack& stack() { return m_stack; }
    Workspace& workspace() const { return m_ws; }

    // The collection was emptied or replaced: nothing is left to take back.
    void clear();

    // A recording was posted as new (`verb`: "Add", "Lookup Add").
    void added(const QString& key, const QString& verb);
    // A recording was posted over its former self; `before` is a copy of that (Clone).
    void edited(std::unique_ptr<CEntry> before, const QString& verb);
    // A recording was deleted; `copy` is a copy of it (Clone), `position` its index.
    void deleted(std::unique_ptr<CEntry> copy, qsizetype position);
    // These recordings were imported, at the end of the collection.
    void imported(const QStringList& keys);
    // The category or medium list was changed (and nothing else).
    void listsChanged(const QString& text);

    // After an undo or a redo: the recording to make current ("" keeps the list's place).
    std::function<void(const QString& key)> applied;

    // "Delete 'Noche'": the verb and the recording's title, shortened when long.
    static QString StepText(const QString& verb, const QString& title);

    // For the steps.
    struct Lists {
        QStringList categories, mediums;
        bool operator==(const Lists&) const = default;
    };
    struct ListsChange {
        Lists before, after;
    };
    void restoreLists(const Lists& lists);
    void finish(const QString& shownKey);

private:
    Lists currentLists() const;
    // The lists before and after, when they changed since the last step.
    std::unique_ptr<ListsChange> takeListsChange();
    void push(HistoryStep* step);

    Workspace& m_ws;
    QUndoStack m_stack;
    Lists m_lists; // as the last step (or clear) left them
};

} // namespace vinaxo
