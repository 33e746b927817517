#pragma once
// The search filter: marks every recording's Selected by the search settings.
#include <QString>

namespace vinaxo {

class CEntries;
class CEntry;

class CEntrySelection {
public:
    QString SearchString;
    QString SearchMedium;
    QString SearchCategory;
    bool SearchTypeText = false;
    bool SearchTypeTextBegin = false;
    bool SearchTypeCategory = false;
    bool SearchTypeMedium = false;
    bool SearchTitle = false, SearchArtist = false, SearchDescription = false,
         SearchComments = false, SearchComposer = false, SearchConductor = false,
         SearchKey1 = false, SearchKey2 = false, SearchKey3 = false, SearchAwards = false,
         SearchTrackTitle = false, SearchTrackDesc = false, SearchLabel = false,
         SearchCatalogNbr = false, SearchYear = false;
    qint16 SearchCase = 1; // 0 exact letter case, 1 ignore letter case

    void setEntries(CEntries* entries) { m_entries = entries; }
    bool ApplyFilter();

private:
    class TextTest;
    bool test(const CEntry& entry, const TextTest& contains, const TextTest& begins) const;

    CEntries* m_entries = nullptr;
};

} // namespace vinaxo
