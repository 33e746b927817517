// Snapshots that reuse the copies of the last one must write exactly what a save of the
// moment writes, whatever changed in between, and leave earlier snapshots as they were.
#include "model/RecordingCopies.h"
#include "storage/CFileIO.h"
#include "support/TestWorld.h"

#include <functional>

using namespace vinaxo;

namespace {
// Recordings with fields and tracks; loaded back from their bytes, so that their tracks
// are packed as in a collection opened from its file.
std::unique_ptr<test::TestWorld> collection(int n)
{
    test::TestWorld built;
    for (int i = 0; i < n; ++i) {
        CEntry* e = built.entries().AddNewEntry();
        e->CDTitle = QStringLiteral("Title %1").arg(i);
        e->CDArtist = QStringLiteral("Artist %1").arg(i % 3);
        e->CDComments = QStringLiteral("Notes");
        e->CDRelYear = qint16(1970 + i);
        CTrackEntry tracks[3];
        for (int t = 0; t < 3; ++t) {
            tracks[t].CDTrackTitle = QStringLiteral("Track %1").arg(t);
            tracks[t].CDTrackTime = QStringLiteral("3:0%1").arg(t);
        }
        e->AddTracks(tracks, 3);
    }
    auto w = std::make_unique<test::TestWorld>();
    EXPECT_EQ(CFileIO(*w->ws).OpenCDBytes(CFileIO(*built.ws).SaveToBytes()), CFileIO::Loaded);
    return w;
}
} // namespace

TEST(SnapshotCopies, EveryKindOfChangeIsSeenAndUnchangedRecordingsAreShared)
{
    const auto w = collection(8);
    CEntries& entries = w->entries();
    auto at = [&entries](qsizetype i) -> CEntry& { return *entries.Entries().at(i); };
    RecordingCopies copies;
    EXPECT_FALSE(copies.prefill(entries.Entries(), 5));
    EXPECT_TRUE(copies.prefill(entries.Entries(), 5));
    EXPECT_EQ(copies.size(), 8);

    const std::pair<const char*, std::function<void()>> changes[] = {
        {"nothing", [] {}},
        {"a text replaced", [&] { at(0).CDTitle = QStringLiteral("Changed"); }},
        {"a text changed in place", [&] { at(1).CDComments.append(u'!'); }},
        {"a text set to what it was", [&] { at(1).CDComments = QStringLiteral("Notes!"); }},
        {"a number", [&] { at(2).CDRelYear = 1999; }},
        {"the purchase date and cost", [&] {
             ASSERT_TRUE(at(3).setCDPurchDateStr(QStringLiteral("1/2/2003")));
             ASSERT_TRUE(at(3).setCDPurchCostStr(QStringLiteral("12.50")));
         }},
        {"a packed track edited", [&] { at(4).TrackEntries().at(1)->CDTrackDesc = QStringLiteral("live"); }},
        {"a track added", [&] { at(4).AddNewTrackEntry()->CDTrackTitle = QStringLiteral("Encore"); }},
        {"a track removed", [&] { at(5).TrackEntries().removeAt(0); }},
        {"a recording removed", [&] { entries.DeleteEntry(at(0).CDKey); }},
        {"a recording added", [&] { entries.AddNewEntry()->CDTitle = QStringLiteral("New"); }},
        {"a recording moved to the front", [&] { entries.PutEntry(entries.TakeEntry(at(6).CDKey), 0); }},
    };
    CollectionSnapshot last = CFileIO(*w->ws).TakeSnapshot(&copies);
    QByteArray lastSaved = CFileIO(*w->ws).SaveToBytes();
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        change();
        const CollectionSnapshot s = CFileIO(*w->ws).TakeSnapshot(&copies);
        const QByteArray saved = CFileIO(*w->ws).SaveToBytes();
        EXPECT_EQ(CFileIO::SnapshotBytes(*w->ws, s), saved);
        EXPECT_EQ(CFileIO::SnapshotBytes(*w->ws, last), lastSaved); // the earlier one kept
        last = s;
        lastSaved = saved;
    }

    // An untouched recording is the same copy from one snapshot to the next.
    const CollectionSnapshot next = CFileIO(*w->ws).TakeSnapshot(&copies);
    ASSERT_EQ(next.recordings.size(), last.recordings.size());
    for (std::size_t i = 0; i < next.recordings.size(); ++i)
        EXPECT_EQ(next.recordings[i], last.recordings[i]) << i;
    at(7).CDTitle = QStringLiteral("Last");
    EXPECT_NE(CFileIO(*w->ws).TakeSnapshot(&copies).recordings.at(7), next.recordings.at(7));
}
