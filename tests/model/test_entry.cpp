#include "model/CEntries.h"
#include "support/TestWorld.h"

using namespace vinaxo;

class EntryTest : public ::testing::Test {
protected:
    test::TestWorld w;
    CEntry& e = *w.entries().AddNewEntry();
};

TEST_F(EntryTest, NewEntryDefaults)
{
    EXPECT_EQ(e.CDKey, "1");
    EXPECT_EQ(e.CDNbrDisks, 1);
    EXPECT_FALSE(e.CDPurchDate.has_value());
    EXPECT_FALSE(e.Selected);
    EXPECT_TRUE(e.TrackEntries().isEmpty());
    EXPECT_EQ(e.FormattedCDRelYear(), "");
    EXPECT_EQ(e.FormattedCDPurchDate(), "");
    EXPECT_EQ(e.FormattedCDPurchaseCost(), "$0.00");
}

TEST_F(EntryTest, ReleaseYearText)
{
    struct Case { const char* text; qint16 year; };
    for (const Case c : {Case{"1901", 1901}, Case{"1900", 2026}, Case{"2500", 2026},
                         Case{" 2499 ", 2499}, Case{"", 0}, Case{"   ", 0}, Case{"99999", 2026}}) {
        e.setCDRelYearStr(QString::fromLatin1(c.text));
        EXPECT_EQ(e.CDRelYear, c.year) << c.text;
    }
    e.CDRelYear = 1990;
    e.setCDRelYearStr("soon"); // not a number: left as it was, nothing reported
    EXPECT_EQ(e.CDRelYear, 1990);
    e.CDRelYear = 999;
    EXPECT_EQ(e.FormattedCDRelYear(), "0999");
    EXPECT_EQ(w.messages.count(), 0u);
}

TEST_F(EntryTest, ValidatingSettersReportExactlyAndKeepTheField)
{
    const QString timeText = "Must be a valid time in the format of 'MM:SS'.  "
                             "Minutes must be less than 999 and seconds must be 59 or less.";
    EXPECT_TRUE(e.setCDTotalTimeStr(" 45:30 "));
    EXPECT_EQ(e.CDTotalTime, "45:30");
    EXPECT_FALSE(e.setCDTotalTimeStr("45:60"));
    EXPECT_EQ(e.CDTotalTime, "45:30");
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Invalid Total Time");
    EXPECT_EQ(w.messages.last().text, timeText);
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(e.setCDTotalTimeStr(""));
    EXPECT_EQ(e.CDTotalTime, "");

    EXPECT_TRUE(e.setCDPurchDateStr("3/1/2024"));
    EXPECT_EQ(e.FormattedCDPurchDate(), "3/1/2024");
    EXPECT_FALSE(e.setCDPurchDateStr("2/30/2024"));
    EXPECT_EQ(w.messages.last().title, "Invalid Purchase Date");
    EXPECT_EQ(w.messages.last().text,
              "Purchase date is not a valid date - please correct and try again.");
    EXPECT_EQ(e.FormattedCDPurchDate(), "3/1/2024");
    EXPECT_TRUE(e.setCDPurchDateStr("  "));
    EXPECT_FALSE(e.CDPurchDate.has_value());

    EXPECT_TRUE(e.setCDPurchCostStr("$12.50"));
    EXPECT_EQ(e.CDPurchCost.units, 125000);
    EXPECT_EQ(e.FormattedCDPurchaseCost(), "$12.50");
    EXPECT_FALSE(e.setCDPurchCostStr("twelve"));
    EXPECT_EQ(w.messages.last().title, "Invalid Purchase Cost");
    EXPECT_EQ(w.messages.last().text,
              "Purchase cost is not a valid currency value - please correct and try again.");
    EXPECT_EQ(e.CDPurchCost.units, 125000);
    EXPECT_TRUE(e.setCDPurchCostStr(""));
    EXPECT_EQ(e.CDPurchCost.units, 0);

    CTrackEntry* t = e.AddNewTrackEntry();
    EXPECT_TRUE(t->setCDTrackTimeStr("3:20"));
    EXPECT_FALSE(t->setCDTrackTimeStr("3:99"));
    EXPECT_EQ(t->CDTrackTime, "3:20");
    EXPECT_EQ(w.messages.last().title, "Invalid Track Time");
    EXPECT_EQ(w.messages.last().text, timeText);
}

TEST_F(EntryTest, TrackKeysAndLocate)
{
    for (int i = 0; i < 3; ++i)
        e.AddNewTrackEntry();
    EXPECT_EQ(e.TrackEntries().keyAt(2), "3");
    EXPECT_EQ(e.CurrTrack()->Key, "3");
    EXPECT_EQ(e.CurrTrack()->Entry, &e);
    EXPECT_TRUE(e.LocateTrackByKey("2"));
    EXPECT_EQ(e.CurrTrack()->Key, "2");
    EXPECT_FALSE(e.LocateTrackByKey("9"));
    EXPECT_EQ(e.CurrTrack()->Key, "2");
    EXPECT_EQ(w.messages.last().text, "Selected track was not found.  Key is 9");
    EXPECT_EQ(w.messages.last().title, "Error");
    e.ClearAllEntries();
    EXPECT_EQ(e.AddNewTrackEntry()->Key, "1");
}

TEST_F(EntryTest, GetDataForColumn)
{
    e.CDArtist = "Miles Davis";
    e.CDTitle = "Kind of Blue";
    e.CDRelYear = 1959;
    e.CDNbrTracks = 5;
    e.CDRateSound = 9;
    e.setCDPurchCostStr("12.5");
    EXPECT_EQ(e.GetDataForColumn("101"), "Miles Davis");
    EXPECT_EQ(e.GetDataForColumn("127"), "Kind of Blue");
    EXPECT_EQ(e.GetDataForColumn("123"), "1959");
    EXPECT_EQ(e.GetDataForColumn("118"), "5");
    EXPECT_EQ(e.GetDataForColumn("117"), "1");
    EXPECT_EQ(e.GetDataForColumn("122"), "9");
    EXPECT_EQ(e.GetDataForColumn("119"), "$12.50");
    EXPECT_EQ(w.messages.count(), 0u);
    for (const char* bad : {"110", "124", "181", "185", "abc"}) {
        EXPECT_EQ(e.GetDataForColumn(QString::fromLatin1(bad)), "");
        EXPECT_EQ(w.messages.last().text, "Unknown data type CEntry.GetDataForColumn.");
        EXPECT_EQ(w.messages.last().title, "Error in element alignment");
    }
}
