#pragma once
// The main list: one row per listed recording, one column per list-visible column of the
// current view, the texts asked of the recording only when a row is shown. Rows are
// kept in collection order and sorted from there, so equal texts keep that order.
#include "model/ListOrder.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <memory>
#include <vector>

namespace vinaxo {

class CEntries;
class CEntry;
class CView;

class MainListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Columns from the view (none without a view); rows from the collection: every
    // recording, or only those whose Selected is set. Sorted by the current sort column.
    void rebuild(const CView* view, const CEntries& entries, bool allRecords);
    // No rows and no columns, before the collection is emptied or replaced.
    void clear();
    // A header click: the same column again flips the direction, another column keeps it.
    void clickColumn(int section);
    // Drops the row of a recording that no longer exists, without a rebuild.
    void removeKey(const QString& key);
    // The quick filter: only the recordings with these keys are listed (null: all). The
    // rows keep their order, so nothing is sorted again.
    void setQuickFilter(std::shared_ptr<const QSet<QString>> keys);
    bool quickFilterOn() const { return m_quick != nullptr; }
    // The rows listed without the quick filter.
    int unfilteredCount() const { return int(m_sorted.size()); }

    int sortColumn() const { return m_sortSection; }
    bool descending() const { return m_descending; }
    QStringList keys() const;
    QString keyAt(int row) const;
    int rowOfKey(const QString& key) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        const CEntry* entry;
        QString key; // kept apart: the recording may be gone before the next rebuild
    };
    struct Column {
        int key;
        QString heading;
    };
    void sortRows();
    void filterRows();

    std::vector<Column> m_columns;
    std::vector<const CEntry*> m_collectionOrder;
    std::vector<Row> m_sorted; // in list order, before the quick filter
    std::vector<Row> m_rows;
    std::shared_ptr<const QSet<QString>> m_quick;
    int m_sortSection = 0;
    bool m_descending = false;
};

} // namespace vinaxo
