// The tape calculator's arithmetic, row texts, side tables and clipboard text.
#include "calc/TapeCalc.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(TapeTime, SubtractTimes)
{
    const char* cases[][3] = {
        {"45:00", "3:30", "41:30"},  {"45:00", "0:00", "45:00"}, {"45:00", "", "45:00"},
        {"45:00", "45:00", "0:00"},  {"3:00", "6:30", "-3:30"},  {"0:00", "0:45", "-0:45"},
        {"41:30", "-3:30", "45:00"}, {"120:05", "0:06", "119:59"}, {"45 :00 ", "1:00", "44:00"},
        {"", "3:30", "-3:30"},       {"-3:30", "1:00", "-4:30"}, {"-0:30", "-1:00", "0:30"},
    };
    for (auto& c : cases)
        EXPECT_EQ(SubtractTimes(QString::fromLatin1(c[0]), QString::fromLatin1(c[1])), QString::fromLatin1(c[2]))
            << c[0] << " - " << c[1];
}

TEST(TapeTime, AddSignedTimesUndoesAnOverrun)
{
    EXPECT_EQ(AddSignedTimes(QStringLiteral("-3:30"), QStringLiteral("3:30")), QStringLiteral("0:00"));
    EXPECT_EQ(AddSignedTimes(QStringLiteral("-0:30"), QStringLiteral("1:00")), QStringLiteral("0:30"));
    EXPECT_EQ(AddSignedTimes(QStringLiteral("41:30"), QStringLiteral("3:30")), QStringLiteral("45:00"));
    EXPECT_EQ(AddSignedTimes(QStringLiteral("1:00"), QString()), QStringLiteral("1:00"));
}

TEST(TapeTime, DivideTime)
{
    const char* cases[][2] = {
        {"90:00", "45:00"}, {"91:00", "45:30"}, {"60:45", "30:22"}, {"60:47", "30:24"},
        {"61:59", "31:00"}, {"0:00", "0:00"},   {"", "0:00"},       {"5:00", "2:30"},
    };
    for (auto& c : cases)
        EXPECT_EQ(DivideTime(QString::fromLatin1(c[0]), 2), QString::fromLatin1(c[1])) << c[0];
    EXPECT_EQ(DivideTime(QStringLiteral("7:00"), 3), QStringLiteral("2:20"));
    EXPECT_EQ(DivideTime(QStringLiteral("7:00"), 0), QStringLiteral("0:00"));
}

TEST(TapeTime, RemainingTimeShowsAnOverrun)
{
    EXPECT_EQ(RemainingTime(QStringLiteral("90:00"), QStringLiteral("0:00")), QStringLiteral("45:00"));
    EXPECT_EQ(RemainingTime(QStringLiteral("90:00"), QStringLiteral("3:30")), QStringLiteral("41:30"));
    EXPECT_EQ(RemainingTime(QStringLiteral("60:00"), QStringLiteral("33:30")), QStringLiteral("-3:30"));
    EXPECT_EQ(RemainingTime(QString(), QStringLiteral("3:30")), QStringLiteral("0:00"));
}

TEST(TapeRows, AvailableAndSideRows)
{
    TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDNbrTracks = 3;
    CTrackEntry* t = e->AddNewTrackEntry();
    t->CDTrackTitle = QStringLiteral("So What");
    t->CDTrackTime = QStringLiteral("9:22");
    e->AddNewTrackEntry()->CDTrackTitle = QStringLiteral("No. 2; live");
    const QStringList rows = AvailableTrackRows(*e);
    EXPECT_EQ(rows, (QStringList{"1.So What; 9:22", "2.No. 2; live; ", "; "}));

    EXPECT_EQ(SideRowText(rows[0]), QStringLiteral("So What; 9:22"));
    EXPECT_EQ(SideRowText(rows[1]), QStringLiteral("No. 2; live;")); // after the first "." only
    EXPECT_EQ(SideRowText(rows[2]), QStringLiteral(";"));              // an empty slot

    // More tracks than CDNbrTracks: every track is listed.
    e->CDNbrTracks = 1;
    EXPECT_EQ(AvailableTrackRows(*e).size(), 2);
}

TEST(TapeRows, CollectingSplitsAtTheFirstSemicolon)
{
    const auto side = CollectSide({QStringLiteral("So What; 9:22  "), QStringLiteral(";"),
                                   QStringLiteral("A;B; 3:00"), QStringLiteral("No time ")});
    ASSERT_EQ(side.size(), 4u);
    EXPECT_EQ(side[0].title, QStringLiteral("So What"));
    EXPECT_EQ(side[0].time, QStringLiteral("9:22"));
    EXPECT_TRUE(side[1].title.isEmpty() && side[1].time.isEmpty());
    EXPECT_EQ(side[2].title, QStringLiteral("A"));
    EXPECT_EQ(side[2].time, QStringLiteral("B; 3:00"));
    EXPECT_EQ(side[3].title, QStringLiteral("No time"));
    EXPECT_TRUE(side[3].time.isEmpty());
    EXPECT_EQ(SideTotal({side[0], side[1], side[3]}), QStringLiteral("9:22")); // no time adds nothing
}

TEST(TapeRows, ClipboardTextHasOneLinePerRowSideOneFirst)
{
    SideTables t;
    t.side2 = {SideRow{QStringLiteral("Two"), QStringLiteral("4:00")}};
    t.side1 = {SideRow{QStringLiteral("One"), QStringLiteral("3:30")}};
    EXPECT_EQ(ClipboardText(t), QStringLiteral("Side 1\tOne\t3:30\r\nSide 2\tTwo\t4:00\r\n"));
    EXPECT_EQ(ClipboardText(SideTables{}), QString());
}

} // namespace
