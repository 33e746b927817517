// The tape calculator's arithmetic, row texts, side tables and clipboard text.
#include "calc/TapeCalc.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

QString halve(const QString& a, const QString&) { return DivideTime(a, 2); }

TEST(TapeTime, Arithmetic)
{
    using Op = QString (*)(const QString&, const QString&);
    struct Case {
        Op op;
        const char *a, *b, *expected;
    };
    const Op sub = SubtractTimes, add = AddSignedTimes, rem = RemainingTime;
    const Case cases[] = {
        {sub, "45:00", "3:30", "41:30"},  {sub, "45:00", "0:00", "45:00"},  {sub, "45:00", "", "45:00"},
        {sub, "45:00", "45:00", "0:00"},  {sub, "3:00", "6:30", "-3:30"},   {sub, "0:00", "0:45", "-0:45"},
        {sub, "41:30", "-3:30", "45:00"}, {sub, "120:05", "0:06", "119:59"}, {sub, "45 :00 ", "1:00", "44:00"},
        {sub, "", "3:30", "-3:30"},       {sub, "-3:30", "1:00", "-4:30"},  {sub, "-0:30", "-1:00", "0:30"},
        // Adding a track back undoes an overrun.
        {add, "-3:30", "3:30", "0:00"},   {add, "-0:30", "1:00", "0:30"},   {add, "41:30", "3:30", "45:00"},
        {add, "1:00", "", "1:00"},
        {halve, "90:00", "", "45:00"},    {halve, "91:00", "", "45:30"},    {halve, "60:45", "", "30:22"},
        {halve, "60:47", "", "30:24"},    {halve, "61:59", "", "31:00"},    {halve, "0:00", "", "0:00"},
        {halve, "", "", "0:00"},          {halve, "5:00", "", "2:30"},
        // Half the tape less the side's total: negative on an overrun.
        {rem, "90:00", "0:00", "45:00"},  {rem, "90:00", "3:30", "41:30"},  {rem, "60:00", "33:30", "-3:30"},
        {rem, "", "3:30", "0:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.op(c.a, c.b), c.expected) << c.a << " " << c.b;
    EXPECT_EQ(DivideTime("7:00", 3), "2:20");
    EXPECT_EQ(DivideTime("7:00", 0), "0:00");
}

TEST(TapeRows, AvailableAndSideRows)
{
    TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDNbrTracks = 3;
    CTrackEntry* t = e->AddNewTrackEntry();
    t->CDTrackTitle = "So What";
    t->CDTrackTime = "9:22";
    e->AddNewTrackEntry()->CDTrackTitle = "No. 2; live";
    const QStringList rows = AvailableTrackRows(*e);
    EXPECT_EQ(rows, (QStringList{"1.So What; 9:22", "2.No. 2; live; ", "; "}));
    // After the first "." only; the last is an empty slot.
    EXPECT_EQ(QStringList({SideRowText(rows[0]), SideRowText(rows[1]), SideRowText(rows[2])}),
              (QStringList{"So What; 9:22", "No. 2; live;", ";"}));

    // More tracks than CDNbrTracks: every track is listed.
    e->CDNbrTracks = 1;
    EXPECT_EQ(AvailableTrackRows(*e).size(), 2);
}

TEST(TapeRows, CollectingSplitsAtTheFirstSemicolon)
{
    const auto side = CollectSide({"So What; 9:22  ", ";", "A;B; 3:00", "No time "});
    QStringList got;
    for (const SideRow& r : side)
        got << r.title + u'|' + r.time;
    EXPECT_EQ(got, (QStringList{"So What|9:22", "|", "A|B; 3:00", "No time|"}));
    EXPECT_EQ(SideTotal({side[0], side[1], side[3]}), "9:22"); // no time adds nothing
}

TEST(TapeRows, ClipboardTextHasOneLinePerRowSideOneFirst)
{
    SideTables t;
    t.side2 = {SideRow{"Two", "4:00"}};
    t.side1 = {SideRow{"One", "3:30"}};
    EXPECT_EQ(ClipboardText(t), "Side 1\tOne\t3:30\r\nSide 2\tTwo\t4:00\r\n");
    EXPECT_EQ(ClipboardText(SideTables{}), QString());
}

} // namespace
