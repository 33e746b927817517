// Tracks read from a collection file are kept packed until a track object is asked for:
// reading them in place, unpacking them and changing them must all look exactly as for
// tracks built one by one.
#include "model/CEntrySelection.h"
#include "storage/CFileIO.h"
#include "storage/FileBytes.h"
#include "support/TestWorld.h"

using namespace vinaxo;
using test::FileBytes;

namespace {
// A track block with any of its four texts; absent ones are not written.
QByteArray track(const QByteArray& title, const QByteArray& time = {}, const QByteArray& desc = {},
                 const QByteArray& artists = {})
{
    FileBytes b;
    b.integer(180, 0);
    for (auto [code, text] : {std::pair{181, title}, {182, time}, {183, desc}, {184, artists}}) {
        if (!text.isEmpty())
            b.text(code, text);
    }
    return b.integer(189, 0).b;
}

// Recording 1: five tracks whose texts test the decoding (bytes 0x80-0x9F, spaces the
// writer trims, a code given twice, a long title). Recording 2: no tracks. Recording 3:
// one track with an unlisted code inside it, which ends the track with a message.
QByteArray fileWithTracks()
{
    FileBytes b;
    b.header(301);
    b.integer(100, 0).text(127, "First").integer(118, 5);
    b.raw(track("Intro", "1:05", "live", "Ann & Bob"));
    b.raw(track(" caf\xe9 \x80\x81\x9f ", "12:00"));
    b.raw(FileBytes{}.integer(180, 0).text(181, "old").text(182, "2:00").text(181, "new").integer(189, 0).b);
    b.raw(track(QByteArray(4000, 'x'), {}, "only desc"));
    b.raw(track({}, {}, {}, "Someone"));
    b.integer(254, 0);
    b.integer(100, 0).text(127, "Second").integer(254, 0);
    b.integer(100, 0).text(127, "Third");
    b.raw(FileBytes{}.integer(180, 0).text(181, "cut").byte(50).b);
    b.integer(254, 0);
    return b.b;
}

QStringList describe(const CEntry& e)
{
    QStringList out;
    e.TrackEntries().forEachTrack([&](const CTrackEntry& t) {
        EXPECT_EQ(t.Entry, &e);
        out << t.Key + u'|' + t.CDTrackTitle.left(12) + u'|' + t.CDTrackTime + u'|' + t.CDTrackDesc + u'|'
                   + t.CDTrackArtists;
    });
    return out;
}

CEntry& recording(test::TestWorld& w, qsizetype i) { return *w.entries().Entries().at(i); }

std::unique_ptr<test::TestWorld> load(const QByteArray& bytes)
{
    auto w = std::make_unique<test::TestWorld>();
    CFileIO io(*w->ws);
    EXPECT_EQ(io.OpenCDBytes(bytes), CFileIO::Loaded);
    return w;
}

QByteArray save(test::TestWorld& w)
{
    CFileIO io(*w.ws);
    return io.SaveToBytes();
}

void unpackAll(test::TestWorld& w)
{
    for (const auto& item : w.entries().Entries())
        (void)item.value->TrackEntries().begin();
}
}

TEST(PackedTracks, ReadInPlaceTheyAreWhatTheFileSaysAndStayPacked)
{
    const auto w = load(fileWithTracks());
    EXPECT_EQ(w->messages.texts(), QStringList{"Unknown data type CTrackEntry.LoadEntry."});
    CEntry& first = recording(*w, 0);
    EXPECT_TRUE(first.TrackEntries().isPacked());
    EXPECT_EQ(first.TrackEntries().size(), 5);
    const QStringList expected = {
        "1|Intro|1:05|live|Ann & Bob",
        QStringLiteral("2| caf\u00e9 \u20ac\u0081\u0178 |12:00||"),
        "3|new|2:00||",
        "4|xxxxxxxxxxxx||only desc|",
        "5||||Someone",
    };
    EXPECT_EQ(describe(first), expected);
    EXPECT_FALSE(recording(*w, 1).TrackEntries().isPacked());
    EXPECT_TRUE(recording(*w, 1).TrackEntries().isEmpty());
    EXPECT_EQ(describe(recording(*w, 2)), QStringList{"1|cut|||"});

    // Saving, searching and stopping early read them where they are.
    const QByteArray saved = save(*w);
    CEntrySelection& s = w->ws->selection;
    s.SearchTypeText = true;
    s.SearchTrackDesc = true;
    s.SearchString = QStringLiteral("ONLY");
    s.ApplyFilter();
    EXPECT_TRUE(first.Selected);
    EXPECT_FALSE(recording(*w, 2).Selected);
    int seen = 0;
    EXPECT_TRUE(first.TrackEntries().anyTrack([&](const CTrackEntry& t) {
        ++seen;
        return t.CDTrackTime == u"12:00";
    }));
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(first.TrackEntries().isPacked());

    // Unpacked, they are the same tracks with the same keys, and save the same bytes.
    unpackAll(*w);
    EXPECT_FALSE(first.TrackEntries().isPacked());
    EXPECT_EQ(describe(first), expected);
    EXPECT_EQ(first.TrackEntries().at(1)->CDTrackTitle.size(), 10);
    EXPECT_EQ(first.TrackEntries().at(3)->CDTrackTitle, QString(4000, u'x'));
    EXPECT_EQ(save(*w), saved);
    EXPECT_EQ(save(*load(saved)), saved);
}

TEST(PackedTracks, ASnapshotSavesWhatASaveWouldAndIgnoresLaterEdits)
{
    const auto w = load(fileWithTracks());
    (void)recording(*w, 2).TrackEntries().begin(); // one list unpacked, one still packed
    const QByteArray saved = save(*w);
    CollectionSnapshot snapshot = CFileIO(*w->ws).TakeSnapshot();
    EXPECT_TRUE(snapshot.recordings.at(0)->TrackEntries().isPacked());
    EXPECT_EQ(describe(*snapshot.recordings.at(2)), describe(recording(*w, 2)));

    recording(*w, 0).CDTitle = QStringLiteral("Changed");
    recording(*w, 2).TrackEntries().at(0)->CDTrackTitle = QStringLiteral("changed");
    w->entries().DeleteEntry(recording(*w, 1).CDKey);
    EXPECT_EQ(CFileIO::SnapshotBytes(*w->ws, snapshot), saved);
}

TEST(PackedTracks, ChangingAPackedListKeepsKeysOrderAndTheCurrentTrack)
{
    const auto w = load(fileWithTracks());
    CEntry& e = recording(*w, 0);

    // As after adding the tracks one by one: the last is current, keys go on from 5.
    ASSERT_TRUE(e.TrackEntries().isPacked());
    ASSERT_NE(e.CurrTrack(), nullptr);
    EXPECT_EQ(e.CurrTrack()->Key, "5");
    EXPECT_EQ(e.CurrTrack()->CDTrackArtists, "Someone");
    EXPECT_EQ(e.CurrTrack()->Entry, &e);
    EXPECT_FALSE(e.TrackEntries().isPacked());

    CTrackEntry* third = e.TrackEntries().find("3")->get();
    EXPECT_TRUE(e.TrackEntries().remove("2"));
    CTrackEntry* added = e.AddNewTrackEntry();
    EXPECT_EQ(added->Key, "6");
    added->CDTrackTitle = "added";
    EXPECT_EQ(e.TrackEntries().find("3")->get(), third); // nothing moved
    EXPECT_TRUE(e.LocateTrackByKey("3"));
    EXPECT_EQ(e.CurrTrack(), third);
    EXPECT_TRUE(e.TrackEntries().remove("3"));
    EXPECT_EQ(e.CurrTrack(), nullptr);
    QStringList keys;
    for (const auto& item : e.TrackEntries())
        keys << item.key + u'=' + item.value->CDTrackTitle.left(5);
    EXPECT_EQ(keys, (QStringList{"1=Intro", "4=xxxxx", "5=", "6=added"}));

    // A packed list cleared and rebuilt starts its keys again.
    const auto v = load(fileWithTracks());
    CEntry& f = recording(*v, 0);
    f.TrackEntries().setCurrent(nullptr);
    EXPECT_TRUE(f.TrackEntries().isPacked());
    EXPECT_EQ(f.CurrTrack(), nullptr);
    f.ClearAllEntries();
    EXPECT_TRUE(f.TrackEntries().isEmpty());
    EXPECT_FALSE(f.TrackEntries().isPacked());
    EXPECT_EQ(f.AddNewTrackEntry()->Key, "1");

    // Adding to a packed list appends after its tracks.
    CEntry& g = recording(*v, 2);
    ASSERT_TRUE(g.TrackEntries().isPacked());
    EXPECT_EQ(g.AddNewTrackEntry()->Key, "2");
    EXPECT_EQ(g.TrackEntries().size(), 2);
    EXPECT_EQ(g.TrackEntries().keyAt(0), "1");
    EXPECT_EQ(g.TrackEntries().at(0)->CDTrackTitle, "cut");
}
