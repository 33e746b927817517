#include "model/TimeText.h"
#include "support/TestWorld.h"

using namespace vinaxo;

TEST(TimeText, IsValidTime)
{
    for (const char* ok : {"999:59", "0:0", " 3:20", "3:20 ", "03:05", "546:07", "600:00"})
        EXPECT_TRUE(IsValidTime(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"1000:00", "3:60", "320", ":30", "3:", "1:02:03", "", "a:10",
                            "-1:30", "1:-5"})
        EXPECT_FALSE(IsValidTime(QString::fromLatin1(bad))) << bad;
}

TEST(TimeText, TimeToSecondsStaysWithinSixteenBits)
{
    EXPECT_EQ(TimeToSeconds("3:20"), 200);
    EXPECT_EQ(TimeToSeconds("546:07"), 32767);
    EXPECT_EQ(TimeToSeconds("546:08"), 0); // beyond the range: reported as invalid
    EXPECT_EQ(TimeToSeconds("999:59"), 0);
    EXPECT_EQ(TimeToSeconds("abc"), 0);
    EXPECT_EQ(TimeToSeconds("1.5:30"), 120);
}

TEST(TimeText, SecondsToTimeAndAddTimes)
{
    EXPECT_EQ(SecondsToTime(0), "00:00");
    EXPECT_EQ(SecondsToTime(75), "01:15");
    EXPECT_EQ(SecondsToTime(7500), "125:00");
    EXPECT_EQ(SecondsToTime(-210), "-03:30");

    EXPECT_EQ(AddTimes("3:40", "2:35"), "6:15");
    EXPECT_EQ(AddTimes("", ""), "0:00");
    EXPECT_EQ(AddTimes("10:50", "0:20"), "11:10");
    EXPECT_EQ(AddTimes("abc", "1:05"), "1:05");
    EXPECT_EQ(AddTimes("999:59", "999:59"), "1999:58");
    // A running total over a long box set never overflows.
    QString total;
    for (int i = 0; i < 100; ++i)
        total = AddTimes(total, "999:59");
    EXPECT_EQ(total, "99998:20");
}

TEST(TimeText, NormalizeAndPacked)
{
    QString t = "3:5";
    EXPECT_TRUE(NormalizeTime(t));
    EXPECT_EQ(t, "03:05");
    t = "3:60";
    EXPECT_FALSE(NormalizeTime(t));
    EXPECT_EQ(t, "3:60");

    EXPECT_EQ(PackedTimeToText(0x0523), "35:05"); // minutes low byte, seconds next
    EXPECT_EQ(PackedTimeToText(0x3B04), "04:59");
    EXPECT_EQ(PackedTimeToText(0x12), "18:00"); // below 256: minutes only
    EXPECT_EQ(PackedTimeToText(0x10203), "03:02");
}
