#include "model/CEntries.h"
#include "model/CEntrySelection.h"
#include "support/TestWorld.h"

using namespace vinaxo;

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = w.entries().AddNewEntry();
        a->CDTitle = "Kind of Blue";
        a->CDCategory = "Jazz";
        a->CDMedium = "CD";
        a->CDRelYear = 1959;
        a->AddNewTrackEntry()->CDTrackTitle = "So What";
        b = w.entries().AddNewEntry();
        b->CDTitle = "Blue Train";
        b->CDCategory = "Jazz";
        b->CDMedium = "LP Album";
        b->AddNewTrackEntry()->CDTrackDesc = "Coltrane solo";
        c = w.entries().AddNewEntry();
        c->CDTitle = "Abbey Road";
        c->CDCategory = "Rock";
        c->CDMedium = "CD";
    }
    std::vector<bool> selected()
    {
        s.ApplyFilter();
        return {a->Selected, b->Selected, c->Selected};
    }
    test::TestWorld w;
    CEntrySelection& s = w.ws->selection;
    CEntry *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(SelectionTest, NoTestSelectsNothing)
{
    a->Selected = true;
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false}));
}

TEST_F(SelectionTest, CategoryAndMediumIgnoreCase)
{
    s.SearchTypeCategory = true;
    s.SearchCategory = "jazz";
    EXPECT_EQ(selected(), (std::vector<bool>{true, true, false}));
    s.SearchTypeMedium = true;
    s.SearchMedium = "cd";
    EXPECT_EQ(selected(), (std::vector<bool>{true, false, false}));
}

TEST_F(SelectionTest, TextContainsAndBeginsWith)
{
    s.SearchTypeText = true;
    s.SearchTitle = true;
    s.SearchString = "blue";
    s.SearchCase = 0;
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false}));
    s.SearchCase = 1;
    EXPECT_EQ(selected(), (std::vector<bool>{true, true, false}));
    s.SearchTypeMedium = true;
    s.SearchMedium = "CD";
    EXPECT_EQ(selected(), (std::vector<bool>{true, false, false}));

    s.SearchTypeMedium = false;
    s.SearchTypeText = false;
    s.SearchTypeTextBegin = true;
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, false}));
}

TEST_F(SelectionTest, TracksYearAndEmptyText)
{
    s.SearchTypeText = true;
    s.SearchString = "so what";
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false}));
    s.SearchTrackTitle = true;
    EXPECT_EQ(selected(), (std::vector<bool>{true, false, false}));
    s.SearchString = "coltrane";
    s.SearchTrackDesc = true;
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, false}));
    s.SearchTrackTitle = s.SearchTrackDesc = false;
    s.SearchYear = true;
    s.SearchString = "195";
    EXPECT_EQ(selected(), (std::vector<bool>{true, false, false}));
    // An empty search text is found in every non-empty field and in no empty one.
    s.SearchString = "";
    EXPECT_EQ(selected(), (std::vector<bool>{true, false, false}));
    s.SearchTitle = true;
    EXPECT_EQ(selected(), (std::vector<bool>{true, true, true}));
}
