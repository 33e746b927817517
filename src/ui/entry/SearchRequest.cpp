#include "ui/entry/SearchRequest.h"

#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "platform/TextTrim.h"
#include <QCoreApplication>

namespace vinaxo {

const std::array<SearchFieldFlag, SearchFieldCount>& SearchFieldFlags()
{
    using S = CEntrySelection;
    static const std::array<SearchFieldFlag, SearchFieldCount> table{{
        {"CHK_SearchTitle", "Title", &S::SearchTitle},
        {"CHK_SearchArtist", "Artist", &S::SearchArtist},
        {"CHK_SearchDesc", "Description", &S::SearchDescription},
        {"CHK_SearchComments", "Comments", &S::SearchComments},
        {"CHK_SearchComposer", "Composer", &S::SearchComposer},
        {"CHK_SearchConductor", "Conductor", &S::SearchConductor},
        {"CHK_SearchKey1", "Misc Key 1", &S::SearchKey1},
        {"CHK_SearchKey2", "Misc Key 2", &S::SearchKey2},
        {"CHK_SearchKey3", "Misc Key 3", &S::SearchKey3},
        {"CHK_SearchAwards", "Awards", &S::SearchAwards},
        {"CHK_SearchTrackTitle", "Track Title", &S::SearchTrackTitle},
        {"CHK_SearchTrackDesc", "Track Description", &S::SearchTrackDesc},
        {"CHK_SearchLabel", "Label", &S::SearchLabel},
        {"CHK_SearchCatalogNbr", "Catalog Nbr", &S::SearchCatalogNbr},
        {"CHK_SearchYear", "Release Year", &S::SearchYear},
    }};
    return table;
}

bool ApplySearch(Workspace& ws, const SearchChoices& c)
{
    CEntrySelection& s = ws.selection;
    if (!c.typeText && !c.typeTextBegin && !c.typeCategory && !c.typeMedium) {
        ws.messages.show(QCoreApplication::translate("SearchRequest", "You must select a Search Type"),
                         QCoreApplication::translate("SearchRequest", "Search Type"), MsgIcon::Information);
        return false;
    }
    s.SearchTypeText = c.typeText;
    s.SearchTypeTextBegin = c.typeTextBegin;
    s.SearchTypeCategory = c.typeCategory;
    s.SearchTypeMedium = c.typeMedium;
    for (int i = 0; i < SearchFieldCount; ++i)
        s.*(SearchFieldFlags()[std::size_t(i)].flag) = c.fields[std::size_t(i)];
    s.SearchCase = c.caseSensitive ? 0 : 1;
    s.SearchMedium = RightTrimmed(c.medium);
    s.SearchCategory = RightTrimmed(c.category);
    s.SearchString = c.text;
    ws.allRecords = false;
    ws.filterOn = true;
    ws.rebuildList = true;
    return true;
}

} // namespace vinaxo
