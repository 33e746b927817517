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

QStringList ListOrder(const CEntries& entries, const ListSort& sort, bool selectedOnly)
{
    struct Row {
        const CEntry* entry;
        QCollatorSortKey key;
    };
    const bool sorted = CEntry::HasColumnData(sort.columnKey);
    const QCollator collator = listCollator();
    std::vector<Row> rows;
    rows.reserve(std::size_t(entries.Count()));
    for (const auto& item : entries.Entries()) {
        const CEntry& e = *item.value;
        if (selectedOnly && !e.Selected)
            continue;
        // Sort keys are made once per row rather than once per comparison.
        rows.push_back(Row{&e, collator.sortKey(sorted ? e.GetDataForColumn(sort.columnKey).toCaseFolded() : QString())});
    }
    if (sorted) {
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& x, const Row& y) {
            return sort.descending ? y.key.compare(x.key) < 0 : x.key.compare(y.key) < 0;
        });
    }
    QStringList keys;
    keys.reserve(qsizetype(rows.size()));
    for (const Row& r : rows)
        keys.push_back(r.entry->CDKey);
    return keys;
}

void RebuildSequence(CEntrySequence& sequence, const QStringList& keys)
{
    sequence.setCount(qint32(keys.size()));
    for (const QString& k : keys)
        sequence.Add(k);
}

} // namespace vinaxo
