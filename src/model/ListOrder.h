#pragma once
// The order of the main list: the recordings it shows, sorted by the shown text of one
// column. The list window, printing and export all follow this order through the key
// sequence.
#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo {

class CEntries;
class CEntry;
class CEntrySequence;

struct ListSort {
    int columnKey = 0; // 0: unsorted, collection order
    bool descending = false;
};

// How the list compares two shown texts: by the user's locale, letter case ignored.
// Negative, zero or positive.
int CompareListText(const QString& a, const QString& b);

// The keys of the recordings the list shows (every recording, or only the selected ones),
// in list order. Equal texts keep collection order, in either direction. A key that
// names no field of a recording leaves the collection order.
QStringList ListOrder(const CEntries& entries, const ListSort& sort, bool selectedOnly = false);
// Sorts recordings given in collection order into list order (stable).
void SortForList(std::vector<const CEntry*>& rows, const ListSort& sort);
// The same order as the recordings themselves, for a list that shows them.
std::vector<const CEntry*> ListOrderEntries(const CEntries& entries, const ListSort& sort,
                                            bool selectedOnly = false);

// Sets the sequence to exactly these keys, in this order.
void RebuildSequence(CEntrySequence& sequence, const QStringList& keys);

} // namespace vinaxo
