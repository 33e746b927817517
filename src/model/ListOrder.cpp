#include "model/ListOrder.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"

#include <QCollator>
#include <algorithm>

namespace vinaxo {

namespace {
// The user's locale. Texts are case-folded before they are compared as well, because
// the collator of the C locale compares code points whatever its case setting.
QCollator listCollator()
{
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}
}

int CompareListText(const QString& a, const QString& b)
{
    static const QCollator c = listCollator();
    return c.compare(a.toCaseFolded(), b.toCaseFolded());
}

void SortForList(std::vector<const CEntry*>& entries, const ListSort& sort)
{
    if (!CEntry::HasColumnData(sort.columnKey))
        return;
    struct Row {
        const CEntry* entry;
        QCollatorSortKey key;
    };
    const QCollator collator = listCollator();
    std::vector<Row> rows;
    rows.reserve(entries.size());
    // Sort keys are made once per row rather than once per comparison.
    for (const CEntry* e : entries)
        rows.push_back(Row{e, collator.sortKey(e->GetDataForColumn(sort.columnKey).toCaseFolded())});
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& x, const Row& y) {
        return sort.descending ? y.key.compare(x.key) < 0 : x.key.compare(y.key) < 0;
    });
    for (std::size_t i = 0; i < rows.size(); ++i)
        entries[i] = rows[i].entry;
}

std::vector<const CEntry*> ListOrderEntries(const CEntries& entries, const ListSort& sort,
                                            bool selectedOnly)
{
    std::vector<const CEntry*> order;
    order.reserve(std::size_t(entries.Count()));
    for (const auto& item : entries.Entries()) {
        if (!selectedOnly || item.value->Selected)
            order.push_back(item.value.get());
    }
    SortForList(order, sort);
    return order;
}

QStringList ListOrder(const CEntries& entries, const ListSort& sort, bool selectedOnly)
{
    QStringList keys;
    const auto order = ListOrderEntries(entries, sort, selectedOnly);
    keys.reserve(qsizetype(order.size()));
    for (const CEntry* e : order)
        keys.push_back(e->CDKey);
    return keys;
}

void RebuildSequence(CEntrySequence& sequence, const QStringList& keys)
{
    sequence.setCount(qint32(keys.size()));
    for (const QString& k : keys)
        sequence.Add(k);
}

} // namespace vinaxo
