#pragma once
// What the search window writes into the collection's selection, without its widgets.
#include <QString>
#include <array>

namespace vinaxo {

class CEntrySelection;
class Workspace;

// The fifteen fields the text searches look at, in the order they are written.
struct SearchFieldFlag {
    const char* box;   // the check box's objectName
    const char* caption;
    bool CEntrySelection::*flag;
};
constexpr int SearchFieldCount = 15;
const std::array<SearchFieldFlag, SearchFieldCount>& SearchFieldFlags();

struct SearchChoices {
    QString text;
    bool typeText = false, typeTextBegin = false, typeCategory = false, typeMedium = false;
    std::array<bool, SearchFieldCount> fields{};
    bool caseSensitive = false;
    QString category, medium;
};

// Writes the choices into the selection and asks the main window to show the filtered
// list (all records off, filter on, list to be rebuilt). Without any search type the
// user is told and nothing changes: false.
bool ApplySearch(Workspace& ws, const SearchChoices& c);

} // namespace vinaxo
