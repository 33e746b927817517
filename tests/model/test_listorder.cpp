// The main list's order: texts by the collection's locale collation, times, counts, years,
// cost and dates by value, empty values first, ties in collection order.
#include "model/ListOrder.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

// Sets one field from the text a user would type (or a file would hold, for times).
void setField(CEntry& e, int key, const QString& text)
{
    switch (key) {
    case Field::TotalTime: e.CDTotalTime = text; break;
    case Field::RelYear: e.setCDRelYearStr(text); break;
    case Field::PurchCost: ASSERT_TRUE(e.setCDPurchCostStr(text)) << text.toStdString(); break;
    case Field::PurchDate: ASSERT_TRUE(e.setCDPurchDateStr(text)) << text.toStdString(); break;
    case Field::NbrTracks: e.CDNbrTracks = qint16(text.toInt()); break;
    case Field::Artist: e.CDArtist = text; break;
    default: e.CDTitle = text; break;
    }
}

// Fills a collection with one recording per value, in this order; returns the shown
// texts of the column in list order, each tagged with its position in the collection.
QStringList sorted(CEntries& c, const ListSort& sort, const QStringList& values)
{
    for (const QString& v : values)
        setField(*c.AddNewEntry(), sort.columnKey, v);
    QStringList out;
    for (const QString& key : ListOrder(c, sort)) {
        c.LocateEntryByKey(key);
        out << c.CurrEntry()->GetDataForColumn(sort.columnKey) + u'#' + key;
    }
    return out;
}

struct Case {
    const char* name;
    int column;
    QStringList values;
    QStringList ascending; // "shown text#collection position"; descending is checked too
    QStringList descending;
};

// Fixed: the tests do not depend on the machine's locale (the world's is en_US).
const std::vector<Case>& cases()
{
    static const std::vector<Case> table{
        {"AccentsAfterBaseLettersNotAfterZ", Field::Artist,
         {"Zoë", "Élodie", "elodie", "Adam"},
         {"Adam#4", "elodie#3", "Élodie#2", "Zoë#1"},
         {"Zoë#1", "Élodie#2", "elodie#3", "Adam#4"}},
        {"UmlautSortsWithItsBaseLetter", Field::Title,
         {"The Winter Orchestra", "The Über Band"},
         {"The Über Band#2", "The Winter Orchestra#1"},
         {"The Winter Orchestra#1", "The Über Band#2"}},
        {"LetterCaseIgnoredTiesKeepCollectionOrder", Field::Title,
         {"beta", "Alpha", "gamma", "ALPHA"},
         {"Alpha#2", "ALPHA#4", "beta#1", "gamma#3"},
         {"gamma#3", "beta#1", "Alpha#2", "ALPHA#4"}},
        {"EmptyTextsFirstAscendingLastDescending", Field::Title,
         {"b", "", "a", " "},
         {"#2", " #4", "a#3", "b#1"},
         {"b#1", "a#3", "#2", " #4"}},
        {"TotalTimeSortedAsTextPutsLongerFirst", Field::TotalTime,
         {"135:54", "17:58", "", "999:59", "2:05", "1:02:03"},
         {"#3", "2:05#5", "17:58#2", "135:54#1", "999:59#4", "1:02:03#6"},
         {"1:02:03#6", "999:59#4", "135:54#1", "17:58#2", "2:05#5", "#3"}},
        {"EqualTimesWrittenDifferentlyKeepCollectionOrder", Field::TotalTime,
         {"03:00", "3:00", "2:60x"},
         {"03:00#1", "3:00#2", "2:60x#3"},
         {"2:60x#3", "03:00#1", "3:00#2"}},
        {"NumericColumnSortedAsTextPuts10Before9", Field::NbrTracks,
         {"10", "9", "2", "9"},
         {"2#3", "9#2", "9#4", "10#1"},
         {"10#1", "9#2", "9#4", "2#3"}},
        {"YearNoneIsEmpty", Field::RelYear,
         {"1999", "", "2001", "1985"},
         {"#2", "1985#4", "1999#1", "2001#3"},
         {"2001#3", "1999#1", "1985#4", "#2"}},
        {"CostByAmountNotByText", Field::PurchCost,
         {"10.00", "9.99", "", "100"},
         {"$0.00#3", "$9.99#2", "$10.00#1", "$100.00#4"},
         {"$100.00#4", "$10.00#1", "$9.99#2", "$0.00#3"}},
        {"PurchaseDateByDayNotByText", Field::PurchDate,
         {"12/31/1999", "1/2/2000", "", "3/4/1998"},
         {"#3", "3/4/1998#4", "12/31/1999#1", "1/2/2000#2"},
         {"1/2/2000#2", "12/31/1999#1", "3/4/1998#4", "#3"}},
    };
    return table;
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ListOrderCase : public testing::TestWithParam<Case> {};

TEST_P(ListOrderCase, AscendingAndDescending)
{
    const Case& c = GetParam();
    {
        TestWorld w;
        EXPECT_EQ(sorted(w.entries(), {c.column, false}, c.values), c.ascending);
    }
    TestWorld w;
    EXPECT_EQ(sorted(w.entries(), {c.column, true}, c.values), c.descending);
}

INSTANTIATE_TEST_SUITE_P(ListOrder, ListOrderCase, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// The list collates by the locale of the collection's formats; the C locale (a system
// without a language set) collates as the root collation, not by code point.
TEST(ListOrder, CollatesByTheFormatsLocaleAndTheCLocaleLikeTheRoot)
{
    const QStringList names{"Zoë", "Öberg", "Élodie", "Olsen"};
    struct LocaleCase {
        QLocale locale;
        QStringList expected;
    };
    for (const LocaleCase& lc : {
             LocaleCase{QLocale::c(), {"Élodie#3", "Öberg#2", "Olsen#4", "Zoë#1"}},
             // In Swedish Ö is a letter of its own after Z.
             LocaleCase{QLocale(QLocale::Swedish, QLocale::Sweden), {"Élodie#3", "Olsen#4", "Zoë#1", "Öberg#2"}},
         }) {
        SCOPED_TRACE(lc.locale.name().toStdString());
        TestWorld t;
        const LocaleFormats formats(lc.locale);
        Workspace ws(t.messages, formats, t.settingsPath());
        EXPECT_EQ(sorted(ws.entries, {Field::Artist, false}, names), lc.expected);
    }
}

TEST(ListOrder, UnknownColumnAndSelectionKeepCollectionOrder)
{
    TestWorld w;
    CEntries& c = w.entries();
    for (const char* t : {"beta", "Alpha", "gamma"})
        c.AddNewEntry()->CDTitle = QString::fromUtf8(t);
    EXPECT_EQ(ListOrder(c, {}), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(ListOrder(c, {Field::TrackTitle, false}), (QStringList{"1", "2", "3"}));
    c.Entries().at(2)->Selected = true;
    c.Entries().at(0)->Selected = true;
    EXPECT_EQ(ListOrder(c, {Field::Title, false}, true), (QStringList{"1", "3"}));
}

TEST(ListOrder, RebuildSequenceHoldsExactlyTheKeys)
{
    TestWorld w;
    for (int i = 0; i < 3; ++i)
        w.entries().AddNewEntry();
    RebuildSequence(w.sequence(), {QStringLiteral("3"), QStringLiteral("1")});
    ASSERT_EQ(w.sequence().Count(), 2);
    EXPECT_EQ(w.sequence().KeyAt(1), 3);
    EXPECT_EQ(w.sequence().KeyAt(2), 1);
}

TEST(ListOrder, CompareListTextIgnoresCaseAndCollatesAccents)
{
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    EXPECT_LT(CompareListText(QStringLiteral("abc"), QStringLiteral("ABD")), 0);
    EXPECT_EQ(CompareListText(QStringLiteral("abc"), QStringLiteral("ABC")), 0);
    EXPECT_LT(CompareListText(QStringLiteral("Élodie"), QStringLiteral("Zoë")), 0);
    QLocale::setDefault(saved);
}

} // namespace
