#include "model/CEntries.h"
#include "support/TestWorld.h"

#include <cstdlib>

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
    EXPECT_TRUE(test::onlyMessage(w.messages, timeText, "Invalid Total Time", MsgIcon::Critical));
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

// Tracks live inside their recording: a track never moves while others are added or
// removed, keys and order survive removals, and CurrTrack follows what it names. Checked
// against a plain list through a long run of random operations.
TEST_F(EntryTest, TracksKeepKeysOrderAndAddressesThroughChanges)
{
    struct Expected {
        QString key, title;
        CTrackEntry* address;
    };
    std::vector<Expected> model;
    QString current; // key of the expected CurrTrack, empty for none
    int nextKey = 0;
    std::srand(7);
    for (int step = 0; step < 3000; ++step) {
        const int op = std::rand() % 10;
        if (op < 5 || model.empty()) {
            CTrackEntry* t = e.AddNewTrackEntry();
            t->CDTrackTitle = QStringLiteral("title %1").arg(step);
            model.push_back({QString::number(++nextKey), t->CDTrackTitle, t});
            current = model.back().key;
            EXPECT_TRUE(t->CDTrackTime.isEmpty() && t->CDTrackDesc.isEmpty());
        } else if (op < 8) {
            const std::size_t i = std::size_t(std::rand()) % model.size();
            ASSERT_TRUE(e.TrackEntries().remove(model[i].key));
            if (current == model[i].key)
                current.clear();
            model.erase(model.begin() + qsizetype(i));
        } else if (op < 9) {
            const std::size_t i = std::size_t(std::rand()) % model.size();
            ASSERT_TRUE(e.LocateTrackByKey(model[i].key));
            current = model[i].key;
        } else if (std::rand() % 8 == 0) {
            e.ClearAllEntries();
            model.clear();
            current.clear();
            nextKey = 0;
        }
        const TrackList& tracks = e.TrackEntries();
        ASSERT_EQ(tracks.size(), qsizetype(model.size()));
        qsizetype i = 0;
        for (const auto& item : tracks) {
            const Expected& x = model[std::size_t(i)];
            ASSERT_EQ(item.key, x.key);
            ASSERT_EQ(item.value.get(), x.address) << "a track moved";
            ASSERT_EQ(item.value->Key, x.key);
            ASSERT_EQ(item.value->CDTrackTitle, x.title);
            ASSERT_EQ(tracks.at(i).get(), x.address);
            ASSERT_EQ(item.value->Entry, &e);
            ++i;
        }
        ASSERT_EQ(e.CurrTrack() ? e.CurrTrack()->Key : QString(), current);
    }
    EXPECT_FALSE(e.TrackEntries().remove("0"));
}

TEST_F(EntryTest, TracksClearedAndRebuilt)
{
    for (int i = 0; i < 40; ++i)
        e.AddNewTrackEntry()->CDTrackTitle = "old";
    e.ClearAllEntries();
    EXPECT_EQ(e.CurrTrack(), nullptr);
    EXPECT_TRUE(e.TrackEntries().isEmpty());
    e.TrackEntries().reserve(5);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(e.AddNewTrackEntry()->setCDTrackTimeStr("00:00"));
    QStringList keys;
    for (const auto& item : e.TrackEntries())
        keys << item.key + u'=' + item.value->CDTrackTitle + u'@' + item.value->CDTrackTime;
    EXPECT_EQ(keys.join(u' '), "1=@00:00 2=@00:00 3=@00:00 4=@00:00 5=@00:00");
    EXPECT_EQ(e.CurrTrack()->Key, "5");
    EXPECT_EQ(e.TrackEntries().find("3")->get(), e.TrackEntries().at(2).get());
    EXPECT_EQ(e.TrackEntries().find("9"), nullptr);
    EXPECT_EQ(e.TrackEntries().indexOf("6"), -1);
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
