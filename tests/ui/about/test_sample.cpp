#include "SampleCollection.h"
#include "model/CEntries.h"
#include "storage/FileCommands.h"
#include "support/TestWorld.h"

#include <QRegularExpression>
#include <set>

using namespace vinaxo;

namespace {

QString committedSample() { return QStringLiteral(VINAXO_SOURCE_DIR "/examples/sample.DAT"); }

} // namespace

TEST(SampleCollection, CommittedFileIsWhatTheGeneratorWritesNow)
{
    QStringList problems;
    const QByteArray generated = sampleCollectionBytes(&problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    ASSERT_FALSE(generated.isEmpty());
    EXPECT_EQ(sampleCollectionBytes(), generated) << "the generator is deterministic";

    EXPECT_TRUE(test::readFile(committedSample()) == generated)
        << "examples/sample.DAT is stale: cmake --build build/plain --target sample_collection";
}

TEST(SampleCollection, LoadsWithoutAnyMessageWithTimedUnnumberedTracks)
{
    test::TestWorld w;
    const LoadReport report = LoadCollectionFile(*w.ws, committedSample());
    EXPECT_TRUE(report.loaded());
    EXPECT_EQ(w.messages.count(), 0u) << w.messages.texts().join(u'\n').toStdString();

    CEntries& e = w.entries();
    EXPECT_GE(e.Count(), 45);
    EXPECT_LE(e.Count(), 60);
    EXPECT_EQ(w.ws->currentFileName, committedSample());

    // Two views, every medium of the default list but "Other" in use, tracks with times.
    // The example once numbered its own movements ("1. Scherzo: Vivace"), so the tape
    // calculator, which numbers each track itself, listed "1.1. Scherzo: Vivace".
    static const QRegularExpression numbered(QStringLiteral("^\\s*\\d+\\s*\\."));
    int titles = 0;
    EXPECT_TRUE(e.VerifyViewByName("Standard View"));
    EXPECT_TRUE(e.VerifyViewByName("Shelf List"));
    EXPECT_EQ(e.ViewEntries().size(), 2);
    std::set<QString> mediums;
    for (const auto& item : e.Entries()) {
        const CEntry& r = *item.value;
        SCOPED_TRACE(r.CDTitle.toStdString());
        mediums.insert(r.CDMedium);
        EXPECT_TRUE(e.MediumEntries().contains(r.CDMedium));
        EXPECT_TRUE(e.CategoryEntries().contains(r.CDCategory));
        EXPECT_TRUE(e.ArtistEntries().contains(r.CDArtist));
        EXPECT_GT(r.CDNbrTracks, 0);
        EXPECT_EQ(qsizetype(r.CDNbrTracks), qsizetype(r.TrackEntries().size()));
        EXPECT_FALSE(r.CDTotalTime.isEmpty());
        for (const auto& t : r.TrackEntries()) {
            EXPECT_FALSE(t.value->CDTrackTime.isEmpty());
            EXPECT_FALSE(t.value->CDTrackTitle.contains(numbered)) << t.value->CDTrackTitle.toStdString();
            titles += !t.value->CDTrackTitle.isEmpty();
        }
    }
    EXPECT_EQ(mediums, (std::set<QString>{"CD", "Cassette", "LP Album", "DAT", "MiniDisk", "DVD"}));
    EXPECT_GT(titles, 400);
}
