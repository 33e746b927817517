// The main list's order: shown text, letter case ignored, ties in collection order.
#include "model/ListOrder.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct Rec {
    const char* title;
    qint16 tracks;
};

QStringList titles(CEntries& c, const QStringList& keys)
{
    QStringList t;
    for (const QString& k : keys) {
        c.LocateEntryByKey(k);
        t << c.CurrEntry()->CDTitle;
    }
    return t;
}

TEST(ListOrder, SortsByShownTextIgnoringCase)
{
    TestWorld w;
    for (Rec r : {Rec{"beta", 9}, Rec{"Alpha", 10}, Rec{"gamma", 2}, Rec{"ALPHA", 9}}) {
        CEntry* e = w.entries().AddNewEntry();
        e->CDTitle = QString::fromLatin1(r.title);
        e->CDNbrTracks = r.tracks;
    }
    CEntries& c = w.entries();
    EXPECT_EQ(titles(c, ListOrder(c, {})), (QStringList{"beta", "Alpha", "gamma", "ALPHA"}));
    EXPECT_EQ(titles(c, ListOrder(c, {Field::Title, false})), (QStringList{"Alpha", "ALPHA", "beta", "gamma"}));
    // Descending reverses the order but keeps equal texts in collection order.
    EXPECT_EQ(titles(c, ListOrder(c, {Field::Title, true})), (QStringList{"gamma", "beta", "Alpha", "ALPHA"}));
    // A numeric column orders by its text: "10" before "2" before "9".
    EXPECT_EQ(titles(c, ListOrder(c, {Field::NbrTracks, false})), (QStringList{"Alpha", "gamma", "beta", "ALPHA"}));
    // A key that names no field leaves the collection order.
    EXPECT_EQ(titles(c, ListOrder(c, {Field::TrackTitle, false})), (QStringList{"beta", "Alpha", "gamma", "ALPHA"}));

    c.Entries().at(1)->Selected = true;
    EXPECT_EQ(titles(c, ListOrder(c, {}, true)), (QStringList{"Alpha"}));
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
    EXPECT_LT(CompareListText(QStringLiteral("abc"), QStringLiteral("ABD")), 0);
    EXPECT_EQ(CompareListText(QStringLiteral("abc"), QStringLiteral("ABC")), 0);
}

} // namespace
