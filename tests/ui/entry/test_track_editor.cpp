// The tracks page's rules: rows, storing a track, the total, "Blank" and reading a disc.
#include "DiscImages.h"
#include "EntryTestSupport.h"
#include "model/TimeText.h"
#include "storage/CFileIO.h"
#include "ui/entry/TrackListEditor.h"

#include "lookup/CdioAudioDevice.h"

using namespace vinaxo;

namespace {
struct TrackTest : ::testing::Test {
    test::EntryWorld w;
    CEntry* e = w.addRecording("Alpha", "Ann", 3);
    TrackListEditor t{w.entries(), w.config()};
    void SetUp() override
    {
        w.sortByTitle();
        t.fill();
    }
    QString cell(int row, int col) const
    {
        auto& m = const_cast<TrackListEditor&>(t).model();
        return m.data(m.index(row, col), Qt::DisplayRole).toString();
    }
};
}

TEST_F(TrackTest, RowsShowNumberTitleTimeAndDescription)
{
    e->TrackEntries().at(1)->CDTrackDesc = "live";
    t.fill();
    ASSERT_EQ(t.model().rowCount(), 3);
    EXPECT_EQ(cell(1, 0), "2. Track 2");
    EXPECT_EQ(cell(1, 1), "03:00");
    EXPECT_EQ(cell(1, 2), "live");
    EXPECT_EQ(t.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Title");
    EXPECT_EQ(t.currentRow(), 2); // the last track added is current until a row is shown

    w.entries().ActionAdd(); // an entry without tracks
    t.fill();
    EXPECT_EQ(t.model().rowCount(), 0);
    EXPECT_EQ(t.showRow(-1).title, "");
}

TEST_F(TrackTest, StoredTrackMovesTheTotalOnlyWithTheOption)
{
    for (bool option : {true, false}) {
        SCOPED_TRACE(option);
        w.config().setTotalTrackTime(option);
        e->CDTotalTime = "09:00";
        t.showRow(0);
        TrackFields f{"First", "4:30", "one"};
        QString total;
        ASSERT_TRUE(t.storeTrackEdits(f, &total));
        EXPECT_EQ(cell(0, 0), "1. First");
        EXPECT_EQ(e->CDTotalTime, option ? "10:30" : "09:00");
        EXPECT_EQ(total, option ? "10:30" : "");
        e->TrackEntries().at(0)->CDTrackTime = "03:00";
    }
}

TEST_F(TrackTest, RejectedTrackTimeLeavesTrackRowAndTotal)
{
    e->CDTotalTime = "09:00";
    t.showRow(1);
    TrackFields f{"New title", "3:75", "desc"};
    EXPECT_FALSE(t.storeTrackEdits(f));
    EXPECT_EQ(w.messages.last().title, "Invalid Track Time");
    EXPECT_EQ(f.time, "03:00");
    EXPECT_EQ(e->TrackEntries().at(1)->CDTrackTitle, "Track 2");
    EXPECT_EQ(cell(1, 0), "2. Track 2");
    EXPECT_EQ(e->CDTotalTime, "09:00");
}

TEST_F(TrackTest, NextRowStopsAtTheLastTrack)
{
    t.showRow(0);
    EXPECT_EQ(t.nextRow(), 1);
    t.showRow(2);
    EXPECT_EQ(t.nextRow(), -1);
}

TEST_F(TrackTest, BlankMakesNumberedEmptyTracksWithinRange)
{
    EXPECT_FALSE(t.blank(101)); // the range's edges are the session's to prove
    EXPECT_EQ(e->TrackEntries().size(), 3);
    ASSERT_TRUE(t.blank(5));
    ASSERT_EQ(t.model().rowCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(cell(i, 0), QStringLiteral("%1. ").arg(i + 1));
        EXPECT_EQ(cell(i, 1), "00:00");
    }
    EXPECT_EQ(e->CDNbrTracks, 5);
    EXPECT_TRUE(w.entries().Changesmade);
}

TEST_F(TrackTest, ReadsTwelveTracksFromADiscImage)
{
    std::vector<test::ImageTrack> tracks;
    QString total;
    for (int i = 0; i < 12; ++i) {
        const qint32 seconds = 150 + 17 * i;
        tracks.push_back({seconds * 75 + 30});
        total = AddTimes(total, SecondsToTime(seconds));
    }
    const QString cue = test::WriteCueImage(w.dir.path(), "twelve", tracks);
    CdioAudioDevice device;
    ASSERT_TRUE(t.readDisc(device, cue));
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(e->CDNbrTracks, 12);
    EXPECT_EQ(e->CDNbrDisks, 1);
    NormalizeTime(total);
    EXPECT_EQ(e->CDTotalTime, total);
    ASSERT_EQ(t.model().rowCount(), 12);
    EXPECT_EQ(cell(11, 1), SecondsToTime(150 + 17 * 11));
    EXPECT_EQ(cell(0, 0), "1. ");
}

TEST_F(TrackTest, UnreadableDiscLeavesTracksAndClosesTheDevice)
{
    CdioAudioDevice device;
    EXPECT_FALSE(t.readDisc(device, w.dir.filePath("absent.cue")));
    EXPECT_EQ(e->TrackEntries().size(), 3);
    EXPECT_FALSE(device.isOpen());

    test::FakeCDAudioDevice fake(test::TocOf({20000, 20000}));
    fake.result = CDOpenResult::NoDisc;
    EXPECT_FALSE(t.readDisc(fake, "D:"));
    EXPECT_FALSE(fake.isOpen());
    EXPECT_EQ(e->TrackEntries().size(), 3);
}

// Reading with no current entry once returned with the device still open.
TEST_F(TrackTest, ReadCDWithoutEntryLeavesTheDeviceClosed)
{
    w.messages.answer(MsgAnswer::Yes);
    w.entries().ActionDelete();
    ASSERT_FALSE(w.entries().ValidEntry());
    test::FakeCDAudioDevice fake(test::TocOf({20000}));
    EXPECT_FALSE(t.readDisc(fake, "D:"));
    EXPECT_FALSE(fake.isOpen());
}

// A recording opened from a file has its tracks packed: the page shows and stores them
// as for one made in the program, and the change is what the next save writes.
TEST_F(TrackTest, TracksOfAnOpenedFileAreShownAndStored)
{
    const QByteArray saved = CFileIO(*w.ws).SaveToBytes();
    ASSERT_EQ(CFileIO(*w.ws).OpenCDBytes(saved), CFileIO::Loaded);
    w.sortByTitle();
    CEntry* loaded = w.entries().CurrEntry();
    ASSERT_TRUE(loaded && loaded->TrackEntries().isPacked());
    t.fill();
    ASSERT_EQ(t.model().rowCount(), 3);
    EXPECT_EQ(cell(1, 0), "2. Track 2");
    t.showRow(1);
    TrackFields f{"Second", "4:30", "live"};
    ASSERT_TRUE(t.storeTrackEdits(f));
    EXPECT_EQ(cell(1, 0), "2. Second");

    ASSERT_EQ(CFileIO(*w.ws).OpenCDBytes(CFileIO(*w.ws).SaveToBytes()), CFileIO::Loaded);
    QStringList tracks;
    w.entries().Entries().at(0)->TrackEntries().forEachTrack(
        [&](const CTrackEntry& k) { tracks << k.CDTrackTitle + u'=' + k.CDTrackTime + u'=' + k.CDTrackDesc; });
    EXPECT_EQ(tracks, (QStringList{"Track 1=03:00=", "Second=4:30=live", "Track 3=03:00="}));
}
