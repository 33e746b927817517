// The editor's rules without widgets: the save protocol, the pages' write-back, the
// name lists and the search request.
#include "DiscImages.h"
#include "EntryTestSupport.h"
#include "model/FieldLimits.h"
#include "storage/CFileIO.h"
#include "ui/entry/CDDrives.h"
#include "history/CollectionHistory.h"
#include "ui/entry/EntryEditSession.h"
#include "ui/entry/SearchRequest.h"

using namespace vinaxo;

namespace {
struct SessionTest : ::testing::Test {
    test::EntryWorld w;
    EntryEditSession s{*w.ws, &w.windows};
    CEntry* a = w.addRecording("Alpha", "Ann", 3);
    CEntry* b = w.addRecording("Beta", "Bob");
    void SetUp() override { w.sortByTitle(); }
    PageEdits edits()
    {
        PageEdits e;
        e.detail = s.detail();
        e.additional = s.additional();
        e.tracks = s.tracksFields();
        return e;
    }
};
}

TEST_F(SessionTest, NothingIsWrittenWithoutChanges)
{
    PageEdits e = edits();
    e.detail.title = "Changed";
    EXPECT_TRUE(s.saveChanges(e).ok);
    EXPECT_EQ(a->CDTitle, "Alpha");
    EXPECT_TRUE(w.windows.changes.empty());
}

TEST_F(SessionTest, DetailPagePostsAndTellsTheMainWindow)
{
    PageEdits e = edits();
    e.detail.title = "Alpha II";
    e.detail.artist = "New Artist";
    e.detail.relYear = "1850"; // out of range: the current year is kept and shown
    s.markChanged();
    const auto r = s.saveChanges(e);
    EXPECT_TRUE(r.ok && r.posted && r.addedArtist);
    EXPECT_FALSE(r.addedLabel);
    EXPECT_EQ(a->CDTitle, "Alpha II");
    EXPECT_EQ(a->CDRelYear, 2026);
    EXPECT_EQ(e.detail.relYear, "2026");
    ASSERT_EQ(w.windows.changes.size(), 1u);
    EXPECT_EQ(w.windows.changes[0], std::make_pair(qint32(ActionUpdated), a->CDKey));
    EXPECT_FALSE(w.entries().Changesmade);
}

TEST_F(SessionTest, RejectedAdditionalValueKeepsTheEntryAndStopsTheWriteBack)
{
    a->CDComposer = "Old";
    a->setCDPurchDateStr("3/4/2020");
    a->setCDPurchCostStr("12.50");
    struct Case {
        const char *date, *cost, *title, *shownDate, *shownCost;
    };
    for (const Case& c : {Case{"31/31/2020", "5", "Invalid Purchase Date", "3/4/2020", "12.50"},
                          Case{"1/2/2021", "lots", "Invalid Purchase Cost", "1/2/2021", "$12.50"}}) {
        SCOPED_TRACE(c.title);
        w.messages.clear();
        s.setPage(EntryPage::Additional);
        PageEdits e = edits();
        e.additional.composer = "New";
        e.additional.purchDate = c.date;
        e.additional.purchCost = c.cost;
        e.additional.awards = "Prize";
        s.markChanged();
        const auto r = s.saveChanges(e);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.posted);
        EXPECT_EQ(w.errorTitles(), c.title);
        EXPECT_EQ(a->CDComposer, "New"); // written before the date, as in order
        EXPECT_EQ(a->CDAwards, "");      // after the rejected value: not written
        EXPECT_EQ(e.additional.purchDate, c.shownDate);
        if (QString(c.title).contains("Cost")) {
            EXPECT_EQ(e.additional.purchCost, c.shownCost);
        }
        EXPECT_TRUE(w.entries().Changesmade);
        EXPECT_TRUE(w.windows.changes.empty());
    }
}

TEST_F(SessionTest, RejectedTotalTimeFailsEvenWithPendingTrackEdits)
{
    s.setPage(EntryPage::Tracks);
    s.tracks().fill();
    s.tracks().showRow(0);
    s.tracks().edited = true;
    PageEdits e = edits();
    e.tracks.totalTime = "9:99";
    e.track = {"Renamed", "04:00", ""};
    s.markChanged();
    EXPECT_FALSE(s.saveChanges(e).ok);
    EXPECT_EQ(e.tracks.totalTime, "09:00");
    EXPECT_EQ(a->CDTotalTime, "09:00");
    EXPECT_EQ(a->TrackEntries().at(0)->CDTrackTitle, "Track 1");
    EXPECT_TRUE(s.tracks().edited);
}

TEST_F(SessionTest, TracksPageStoresCountsAndPendingTrack)
{
    s.setPage(EntryPage::Tracks);
    s.tracks().fill();
    s.tracks().showRow(1);
    s.tracks().edited = true;
    PageEdits e = edits();
    e.tracks = {2, 3, "09:00"};
    e.track = {"Second", "4:30", "slow"};
    s.markChanged();
    EXPECT_TRUE(s.saveChanges(e).ok);
    EXPECT_EQ(a->CDNbrDisks, 2);
    EXPECT_EQ(a->TrackEntries().at(1)->CDTrackTitle, "Second");
    EXPECT_EQ(a->CDTotalTime, "10:30"); // TotalTrackTime is on by default
    EXPECT_FALSE(s.tracks().edited);
}

TEST_F(SessionTest, InsertPostCancelAndDelete)
{
    s.setPage(EntryPage::Tracks);
    ASSERT_TRUE(s.insert());
    EXPECT_EQ(s.page(), EntryPage::Detail);
    EXPECT_FALSE(s.keysLocked());
    PageEdits e = edits();
    e.detail.title = "Gamma";
    const auto r = s.saveChanges(e);
    EXPECT_TRUE(r.posted);
    EXPECT_EQ(w.windows.changes.back().first, ActionInserted);
    EXPECT_EQ(w.sequence().CurrKey(), w.entries().CurrEntry()->CDKey);
    EXPECT_EQ(w.entries().Count(), 3);

    s.insert();
    EXPECT_TRUE(s.cancel());
    EXPECT_EQ(w.entries().Count(), 3);
    EXPECT_EQ(w.entries().CurrEntry()->CDTitle, "Gamma");

    w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(s.deleteCurrent());
    EXPECT_EQ(w.messages.last().text, "Are you sure you want to delete the entry for 'Gamma' by ''?");
    EXPECT_EQ(w.messages.last().defaultButton, MsgDefault::Second);
    EXPECT_EQ(w.entries().Count(), 3);
    w.messages.answer(MsgAnswer::Yes);
    EXPECT_TRUE(s.deleteCurrent());
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.windows.changes.back().first, ActionDeleted);
}

// Edits a failed save left on the page stay there while the page shows the same entry;
// otherwise activation fills the page again and drops pending track edits.
TEST_F(SessionTest, ActivationKeepsTheEditsOfAFailedSave)
{
    struct Case {
        bool changes, moved, refresh;
    };
    for (const Case& k : {Case{false, false, true}, Case{true, false, false}, Case{true, true, true},
                          Case{false, true, true}}) {
        SCOPED_TRACE(::testing::Message() << k.changes << k.moved);
        w.entries().FirstRecord();
        s.shown();
        if (k.moved)
            w.entries().NextRecord();
        w.entries().Changesmade = k.changes;
        s.tracks().edited = true;
        EXPECT_EQ(s.activate().refresh, k.refresh);
        EXPECT_EQ(s.tracks().edited, !k.refresh);
    }
    w.ws->refillLabels = true;
    EXPECT_TRUE(s.activate().refills.labels);
    EXPECT_FALSE(w.ws->refillLabels);
    // Leaving the window saves, except for its own message boxes and while hidden.
    EXPECT_TRUE(EntryEditSession::savesOnDeactivate(false, true));
    EXPECT_FALSE(EntryEditSession::savesOnDeactivate(true, true));
    EXPECT_FALSE(EntryEditSession::savesOnDeactivate(false, false));
}

TEST_F(SessionTest, BlankChecksTheCountThenAsks)
{
    using O = EntryEditSession::Outcome;
    struct Case {
        int count;
        MsgAnswer answer;
        O outcome;
        const char* title;
        int tracks;
    };
    for (const Case& k : {Case{0, MsgAnswer::Yes, O::BadCount, "Nbr of Tracks", 3},
                          Case{101, MsgAnswer::Yes, O::BadCount, "Nbr of Tracks", 3},
                          Case{5, MsgAnswer::No, O::Declined, "About to clear tracks", 3},
                          Case{5, MsgAnswer::Yes, O::Replaced, "About to clear tracks", 5}}) {
        SCOPED_TRACE(k.count);
        w.messages.clear();
        w.messages.answer(k.answer);
        EXPECT_EQ(s.blankTracks(k.count), k.outcome);
        EXPECT_EQ(w.errorTitles(), k.title);
        EXPECT_EQ(int(a->TrackEntries().size()), k.tracks);
    }
    EXPECT_EQ(w.messages.last().text, "This will clear any track detail that you've already entered.  "
                                      "Are you sure this is what you want to do?");
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(w.messages.last().defaultButton, MsgDefault::Second);
    EXPECT_EQ(a->TrackEntries().at(4)->CDTrackTime, "00:00");
}

// "Read CD" once replaced typed track titles without asking.
TEST_F(SessionTest, ReadCDAsksBeforeReplacingTracksWithText)
{
    using O = EntryEditSession::Outcome;
    test::FakeCDAudioDevice disc(test::TocOf({20000, 20000}));
    struct Case {
        const char *stored, *typed, *desc;
        MsgAnswer answer;
        O outcome;
        bool asked;
    };
    for (const Case& k : {Case{"", "", "", MsgAnswer::No, O::Replaced, false},
                          Case{"Intro", "", "", MsgAnswer::No, O::Declined, true},
                          Case{"", "", "live", MsgAnswer::No, O::Declined, true},
                          Case{"", "Typed", "", MsgAnswer::No, O::Declined, true},
                          Case{"Intro", "", "", MsgAnswer::Yes, O::Replaced, true}}) {
        SCOPED_TRACE(::testing::Message() << k.stored << '|' << k.typed << '|' << k.desc);
        a->ClearAllEntries();
        for (int i = 0; i < 3; ++i) {
            CTrackEntry* t = a->AddNewTrackEntry();
            t->CDTrackTitle = QString::fromLatin1(k.stored);
            t->CDTrackDesc = QString::fromLatin1(k.desc);
        }
        s.tracks().fill();
        s.tracks().showRow(0);
        s.tracks().edited = *k.typed != 0;
        w.messages.clear();
        w.messages.answer(k.answer);
        EXPECT_EQ(s.readDisc(&disc, w.busy, {QString::fromLatin1(k.typed), {}, {}}), k.outcome);
        EXPECT_EQ(w.messages.count(), k.asked ? 1u : 0u);
        EXPECT_EQ(int(a->TrackEntries().size()), k.outcome == O::Replaced ? 2 : 3);
        EXPECT_FALSE(disc.isOpen());
    }
    test::expectMessage(w.messages.last(),
                        {"This will replace the track detail of this recording with the tracks of the disc. Continue?",
                         "About to replace tracks", MsgIcon::Question, MsgButtons::YesNo, MsgDefault::Second});
    EXPECT_EQ(w.busy.busy, w.busy.normal);
}

TEST_F(SessionTest, UnreadableDiscLeavesTheTracks)
{
    using O = EntryEditSession::Outcome;
    test::FakeCDAudioDevice fake(test::TocOf({20000}));
    fake.result = CDOpenResult::NoDisc;
    EXPECT_EQ(s.readDisc(&fake, w.busy), O::Unreadable);
    EXPECT_EQ(w.messages.last().title, "Unable to read CD");
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(s.readDisc(nullptr, w.busy), O::Unreadable); // no device: nothing to read, no message
    EXPECT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(a->TrackEntries().size(), 3);
}

TEST(EntryKeys, EscapeCancelsANewEntryAndClosesOnlyWhenNothingIsEdited)
{
    using E = EntryEditSession::EscapeCommand;
    EXPECT_EQ(EntryEditSession::escapeCommand(true, false), E::Cancel);
    EXPECT_EQ(EntryEditSession::escapeCommand(true, true), E::Cancel);
    EXPECT_EQ(EntryEditSession::escapeCommand(false, true), E::None);
    EXPECT_EQ(EntryEditSession::escapeCommand(false, false), E::Close);
}

TEST(FieldLimits, TextFieldsHoldWhatTheFileStores)
{
    static_assert(MaxStoredTextLength == CFileIO::MaxTextBytes);
    const std::pair<int, int> cases[] = {{Field::Title, 32767}, {Field::Comments, 32767}, {Field::TrackDesc, 32767},
                                         {Field::RelYear, 4},   {Field::PurchCost, 12},  {Field::TrackTime, 6},
                                         {110, 0},              {Field::SongsLength, 0}, {Field::TrackTitlesTimes, 0}};
    for (const auto& [field, limit] : cases)
        EXPECT_EQ(FieldTextLimit(field), limit) << field;
}

TEST(EntryLists, CategoryIgnoresCaseMediumDoesNot)
{
    const QStringList items{"Rock", "Jazz", "ROCK", "CD"};
    struct Case {
        const char* value;
        int category, medium;
    };
    for (const Case& c : {Case{"rock", 2, -1}, Case{"Rock", 2, 0}, Case{"cd", 3, -1}, Case{"CD", 3, 3},
                          Case{"", -1, -1}, Case{"Blues", -1, -1}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(EntryEditSession::categoryIndex(items, c.value), c.category);
        EXPECT_EQ(EntryEditSession::mediumIndex(items, c.value), c.medium);
    }
    EXPECT_EQ(EntryEditSession::categoryIndex({}, "Rock"), -1);
}

TEST(EntryLists, DeletedNamesAreNotOfferedAndRefillFlagsAreTaken)
{
    test::EntryWorld w;
    w.entries().AddNewCategory(QStringLiteral("**DELETED**"));
    EXPECT_EQ(ListedNames(w.entries().CategoryEntries()),
              QStringList({"Rock", "Jazz", "Classical"}));
    EntryEditSession s(*w.ws, &w.windows);
    w.ws->refillLabels = false;
    const auto r = s.takeRefills();
    EXPECT_TRUE(r.artists && r.categories && r.mediums);
    EXPECT_FALSE(r.labels);
    EXPECT_FALSE(w.ws->refillArtists || w.ws->refillCategories || w.ws->refillMediums);
}

TEST(SearchRequest, NoTypeIsRefusedWithItsMessage)
{
    test::EntryWorld w;
    w.ws->selection.SearchTypeText = true;
    SearchChoices c;
    c.text = "x";
    EXPECT_FALSE(ApplySearch(*w.ws, c));
    EXPECT_TRUE(test::onlyMessage(w.messages, "You must select a Search Type", "Search Type", MsgIcon::Information));
    EXPECT_TRUE(w.ws->selection.SearchTypeText);
    EXPECT_TRUE(w.ws->allRecords);
    EXPECT_FALSE(w.ws->filterOn || w.ws->rebuildList);
}

TEST(SearchRequest, EveryFieldFlagGoesToItsOwnField)
{
    for (int i = 0; i < SearchFieldCount; ++i) {
        SCOPED_TRACE(SearchFieldFlags()[std::size_t(i)].box);
        test::EntryWorld w;
        SearchChoices c;
        c.typeTextBegin = true;
        c.fields[std::size_t(i)] = true;
        c.text = " a ";
        c.category = "Rock  ";
        c.medium = "CD ";
        ASSERT_TRUE(ApplySearch(*w.ws, c));
        const CEntrySelection& s = w.ws->selection;
        for (int j = 0; j < SearchFieldCount; ++j)
            EXPECT_EQ(s.*(SearchFieldFlags()[std::size_t(j)].flag), i == j) << j;
        EXPECT_EQ(s.SearchString, " a ");
        EXPECT_EQ(s.SearchCategory, "Rock");
        EXPECT_EQ(s.SearchMedium, "CD");
        EXPECT_EQ(s.SearchCase, 1);
        EXPECT_TRUE(s.SearchTypeTextBegin && !s.SearchTypeText);
        EXPECT_TRUE(!w.ws->allRecords && w.ws->filterOn && w.ws->rebuildList);
    }
}

TEST(DriveItems, DefaultDrivesStoredChoiceAndImage)
{
    struct Case {
        QStringList drives;
        QString stored;
        QStringList items;
    };
    const Case cases[] = {
        {{}, "D:", {"D:", "Disc Image..."}},
        {{"/dev/sr0", "/dev/sr1"}, "/dev/sr1", {"D:", "/dev/sr0", "/dev/sr1", "Disc Image..."}},
        {{"/dev/sr0"}, "/home/u/disc.cue", {"D:", "/dev/sr0", "/home/u/disc.cue", "Disc Image..."}},
        {{}, "E:", {"D:", "E:", "Disc Image..."}},
        {{}, "", {"D:", "Disc Image..."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DriveItems(c.drives, c.stored), c.items) << c.stored.toStdString();
}

// Posts, inserts and deletes each become one step of the history; a pending edit of the
// tracks is taken back with the rest of the post.
TEST_F(SessionTest, EditorStepsAreTakenBack)
{
    CollectionHistory h(*w.ws);
    w.ws->history = &h;
    const QString key = a->CDKey;
    const qint16 count = a->CDNbrTracks;
    s.shown();
    s.setPage(EntryPage::Tracks);
    w.messages.answer(MsgAnswer::Yes);
    ASSERT_TRUE(s.blankTracks(1) == EntryEditSession::Outcome::Replaced); // in place, before the post
    s.markChanged();
    PageEdits e = edits();
    e.tracks.nbrTracks = 1;
    ASSERT_TRUE(s.saveChanges(e).posted);
    EXPECT_EQ(h.stack().undoText(), "Edit 'Alpha'");
    w.messages.answer(MsgAnswer::Yes);
    ASSERT_TRUE(s.deleteCurrent());
    EXPECT_EQ(h.stack().undoText(), "Delete 'Alpha'");
    h.stack().undo();
    h.stack().undo();
    const CEntry* back = w.entries().Entries().find(key)->get();
    EXPECT_EQ(back->TrackEntries().size(), 3);
    EXPECT_EQ(back->CDNbrTracks, count);
    w.ws->history = nullptr;
}

TEST_F(SessionTest, ANewRecordingThatDuplicatesOneHeldIsAskedAbout)
{
    auto insertBeta = [&] {
        s.insert();
        PageEdits e = edits();
        e.detail.title = " BETA ";
        e.detail.artist = "bob";
        return s.saveChanges(e);
    };
    w.messages.answerIndex(1); // No: still being entered
    auto r = insertBeta();
    EXPECT_FALSE(r.ok || r.posted);
    EXPECT_EQ(w.messages.last().text, EntryEditSession::DuplicateText);
    EXPECT_EQ(w.messages.customButtons().back(), QStringList({"&Yes", "&No", "&Show Existing"}));
    EXPECT_TRUE(w.entries().InsertStarted());
    s.cancel();

    w.messages.answerIndex(2); // Show Existing: nothing added, the one held is current
    r = insertBeta();
    EXPECT_TRUE(r.showedExisting);
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.entries().CurrEntry(), b);
    EXPECT_EQ(w.windows.selected, QStringList({b->CDKey}));

    w.messages.answerIndex(0); // Yes
    EXPECT_TRUE(insertBeta().posted);
    EXPECT_EQ(w.entries().Count(), 3);
}
