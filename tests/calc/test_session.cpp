// The tape session: the sides, their totals and remaining times, and the questions and
// messages of adding, deleting and moving tracks.
#include "calc/TapeSession.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct SessionFixture : ::testing::Test {
    TestWorld w;
    CEntry* entry = w.entries().AddNewEntry();
    TapeSession session{w.messages};

    // Tracks as (title, time); the slots are CDNbrTracks unless given.
    void tracks(std::initializer_list<std::pair<const char*, const char*>> list, int slots = -1)
    {
        for (auto [title, time] : list) {
            CTrackEntry* t = entry->AddNewTrackEntry();
            t->CDTrackTitle = title;
            t->CDTrackTime = time;
        }
        entry->CDNbrTracks = qint16(slots < 0 ? int(list.size()) : slots);
        session.load(*entry);
    }
    // Total and remaining of a side as "total/remaining".
    QString times(int side) const { return session.total(side) + u'/' + session.remaining(side); }
};

TEST_F(SessionFixture, OpensOnA90MinuteTapeAndAddsAndDeletes)
{
    tracks({{"So What", "3:30"}, {"Freddie", "9:46"}});
    EXPECT_EQ(session.tapeLength(), "90:00");
    EXPECT_EQ(session.currentSide(), 1);
    EXPECT_EQ(times(1), "0:00/45:00");
    EXPECT_EQ(times(2), "0:00/45:00");

    ASSERT_TRUE(session.add(0));
    EXPECT_EQ(session.sideTexts(1), QStringList{"So What; 3:30"});
    EXPECT_EQ(times(1), "3:30/41:30");
    ASSERT_TRUE(session.remove(0));
    EXPECT_EQ(times(1), "0:00/45:00");
    EXPECT_EQ(w.messages.count(), 0u);

    session.setTapeLength("");
    session.add(1);
    EXPECT_EQ(times(1), "9:46/0:00"); // no tape length: nothing to plan against
    session.setTapeLength(TapeSession::lengthForMinutes(60));
    EXPECT_EQ(times(1), "9:46/20:14");
}

TEST_F(SessionFixture, RepeatQuestionPerRepeatedRow)
{
    tracks({{"One", "3:00"}, {"Two", "4:00"}, {"Three", "5:00"}});
    session.add(1);
    session.setCurrentSide(2);
    EXPECT_FALSE(session.add(1)); // No is the default answer
    ASSERT_EQ(w.messages.count(), 1u);
    test::expectMessage(w.messages.last(), {"Track is already selected.  Do you want it repeated?",
                                            "Track will be repeated", MsgIcon::Question, MsgButtons::YesNo,
                                            MsgDefault::Second});
    EXPECT_TRUE(session.side(2).empty());

    // Copy All asks once for the one row already on a side; Yes repeats it.
    w.messages.clear();
    w.messages.answer(MsgAnswer::Yes);
    session.addAll();
    EXPECT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(session.sideTexts(2), (QStringList{"One; 3:00", "Two; 4:00", "Three; 5:00"}));
    EXPECT_EQ(times(2), "12:00/33:00");
}

TEST_F(SessionFixture, SlotsWithoutTracksAndTracksWithoutTimes)
{
    tracks({{"Intro", ""}, {"Song", "2:00"}}, 3);
    EXPECT_EQ(session.availableRows(), (QStringList{"1.Intro; ", "2.Song; 2:00", "; "}));
    session.add(0);
    session.add(2);
    EXPECT_EQ(session.sideTexts(1), (QStringList{"Intro;", ";"}));
    EXPECT_EQ(times(1), "0:00/45:00"); // neither adds any time
    const SideTables t = session.tables();
    ASSERT_EQ(t.side1.size(), 2u);
    EXPECT_EQ(t.side1[1].title, "");
    EXPECT_EQ(t.side1[1].time, "");

    // More tracks than CDNbrTracks: every one is listed and can be added.
    TapeSession more(w.messages);
    entry->CDNbrTracks = 1;
    more.load(*entry);
    ASSERT_EQ(more.availableRows().size(), 2);
    more.add(1);
    EXPECT_EQ(more.total(1), "2:00");
}

TEST_F(SessionFixture, ATitleWithASemicolonGivesBackWhatItTook)
{
    tracks({{"Freddie; Freeloader", "9:46"}});
    session.add(0);
    EXPECT_EQ(times(1), "9:46/35:14");
    // Copied and printed split at the first ";".
    const SideTables t = session.tables();
    EXPECT_EQ(t.side1[0].title, "Freddie");
    EXPECT_EQ(t.side1[0].time, "Freeloader; 9:46");
    // Deleting and moving use the track's own time, not the text after the ";".
    ASSERT_TRUE(session.moveToOtherSide(0));
    EXPECT_EQ(times(1), "0:00/45:00");
    EXPECT_EQ(times(2), "9:46/35:14");
    session.setCurrentSide(2);
    ASSERT_TRUE(session.remove(0));
    EXPECT_EQ(times(2), "0:00/45:00");
}

TEST_F(SessionFixture, SwapAndClearAndTheOverrun)
{
    tracks({{"Long", "30:00"}, {"Longer", "18:30"}});
    session.add(0);
    session.add(1);
    EXPECT_EQ(times(1), "48:30/-3:30");
    ASSERT_TRUE(session.moveToOtherSide(1));
    EXPECT_EQ(session.currentSide(), 1); // the current side stays
    EXPECT_EQ(times(1), "30:00/15:00");
    EXPECT_EQ(times(2), "18:30/26:30");
    EXPECT_EQ(ClipboardText(session.tables()), "Side 1\tLong\t30:00\r\nSide 2\tLonger\t18:30\r\n");
    session.clear();
    EXPECT_EQ(times(1), "0:00/45:00");
    EXPECT_EQ(times(2), "0:00/45:00");
}

TEST_F(SessionFixture, NothingSelectedToDeleteOrMove)
{
    tracks({{"One", "3:00"}});
    EXPECT_FALSE(session.add(-1)); // no row of the available list selected: nothing happens
    EXPECT_FALSE(session.remove(-1));
    EXPECT_FALSE(session.moveToOtherSide(0));
    ASSERT_EQ(w.messages.count(), 2u);
    EXPECT_EQ(w.messages.messages()[0].text, "An item must be selected before you can delete it from the list.");
    EXPECT_EQ(w.messages.messages()[1].text, "An item must be selected before you can move it.");
    for (const Message& m : w.messages.messages()) {
        EXPECT_EQ(m.title, "Select an item");
        EXPECT_EQ(m.icon, MsgIcon::Information);
    }
}

} // namespace
