#include "ui/main/MainListModel.h"
#include "model/CEntries.h"

#include <QHash>

#include <algorithm>

namespace vinaxo {

void MainListModel::rebuild(const CView* view, const CEntries& entries, bool allRecords)
{
    beginResetModel();
    m_columns.clear();
    if (view) {
        for (const auto& item : view->ColumnEntries()) {
            const CColumn& c = *item.value;
            if (c.ListVisible)
                m_columns.push_back({c.KeyNumber(), c.ColumnHeading});
        }
    }
    m_collectionOrder = ListOrderEntries(entries, ListSort{}, !allRecords); // unsorted
    sortRows();
    endResetModel();
}

void MainListModel::clear()
{
    beginResetModel();
    m_columns.clear();
    m_collectionOrder.clear();
    m_sorted.clear();
    m_rows.clear();
    m_quick.reset(); // the next collection is filtered afresh
    endResetModel();
}

void MainListModel::sortRows()
{
    std::vector<const CEntry*> order = m_collectionOrder;
    if (m_sortSection >= 0 && std::size_t(m_sortSection) < m_columns.size())
        SortForList(order, ListSort{m_columns[std::size_t(m_sortSection)].key, m_descending});
    m_sorted.clear();
    m_sorted.reserve(order.size());
    for (const CEntry* e : order)
        m_sorted.push_back({e, e->CDKey});
    filterRows();
}

void MainListModel::filterRows()
{
    if (!m_quick) {
        m_rows = m_sorted;
        return;
    }
    m_rows.clear();
    for (const Row& r : m_sorted) {
        if (m_quick->contains(r.key))
            m_rows.push_back(r);
    }
}

void MainListModel::setQuickFilter(std::shared_ptr<const QSet<QString>> keys)
{
    beginResetModel();
    m_quick = std::move(keys);
    filterRows();
    endResetModel();
}

void MainListModel::clickColumn(int section)
{
    if (section == m_sortSection)
        m_descending = !m_descending;
    else
        m_sortSection = section;
    // A change of order, not of rows: the selection and the current row follow their
    // recordings, and the view keeps its column widths.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<const CEntry*> entries;
    entries.reserve(std::size_t(before.size()));
    for (const QModelIndex& i : before)
        entries.push_back(m_rows[std::size_t(i.row())].entry);
    sortRows();
    QModelIndexList after;
    after.reserve(before.size());
    if (!before.isEmpty()) {
        QHash<const CEntry*, int> rowOf;
        rowOf.reserve(qsizetype(m_rows.size()));
        for (std::size_t r = 0; r < m_rows.size(); ++r)
            rowOf.insert(m_rows[r].entry, int(r));
        for (qsizetype k = 0; k < before.size(); ++k)
            after.push_back(index(rowOf.value(entries[std::size_t(k)]), before[k].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MainListModel::removeKey(const QString& key)
{
    // Also when the quick filter hides its row: nothing may keep the recording's address.
    const auto sorted = std::find_if(m_sorted.begin(), m_sorted.end(), [&](const Row& r) { return r.key == key; });
    if (sorted == m_sorted.end())
        return;
    const CEntry* gone = sorted->entry;
    m_sorted.erase(sorted);
    std::erase(m_collectionOrder, gone);
    const int row = rowOfKey(key);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

QStringList MainListModel::keys() const
{
    QStringList out;
    out.reserve(qsizetype(m_rows.size()));
    for (const Row& r : m_rows)
        out.push_back(r.key);
    return out;
}

QString MainListModel::keyAt(int row) const
{
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)].key : QString();
}

int MainListModel::rowOfKey(const QString& key) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].key == key)
            return int(i);
    }
    return -1;
}

int MainListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MainListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant MainListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= m_rows.size()
        || std::size_t(index.column()) >= m_columns.size())
        return {};
    return m_rows[std::size_t(index.row())].entry->GetDataForColumn(m_columns[std::size_t(index.column())].key);
}

QVariant MainListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || std::size_t(section) >= m_columns.size())
        return {};
    return m_columns[std::size_t(section)].heading;
}

} // namespace vinaxo
