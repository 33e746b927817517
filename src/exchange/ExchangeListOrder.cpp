#include "exchange/ExchangeListOrder.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"

#include <algorithm>
#include <vector>

namespace vinaxo::exchange {

void BuildListSequence(const CEntries& entries, CEntrySequence& sequence, const ListOrder& order)
{
    struct Row {
        const CEntry* entry;
        QString text;
    };
    std::vector<Row> rows;
    rows.reserve(std::size_t(entries.Count()));
    const bool sorted = order.sortColumn != 0 && CEntry::HasColumnData(order.sortColumn);
    for (const auto& item : entries.Entries()) {
        const CEntry* e = item.value.get();
        if (order.filtered && !e->Selected)
            continue;
        rows.push_back(Row{e, sorted ? e->GetDataForColumn(order.sortColumn) : QString()});
    }
    if (sorted) {
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            const int c = a.text.compare(b.text, Qt::CaseInsensitive);
            return order.descending ? c > 0 : c < 0;
        });
    }
    sequence.setCount(qint32(rows.size()));
    for (const Row& row : rows)
        sequence.Add(row.entry->CDKey);
}

} // namespace vinaxo::exchange
