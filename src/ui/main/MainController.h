#pragma once
// What the main window does beyond showing things: rebuilding its list through the
// filter, the activation rule with its flags, EntryChanged, sorting with the key
// sequence following, and the texts of the caption and the status bar. No widgets: the
// window shows what this class says.
#include <QString>
#include <QSet>
#include <functional>
#include <memory>

namespace vinaxo {

class IBusyPointer;
class MainListModel;
class Workspace;

class MainController {
public:
    MainController(Workspace& ws, MainListModel& model, IBusyPointer& busy);

    // Paints the status texts at once, before a long rebuild (the window sets it; it
    // must not run pending events).
    std::function<void()> paintNow;
    // Called whenever a text or the filter button below has changed.
    std::function<void()> changed;
    // The list's place: the key of the window's current recording (empty for none),
    // asked before a rebuild, and the row to make current after it (-1: none).
    std::function<QString()> currentKey;
    std::function<void(int row)> showRow;
    // The recordings' texts may have changed (an edit, an import, another collection).
    std::function<void()> dataChanged;

    // The "Filter" toolbar button: down lists only the selected recordings.
    bool filterDown() const { return m_filterDown; }
    void setFilterDown(bool down) { m_filterDown = down; }
    // Releases the filter button and forgets the search's status text: a search of one
    // collection means nothing in the next.
    void clearSearchFilter();
    // The status bar's count: " 1 record", " 2 records".
    static QString CountText(int rows);
    // With the quick filter: " 3 of 120 records".
    static QString CountText(int rows, int of);

    const QString& hint() const { return m_panel1; }   // status panel 1
    const QString& count() const { return m_panel2; }  // status panel 2
    void setHint(const QString& text);

    void rebuildList();
    // The quick filter's result (null: off): the list narrows or widens without a new
    // sort, and the current recording keeps its place.
    void applyQuickFilter(std::shared_ptr<const QSet<QString>> keys);
    void filterRoutine();
    // The window was activated: runs the filter routine when a refresh or rebuild is due.
    bool activated();
    void EntryChanged(qint32 action, const QString& key);
    void clickColumn(int section);
    // The view picked in the drop-down becomes current and the list is rebuilt.
    void chooseView(const QString& name);
    // The key sequence: the rows' keys in the order shown.
    void rebuildSequence();
    // The collection changed in ways the list cannot follow row by row (a change taken
    // back or made again): the list is rebuilt, with `key` current when it is listed
    // (empty: the current recording keeps its place).
    void showKey(const QString& key);
    // Forget the list (and the history) before the collection is emptied or replaced.
    void clearList();

    // The caption for the collection's name (fileCommandDone: any file command has run).
    QString caption(bool fileCommandDone) const;
    bool saveEnabled() const;
    // The toolbar's Save: Save As on an empty collection or an unnamed one.
    bool toolbarSaveIsSaveAs() const;
    // The hint of the window's background.
    QString backgroundHint() const;
    bool refreshPending() const { return m_refreshPending; }

    // The row that takes the place of `key` after a rebuild: its own row while it is
    // listed, else the row nearest to where it was, else the first row (-1: no rows).
    static int PlaceAfterRebuild(int rowOfKey, int formerRow, int rowCount);

private:
    void notify();
    QString countText() const;
    void restorePlace(const QString& key, int formerRow);

    Workspace& m_ws;
    MainListModel& m_model;
    IBusyPointer& m_busy;
    bool m_filterDown = false;
    bool m_refreshPending = false;
    QString m_panel1, m_panel2;
    QString m_addedKey; // current after the next rebuild
};

} // namespace vinaxo
