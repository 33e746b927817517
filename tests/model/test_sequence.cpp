#include "model/CEntrySequence.h"
#include "support/TestWorld.h"

using vinaxo::CEntrySequence;

TEST(Sequence, EmptyGivesEmptyKeys)
{
    CEntrySequence s;
    EXPECT_EQ(s.FirstKey(), "");
    EXPECT_EQ(s.LastKey(), "");
    EXPECT_EQ(s.NextKey(), "");
    EXPECT_EQ(s.PrevKey(), "");
}

TEST(Sequence, OrderOfAdditionAndEnds)
{
    CEntrySequence s;
    s.setCount(3);
    for (const char* k : {"5", "2", "9"})
        EXPECT_TRUE(s.Add(k));
    EXPECT_EQ(s.CurrKey(), "9"); // a rebuilt sequence stands on its last key
    EXPECT_EQ(s.FirstKey(), "5");
    EXPECT_EQ(s.NextKey(), "2");
    EXPECT_EQ(s.LastKey(), "9");
    EXPECT_EQ(s.NextKey(), "9");
    EXPECT_EQ(s.FirstKey(), "5");
    EXPECT_EQ(s.PrevKey(), "5");
    s.Start();
    EXPECT_EQ(s.PrevKey(), "");
    EXPECT_EQ(s.NextKey(), "5");
    EXPECT_FALSE(s.Add("x"));
    EXPECT_EQ(s.Count(), 3);
}

TEST(Sequence, DeleteLocateAndDuplicates)
{
    CEntrySequence s;
    for (const char* k : {"5", "2", "9"})
        s.Add(k);
    ASSERT_TRUE(s.Locate("2"));
    s.Delete();
    EXPECT_EQ(s.Count(), 2);
    EXPECT_EQ(s.CurrKey(), "");
    EXPECT_EQ(s.NextKey(), "5");
    EXPECT_EQ(s.NextKey(), "9");
    EXPECT_TRUE(s.Locate("9")); // positions moved by the delete are found
    EXPECT_EQ(s.Position(), 2);
    EXPECT_FALSE(s.Locate("2"));
    EXPECT_EQ(s.Position(), 0);
    EXPECT_FALSE(s.Locate("abc"));
    s.Add("5");
    ASSERT_TRUE(s.Locate("5"));
    EXPECT_EQ(s.Position(), 1); // the first occurrence
}

TEST(Sequence, GrowsBeyondCapacityAndHoldsLargeKeys)
{
    CEntrySequence s;
    s.setCount(0);
    for (int i = 1; i <= 101; ++i)
        s.Add(QString::number(i));
    EXPECT_EQ(s.Count(), 101);
    EXPECT_EQ(s.FirstKey(), "1");
    EXPECT_TRUE(s.Locate("100"));
    EXPECT_TRUE(s.Add("40000")); // beyond 16 bits: a collection may exceed 32,767
    EXPECT_TRUE(s.Locate("40000"));
    EXPECT_EQ(s.CurrKey(), "40000");
}
