#pragma once
// The order in which the main list shows the recordings, for running an export without
// the window: collection order, only the selected recordings while the filter is on,
// sorted by the shown text of one column.
namespace vinaxo {
class CEntries;
class CEntrySequence;
}

namespace vinaxo::exchange {

struct ListOrder {
    bool filtered = false; // only recordings whose Selected is true
    int sortColumn = 0;    // a field number with column data (101..128); 0 keeps collection order
    bool descending = false;
};

// Rebuilds the key sequence in that order. Equal texts keep collection order; texts are
// compared without regard to letter case, as the list sorts.
void BuildListSequence(const CEntries& entries, CEntrySequence& sequence, const ListOrder& order);

} // namespace vinaxo::exchange
