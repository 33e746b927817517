#include "model/CView.h"
#include "support/TestWorld.h"

using namespace vinaxo;

TEST(Views, ColumnVocabulary)
{
    CColumn c;
    c.setKey("181");
    EXPECT_EQ(c.ColumnHeading, "Track Titles");
    EXPECT_EQ(c.ColumnWidth, 60);
    EXPECT_FALSE(c.ListVisible);
    EXPECT_TRUE(c.ReportOnly());

    CColumn bad;
    bad.ColumnWidth = 33;
    bad.setKey("110");
    EXPECT_EQ(bad.ColumnHeading, "***BAD Key of 110");
    EXPECT_EQ(bad.ColumnWidth, 33);
    EXPECT_TRUE(bad.ListVisible);

    CColumn cost;
    cost.setKey("119");
    EXPECT_EQ(cost.ColumnHeading, "Cost");
    EXPECT_EQ(cost.ColumnWidth, 7);
    EXPECT_EQ(ColumnKeys().size(), 26u);
    EXPECT_EQ(ColumnKeys().front(), 101);
    EXPECT_EQ(ColumnKeys().back(), 185);
}

TEST(Views, ColumnsOfAView)
{
    CView v;
    EXPECT_EQ(v.ReportHeading, "Vinaxo Report");
    v.AddNewColumn(101)->ColumnWidth = 25;
    v.AddNewColumn(127);
    EXPECT_EQ(v.AddNewColumn(101), nullptr); // a key occurs once in a view
    EXPECT_EQ(v.TotalCols(), 2);
    EXPECT_EQ(v.CurrColumn()->Key(), "127");
    EXPECT_TRUE(v.DeleteColumn("999"));
    EXPECT_EQ(v.TotalCols(), 2);
    EXPECT_EQ(v.CurrColumn()->Key(), "127");
    EXPECT_FALSE(v.LocateColumnByKey("103"));
    EXPECT_TRUE(v.LocateColumnByKey("101"));
    EXPECT_EQ(v.CurrColumn()->ColumnWidth, 25);
    EXPECT_TRUE(v.DeleteColumn("101"));
    EXPECT_EQ(v.CurrColumn(), nullptr);
    EXPECT_EQ(v.ColumnEntries().keyAt(0), "127");
}

TEST(Views, FieldCatalogue)
{
    const FieldCatalogue cat = BuildFieldCatalogue();
    EXPECT_EQ(cat.count, 25);
    EXPECT_EQ(cat.byNumber(1)->Name, QString("Title").leftJustified(30));
    EXPECT_EQ(cat.byNumber(25)->trimmedName(), "Track Titles/Times");
    EXPECT_EQ(cat.byNumber(15)->MaxLength, 7);
    EXPECT_EQ(cat.byName("purch cost")->Number, 15);
    EXPECT_EQ(cat.byNumber(26), nullptr);
    EXPECT_EQ(cat.byName("Nothing"), nullptr);
}
