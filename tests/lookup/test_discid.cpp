// Disc ids worked out by hand from the service's algorithm, and disc images read
// through libcdio.
#include "CannedDiscs.h"
#include "lookup/CdioAudioDevice.h"
#include "model/TimeText.h"
#include "support/TestWorld.h"

#include <QTemporaryDir>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
// Starts of kThreeTracks (lead-in of 150 included): 150, 15525, 34285; lead-out 43285.
// Start seconds 2, 207, 457 give digit sums 2 + 9 + 16 = 27 = 0x1b; playing time
// 577 - 2 = 575 s = 0x023f; 3 tracks.
const char* kThreeQuery = "1b023f03 3 150 15525 34285 577";
}

TEST(DiscId, WorkedOutByHand)
{
    struct Case {
        std::vector<qint32> frames;
        const char* id;
        qint32 totalSeconds;
    };
    // 99 one-minute tracks: start seconds 2, 62, ..., 5882 have digit sums adding up to
    // 1278, which wraps to 1278 % 255 = 3; playing time 5942 - 2 = 5940 s = 0x1734.
    const std::vector<Case> cases{
        {kThreeTracks, "1b023f03", 577},
        {std::vector<qint32>(99, 4500), "03173463", 5942},
        // Twelve tracks: digit sums 139 = 0x8b, 2826 - 2 = 2824 s = 0x0b08.
        {{13000, 20125, 16999, 11250, 22501, 15000, 9876, 30000, 17777, 12345, 25000, 18000}, "8b0b080c", 2826},
    };
    for (const Case& c : cases) {
        const DiscToc toc = TocOf(c.frames);
        EXPECT_EQ(toc.discIdText(), c.id);
        EXPECT_EQ(toc.totalSeconds(), c.totalSeconds);
    }
    EXPECT_EQ(TocOf(kThreeTracks).queryArguments(), kThreeQuery);
}

TEST(DiscId, PackedLengthsAreMinutesSecondsFrames)
{
    EXPECT_EQ(PackFrames(18760), 4 | (10 << 8) | (10 << 16)); // 4:10.10
    EXPECT_EQ(PackedTimeToText(PackFrames(15375)), "03:25");
    EXPECT_EQ(PackedTimeToText(PackFrames(74)), "00:00");
    EXPECT_EQ(PackFrames(-5), 0);
}

TEST(DiscId, EnhancedDiscLosesTheSessionGapOnItsLastAudioTrack)
{
    DiscToc toc = TocOf({15000, 20000 + 11400, 30000});
    toc.tracks[2].audio = false;
    EXPECT_EQ(toc.lengthFrames(1), 20000);
    EXPECT_EQ(toc.lengthFrames(2), 30000);
    EXPECT_EQ(toc.lengthFrames(3), 0);
}

TEST(CdioDevice, ReadsCueAndTocImagesAndTrackTimes)
{
    QTemporaryDir dir;
    for (const QString& path : {WriteCueImage(dir.path(), "three", {{15375}, {18760}, {9000}}),
                                WriteTocImage(dir.path(), "threetoc", kThreeTracks)}) {
        SCOPED_TRACE(path.toStdString());
        CdioAudioDevice d;
        ASSERT_EQ(d.open(path), CDOpenResult::Ok) << d.errorText().toStdString();
        EXPECT_EQ(d.trackCount(), 3);
        EXPECT_EQ(d.toc().discIdText(), kThreeId);
        EXPECT_EQ(d.toc().queryArguments(), kThreeQuery);
        EXPECT_EQ(d.trackLengthFrames(2), 18760);
        EXPECT_EQ(PackedTimeToText(d.trackLength(1)), "03:25");
        EXPECT_EQ(d.trackLengthFrames(4), 0);
        EXPECT_EQ(d.trackLengthFrames(0), 0);
        d.close();
        EXPECT_EQ(d.trackCount(), 0);
        EXPECT_TRUE(d.toc().isEmpty());
        // One track's time: the image is opened and closed again.
        EXPECT_EQ(ReadTrackTime(d, path, 2), "04:10");
        EXPECT_FALSE(d.isOpen());
        for (int beyond : {0, 4})
            EXPECT_EQ(ReadTrackTime(d, path, beyond), "");
    }
    CdioAudioDevice d;
    EXPECT_EQ(ReadTrackTime(d, dir.filePath("none.cue"), 1), "");
}

TEST(CdioDevice, EveryUnreadableDiscGivesAClearResult)
{
    QTemporaryDir dir;
    const QString data = WriteCueImage(dir.path(), "data", {{30000, false}});
    WriteFile(dir.filePath("garbage.cue"), "TRACK banana\n\x01\x02\x03 INDEX 99 99:99:99\n");
    WriteFile(dir.filePath("nobin.cue"), "FILE \"nobin.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    for (const auto& [path, result] : std::vector<std::pair<QString, CDOpenResult>>{
             {dir.filePath("absent.cue"), CDOpenResult::NoDrive},
             {dir.filePath("garbage.cue"), CDOpenResult::BrokenImage},
             {dir.filePath("nobin.cue"), CDOpenResult::BrokenImage},
             {data, CDOpenResult::NotAudio}}) {
        CdioAudioDevice d;
        EXPECT_EQ(d.open(path), result) << path.toStdString();
        EXPECT_FALSE(d.isOpen());
        EXPECT_EQ(d.trackCount(), 0);
        EXPECT_FALSE(d.errorText().isEmpty());
    }
    // No drive in a test machine, or a drive without a disc: either way no crash, no Ok
    // unless a real disc is there.
    CdioAudioDevice d;
    const CDOpenResult r = d.open(QStringLiteral("D:"));
    EXPECT_TRUE(r != CDOpenResult::Ok || d.trackCount() > 0);
    EXPECT_NE(CdioAudioDevice().open(QStringLiteral("Q:")), CDOpenResult::Ok);
}
