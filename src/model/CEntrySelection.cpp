#include "model/CEntrySelection.h"
#include "model/CEntries.h"

#include <QStringMatcher>

namespace vinaxo {

// Contains or begins-with, for the fields switched on, in their fixed order.
class CEntrySelection::TextTest {
public:
    TextTest(const CEntrySelection& s, bool beginsWith)
        : m_sel(s), m_begins(beginsWith),
          m_cs(s.SearchCase == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive),
          m_matcher(s.SearchString, m_cs)
    {
    }

    bool field(QStringView value) const
    {
        if (value.isEmpty())
            return false; // an empty search text occurs in no empty field
        if (m_sel.SearchString.isEmpty())
            return true;
        if (m_begins)
            return value.startsWith(m_sel.SearchString, m_cs);
        return m_matcher.indexIn(value) >= 0;
    }

    // The release year as FormattedCDRelYear shows it, without making a string for the
    // usual four-digit years.
    bool year(const CEntry& e) const
    {
        const int y = e.CDRelYear;
        if (y <= 0 || y > 9999)
            return field(e.FormattedCDRelYear());
        char16_t buf[4];
        for (int i = 3, v = y; i >= 0; --i, v /= 10)
            buf[i] = char16_t(u'0' + v % 10);
        return field(QStringView(buf, 4));
    }

    bool operator()(const CEntry& e) const
    {
        const CEntrySelection& s = m_sel;
        if ((s.SearchTitle && field(e.CDTitle)) || (s.SearchArtist && field(e.CDArtist))
            || (s.SearchDescription && field(e.CDDesc)) || (s.SearchComments && field(e.CDComments))
            || (s.SearchComposer && field(e.CDComposer))
            || (s.SearchConductor && field(e.CDConductor)) || (s.SearchKey1 && field(e.CDMiscKey1))
            || (s.SearchKey2 && field(e.CDMiscKey2)) || (s.SearchKey3 && field(e.CDMiscKey3))
            || (s.SearchAwards && field(e.CDAwards)) || (s.SearchLabel && field(e.CDLabel))
            || (s.SearchCatalogNbr && field(e.CDCatnbr))
            || (s.SearchYear && year(e)))
            return true;
        if (s.SearchTrackTitle || s.SearchTrackDesc) {
            return e.TrackEntries().anyTrack([&](const CTrackEntry& t) {
                return (s.SearchTrackTitle && field(t.CDTrackTitle))
                       || (s.SearchTrackDesc && field(t.CDTrackDesc));
            });
        }
        return false;
    }

private:
    const CEntrySelection& m_sel;
    bool m_begins;
    Qt::CaseSensitivity m_cs;
    QStringMatcher m_matcher;
};

namespace {
bool sameUpper(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
}

bool CEntrySelection::test(const CEntry& e, const TextTest& contains, const TextTest& begins) const
{
    // All tests switched on must pass; with none on, nothing is selected.
    if (!SearchTypeText && !SearchTypeTextBegin && !SearchTypeCategory && !SearchTypeMedium)
        return false;
    if (SearchTypeText && !contains(e))
        return false;
    if (SearchTypeTextBegin && !begins(e))
        return false;
    if (SearchTypeCategory && !sameUpper(e.CDCategory, SearchCategory))
        return false;
    if (SearchTypeMedium && !sameUpper(e.CDMedium, SearchMedium))
        return false;
    return true;
}

bool CEntrySelection::ApplyFilter()
{
    if (!m_entries)
        return true;
    const TextTest contains(*this, false);
    const TextTest begins(*this, true);
    for (auto& item : m_entries->Entries())
        item.value->Selected = test(*item.value, contains, begins);
    return true;
}

} // namespace vinaxo
