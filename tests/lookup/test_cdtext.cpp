// CD-Text as the disc image carries it: a CUE sheet's TITLE and PERFORMER lines are read as
// the album's (before the first track) and each track's titles.
#include "DiscImages.h"
#include "lookup/CdioAudioDevice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

TEST(CdText, TheImagesTitlesAreReadForTheAudioTracksOnly)
{
    struct Case {
        const char* name;
        std::vector<ImageTrack> tracks;
        CueText cue;
        CdText expected;
    };
    const std::vector<ImageTrack> three{{15000}, {16000}, {17000}};
    const std::vector<Case> cases{
        {"album and tracks", three,
         CueText{"Long Player", "The Band", {"One", "Two", "Three"}},
         CdText{"Long Player", "The Band", {"One", "Two", "Three"}}},
        {"no CD-Text", three, CueText{}, CdText{}},
        {"some tracks without a title", three, CueText{"", "The Band", {"One", "", "Three"}},
         CdText{"", "The Band", {"One", "", "Three"}}},
        // More titles than audio tracks: the data track's title is not one of them.
        {"a titled data track at the end", {{15000}, {16000}, {20000, false}},
         CueText{"Enhanced", "", {"One", "Two", "Data"}}, CdText{"Enhanced", "", {"One", "Two"}}},
        {"not ASCII", {{15000}}, CueText{"Größe", "Ørsted", {"Ça va"}}, CdText{"Größe", "Ørsted", {"Ça va"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        CdioAudioDevice device;
        ASSERT_EQ(device.open(WriteCueImage(dir.path(), "disc", c.tracks, c.cue)), CDOpenResult::Ok);
        const CdText t = device.cdText();
        EXPECT_EQ(t.title, c.expected.title);
        EXPECT_EQ(t.performer, c.expected.performer);
        EXPECT_EQ(t.trackTitles, c.expected.trackTitles);
        EXPECT_EQ(t.isEmpty(), c.expected.isEmpty());
        device.close();
        EXPECT_TRUE(device.cdText().isEmpty());
    }
}
