#pragma once
// The order of the main list: the recordings it shows, sorted by one column. The list
// window, printing and export all follow this order through the key sequence.
#include <QCollator>
#include <QLocale>
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

// How a column compares, by its field number: texts by collation; the total time, counts,
// ratings, the year, the cost and the purchase date by their values.
enum class ColumnOrder { Text, Time, Value };
ColumnOrder OrderOfColumn(int key);

// The collator of the list for a locale: letters first, then accents; letter case
// ignored. The C locale, which has no collation of its own, collates as the root
// collation does rather than by code point.
QCollator ListCollator(const QLocale& locale);

// How the list compares two texts, by the collation of the default locale.
// Negative, zero or positive. For a few texts; a sort uses keys (SortForList).
int CompareListText(const QString& a, const QString& b);

// The keys of the recordings the list shows (every recording, or only the selected ones),
// in list order. Equal values keep collection order, in either direction; empty values
// come first ascending, last descending. A key that names no field of a recording leaves
// the collection order.
QStringList ListOrder(const CEntries& entries, const ListSort& sort, bool selectedOnly = false);
// Sorts recordings given in collection order into list order (stable), collating texts by
// the locale of their collection's formats.
void SortForList(std::vector<const CEntry*>& rows, const ListSort& sort);
// The same order as the recordings themselves, for a list that shows them.
std::vector<const CEntry*> ListOrderEntries(const CEntries& entries, const ListSort& sort,
                                            bool selectedOnly = false);

// Sets the sequence to exactly these keys, in this order.
void RebuildSequence(CEntrySequence& sequence, const QStringList& keys);

} // namespace vinaxo
