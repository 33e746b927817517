// The lookup's rules without widgets: the fill order, add and update with the mismatch
// question, the category item, the track times and the site configuration rules.
#include "LookupRig.h"
#include "lookup/CdioAudioDevice.h"
#include "model/CEntries.h"
#include "history/CollectionHistory.h"
#include "ui/lookup/LookupApply.h"
#include "ui/lookup/SiteRules.h"

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
LookupFields threeTracks()
{
    LookupFields f;
    f.title = "The Album";
    f.artist = "The Band";
    f.year = "1999";
    f.category = "Rock";
    f.description = "Notes";
    f.tracks = {"Opening", "The Long and Winding Road", "Closing"};
    // One text more than there are tracks: it has nowhere to go.
    f.trackExtensions = {"", "About two", "", "No such track"};
    f.times = {"03:25", "04:10"}; // the disc has only two tracks
    return f;
}
}

TEST(LookupFill, EveryFieldInItsOrder)
{
    UiWorld w;
    CEntry* e = w.addRecording("Old", "Someone", 5);
    e->CDComments = "c";
    e->CDCollNbr = "7";
    e->CDLocation = "shelf";
    e->CDCatnbr = "X-1";
    e->CDLabel = "Label";
    e->CDNbrDisks = 3;
    e->CDRateSound = 4; // not the lookup's business: kept
    ASSERT_TRUE(FillEntry(*w.ws, *e, threeTracks(), LookupFill::NewRecording));

    EXPECT_EQ(e->CDTitle, "The Album");
    EXPECT_EQ(e->CDArtist, "The Band");
    EXPECT_EQ(e->CDDesc, "Notes");
    for (const QString* cleared : {&e->CDComments, &e->CDCollNbr, &e->CDLocation, &e->CDCatnbr, &e->CDLabel})
        EXPECT_EQ(*cleared, "");
    EXPECT_EQ(e->CDRelYear, 1999);
    EXPECT_EQ(e->CDCategory, "Rock");
    EXPECT_EQ(e->CDMedium, "CD");
    EXPECT_EQ(e->CDNbrDisks, 1);
    EXPECT_EQ(e->CDRateSound, 4);
    ASSERT_EQ(e->TrackEntries().size(), 3);
    QStringList titles, times, descs, keys;
    for (const auto& t : e->TrackEntries()) {
        keys << t.value->Key;
        titles << t.value->CDTrackTitle;
        times << t.value->CDTrackTime;
        descs << t.value->CDTrackDesc;
    }
    EXPECT_EQ(keys, (QStringList{"1", "2", "3"}));
    EXPECT_EQ(titles, threeTracks().tracks);
    EXPECT_EQ(times, (QStringList{"03:25", "04:10", ""}));
    EXPECT_EQ(descs, (QStringList{"", "About two", ""}));
    EXPECT_EQ(e->CDNbrTracks, 3);
    EXPECT_EQ(e->CDTotalTime, "7:35"); // totals are not padded

    // The name lists grow, the empty label is no name, and the editor reloads its lists.
    EXPECT_TRUE(w.entries().CategoryEntries().contains("Rock"));
    EXPECT_TRUE(w.entries().ArtistEntries().contains("The Band"));
    EXPECT_TRUE(w.entries().MediumEntries().contains("CD"));
    EXPECT_FALSE(w.entries().LabelEntries().contains(""));
    EXPECT_TRUE(w.ws->refillArtists && w.ws->refillLabels && w.ws->refillCategories);
    EXPECT_FALSE(w.ws->refillMediums);
    EXPECT_EQ(w.messages.count(), 0u) << w.messages.texts().join('|').toStdString();
}

TEST(LookupFill, NoTracksNoTimes)
{
    UiWorld w;
    CEntry* e = w.addRecording("Old", "", 2);
    LookupFields f;
    f.year = "";
    ASSERT_TRUE(FillEntry(*w.ws, *e, f, LookupFill::NewRecording));
    EXPECT_EQ(e->TrackEntries().size(), 0);
    EXPECT_EQ(e->CDNbrTracks, 0);
    EXPECT_EQ(e->CDTotalTime, "");
    EXPECT_EQ(e->CDRelYear, 0);
}

TEST(LookupApply, AddPostsANewRecordingAndReportsIt)
{
    UiWorld w;
    w.addRecording("Kept");
    LookupApply apply(*w.ws, &w.windows);
    ASSERT_TRUE(apply.Add(threeTracks()));
    EXPECT_EQ(w.entries().Count(), 2);
    const CEntry* added = w.entries().CurrEntry();
    EXPECT_EQ(added->CDTitle, "The Album");
    EXPECT_TRUE(w.entries().DBChanged);
    EXPECT_EQ(w.sequence().Count(), 1); // the new key joins the navigation order
    ASSERT_EQ(w.windows.changes.size(), 1u);
    EXPECT_EQ(w.windows.changes[0], std::make_pair(qint32(ActionInserted), added->CDKey));
}

// The answers Yes and No are driven through the window; here the question itself, its
// default, and an update with no recording to update.
TEST(LookupApply, UpdateQuestionDefaultsToNo)
{
    UiWorld w;
    CEntry* e = w.addRecording("The Album", "THE BAND", 1);
    EXPECT_TRUE(EntryMismatch(*e, "The Album", "The Band")); // letter case counts
    EXPECT_FALSE(EntryMismatch(*e, "The Album", "THE BAND"));
    LookupApply apply(*w.ws, &w.windows);
    EXPECT_FALSE(apply.Update(threeTracks()));
    ASSERT_EQ(w.messages.count(), 1u);
    test::expectMessage(w.messages.last(), {LookupApply::MismatchText, "Entry Mismatch", MsgIcon::Question,
                                            MsgButtons::YesNo, MsgDefault::Second});
    EXPECT_EQ(e->CDArtist, "THE BAND");
    EXPECT_FALSE(w.entries().DBChanged);
    EXPECT_EQ(w.windows.changes.size(), 1u); // the main window hears of it all the same

    UiWorld empty;
    LookupApply none(*empty.ws, &empty.windows);
    EXPECT_FALSE(none.Update(threeTracks()));
    EXPECT_EQ(empty.windows.changes.size(), 1u);
    EXPECT_EQ(empty.entries().Count(), 0);
}

// Regression: an update cleared the recording's comments, collection number, location,
// catalogue number and label, though no reply carries them.
TEST(LookupApply, UpdateKeepsTheUsersOwnFields)
{
    UiWorld w;
    CEntry* e = w.addRecording("The Album", "The Band", 1);
    e->CDComments = "signed copy";
    e->CDCollNbr = "0042";
    e->CDLocation = "shelf 3";
    e->CDCatnbr = "CAT-1";
    e->CDLabel = "Own Label";
    e->CDNbrDisks = 2;
    LookupApply apply(*w.ws, &w.windows);
    ASSERT_TRUE(apply.Update(threeTracks()));
    EXPECT_EQ(w.messages.count(), 0u); // title and artist match: nobody is asked
    EXPECT_EQ((QStringList{e->CDComments, e->CDCollNbr, e->CDLocation, e->CDCatnbr, e->CDLabel}),
              (QStringList{"signed copy", "0042", "shelf 3", "CAT-1", "Own Label"}));
    // What the lookup does set, it still sets.
    EXPECT_EQ(e->CDDesc, "Notes");
    EXPECT_EQ(e->CDNbrDisks, 1);
    EXPECT_EQ(e->CDNbrTracks, 3);
    EXPECT_TRUE(w.entries().LabelEntries().contains("Own Label"));
}

// A lookup's Add asks about a recording held with the same artist and title; its Add and
// Update are steps of the history, the category and medium they bring included.
TEST(LookupApply, AddAsksAboutDuplicatesAndBothAreTakenBack)
{
    UiWorld w;
    CollectionHistory h(*w.ws);
    w.ws->history = &h;
    CEntry* held = w.addRecording("the album ", "The Band");
    LookupApply apply(*w.ws, &w.windows);
    w.messages.answerIndex(2); // Show Existing
    EXPECT_FALSE(apply.Add(threeTracks()));
    EXPECT_TRUE(apply.showedExisting);
    EXPECT_EQ(w.entries().Count(), 1);
    EXPECT_EQ(w.entries().CurrEntry(), held);
    EXPECT_EQ(w.windows.selected, QStringList({held->CDKey}));
    w.messages.answerIndex(1); // No
    EXPECT_FALSE(apply.Add(threeTracks()));
    EXPECT_FALSE(apply.showedExisting);
    EXPECT_EQ(w.entries().Count(), 1);
    EXPECT_FALSE(h.stack().canUndo());

    w.messages.answerIndex(0); // Yes
    ASSERT_TRUE(apply.Add(threeTracks()));
    EXPECT_EQ(h.stack().undoText(), "Lookup Add 'The Album'");
    w.entries().LocateEntryByKey(held->CDKey);
    w.messages.answer(MsgAnswer::Yes); // the title differs in case
    ASSERT_TRUE(apply.Update(threeTracks()));
    EXPECT_EQ(h.stack().undoText(), "Lookup Update 'The Album'");
    h.stack().undo();
    EXPECT_EQ(w.entries().Entries().find(held->CDKey)->get()->CDTitle, "the album ");
    h.stack().undo();
    EXPECT_EQ(w.entries().Count(), 1);
    w.ws->history = nullptr;
}

TEST(LookupRules, CategoryItemIsTheLastEqualInAnyCase)
{
    const QStringList items{"Blues", "rock", "Jazz", "ROCK"};
    EXPECT_EQ(MatchingCategoryIndex(items, "Rock"), 3);
    EXPECT_EQ(MatchingCategoryIndex(items, "jazz"), 2);
    EXPECT_EQ(MatchingCategoryIndex(items, "Folk"), -1);
    EXPECT_EQ(MatchingCategoryIndex({}, "Rock"), -1);
}

TEST(LookupRules, TrackTimesFromADiscImage)
{
    QTemporaryDir dir;
    CdioAudioDevice device;
    const QString cue = WriteCueImage(dir.path(), "three", {{kThreeTracks[0]}, {kThreeTracks[1]}, {kThreeTracks[2]}});
    EXPECT_EQ(ReadTrackTimes(device, cue, 4), (QStringList{"03:25", "04:10", "02:00", ""}));
    EXPECT_EQ(ReadTrackTimes(device, cue, 0), QStringList{});
    EXPECT_EQ(ReadTrackTimes(device, dir.filePath("missing.cue"), 2), (QStringList{"", ""}));
    EXPECT_FALSE(device.isOpen());
}

TEST(SiteRules, ItemsTakenApart)
{
    struct Case {
        QString item;
        SiteParts expected;
    };
    const SiteParts earlier{"old.host", "1", "old"};
    const std::vector<Case> cases{
        {"gnudb.gnudb.org 8880 - Random gnudb server", {"gnudb.gnudb.org", "8880", "-"}},
        {"gnudb.gnudb.org 80 /~cddb/cddb.cgi Random gnudb server HTTP", {"gnudb.gnudb.org", "80", "/~cddb/cddb.cgi"}},
        // The entry of a missing site list.
        {"gnudb.gnudb.org 8880 N000.00 W000.00 Random freedb server", {"gnudb.gnudb.org", "8880", "N000.00"}},
        {"host 8880 last", {"host", "8880", "old"}},
        {"host 8880", {"host", "1", "old"}},
        {"host", earlier},
    };
    for (const Case& c : cases) {
        const SiteParts p = SplitSiteItem(c.item, earlier);
        EXPECT_EQ((QStringList{p.address, p.port, p.additional}),
                  (QStringList{c.expected.address, c.expected.port, c.expected.additional}))
            << c.item.toStdString();
    }

    // Regression: a stored port with a blank after it ("80 ", as earlier releases kept it)
    // matched no item.
    const QStringList items{"a.org 8880 - One", "a.org 80 /cgi Web HTTP", "a.org 8080 - Alt", "a.org 8880 - Two"};
    struct Site {
        QString address, port;
        int index;
    };
    for (const Site& c : std::vector<Site>{{"a.org", "8880", 3}, {"a.org", "80", 1}, {"a.org", "80 ", 1},
                                           {" a.org ", " 8080", 2}, {"a.org", "8", -1}, {"a.or", "80", -1},
                                           {"b.org", "8880", -1}, {"", "", -1}})
        EXPECT_EQ(CurrentSiteIndex(items, c.address, c.port), c.index) << (c.address + '|' + c.port).toStdString();
    EXPECT_EQ(ProtocolText("80"), "Protocol:HTTP");
    EXPECT_EQ(ProtocolText("80 "), "Protocol:HTTP");
    EXPECT_EQ(ProtocolText("8880"), "Protocol:cddbp");
    EXPECT_EQ(ProtocolText("080"), "Protocol:cddbp");
}

TEST(SiteRules, UserIdAndTimeout)
{
    EXPECT_EQ(StoredUserId("  jane doe "), "jane");
    EXPECT_EQ(StoredUserId("jane@example.org"), "jane@example.org");
    EXPECT_EQ(StoredUserId("   "), "");
    for (const char* bad : {"", " ", "0", "61", "-5", "abc", "99999"})
        EXPECT_FALSE(TimeoutSeconds(bad)) << bad;
    EXPECT_EQ(TimeoutSeconds("1"), 1);
    EXPECT_EQ(TimeoutSeconds(" 60 "), 60);
}
