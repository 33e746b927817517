#pragma once
// The editing state of the view configuration window without its widgets: the two
// column lists, the working columns (heading and report width of every selected
// column), the report heading and the changed flag, and storing them into the view.
#include "model/CView.h"
#include "platform/KeyedList.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vinaxo {

class CEntries;
class IMessageService;

// One row of either column list: the column's key and the text shown for it.
struct ColumnRow {
    QString key;
    QString text; // heading, with "*" for a report-only column
};

class ViewEditor {
public:
    explicit ViewEditor(CEntries& entries);

    QStringList viewNames() const;
    // The name of the view being edited (empty when there is none).
    const QString& shownView() const { return m_shown; }
    const std::vector<ColumnRow>& available() const { return m_available; }
    const std::vector<ColumnRow>& selected() const { return m_selected; }
    const QString& heading() const { return m_heading; }
    bool changed() const { return m_changed; }

    // Starts on the collection's current view, when there is one.
    void open();
    // Makes the named view current and lists its columns and heading (pending edits of
    // the previous view are stored first).
    void chooseView(const QString& name);

    // Each returns the row that is selected afterwards (-1 for none).
    // Moves an available column to the end of the selected list.
    int add(int availableRow);
    // Moves a selected column back to the end of the available list.
    int remove(int selectedRow);
    int moveUp(int selectedRow);
    int moveDown(int selectedRow);

    struct Shown {
        QString heading;
        qint16 width = 0;
    };
    // The heading and width kept for a selected row.
    std::optional<Shown> column(int selectedRow) const;
    // A whole number from 1 up becomes the row's width; any other text gives the
    // column's default width. Returns the width now kept.
    std::optional<qint16> adjustWidth(int selectedRow, const QString& text);
    // The user typed in the heading box.
    void setHeading(const QString& text);

    // Writes heading and columns into the current view when anything changed.
    void storeIfChanged();
    // Adds a view of this name and makes it the one edited (pending edits stored first).
    bool newView(const QString& name);
    // Asks, then deletes the shown view; refuses to delete the last one. True when deleted.
    bool deleteView(IMessageService& messages);

private:
    void fill(const QString& name);
    void store();
    static ColumnRow rowFor(const CColumn& column);
    // Where a selected row's column is in m_working; -1 for no such row.
    qsizetype workingIndex(int selectedRow) const;

    CEntries& m_entries;
    QString m_shown;
    QString m_heading;
    std::vector<ColumnRow> m_available, m_selected;
    KeyedList<CColumn> m_working;
    bool m_changed = false;
};

// The check of the new view window: a name must be given and must not name a view
// already there (surrounding blanks and letter case ignored). Shows its own message.
bool AcceptNewViewName(const CEntries& entries, const QString& name);

} // namespace vinaxo
