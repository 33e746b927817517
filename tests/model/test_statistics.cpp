#include "model/CEntries.h"
#include "model/Statistics.h"
#include "support/TestWorld.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

using namespace vinaxo;

namespace {

struct Rec {
    const char *category, *medium, *label, *artist;
    int year;
    const char* bought; // "yyyy-MM-dd" or ""
    qint64 cents;
    const char* total;  // total time
    int tracks;         // tracks of 3:00 each
};

// A small collection whose counts are worked out by hand in the tests below.
const Rec kCollection[] = {
    {"Rock", "CD", "Columbia", "Miles Davis", 1969, "2019-03-01", 1299, "45:00", 2},
    {"rock ", "cd", "Columbia", "MILES DAVIS", 1970, "2019-12-31", 1500, "", 3},
    {"Jazz", "LP Album", "Blue Note", "Art Blakey", 1979, "2021-06-15", 2000, "700:00", 0},
    {"", "CD", "", "Miles Davis", 0, "", 500, "", 0},
    {"Jazz", "Cassette", "blue note", "Bill Evans", 2001, "", 0, "60:30", 12},
};

CEntry* add(test::TestWorld& w, const Rec& r)
{
    CEntry* e = w.entries().AddNewEntry();
    e->CDCategory = r.category;
    e->CDMedium = r.medium;
    e->CDLabel = r.label;
    e->CDArtist = r.artist;
    e->CDRelYear = qint16(r.year);
    if (*r.bought)
        e->CDPurchDate = OleDate::fromDate(QDate::fromString(r.bought, Qt::ISODate));
    e->CDPurchCost = Currency{r.cents * 100};
    e->CDTotalTime = r.total;
    for (int i = 0; i < r.tracks; ++i)
        e->AddNewTrackEntry()->CDTrackTime = QStringLiteral("03:00");
    e->CDNbrTracks = qint16(r.tracks);
    return e;
}

void fill(test::TestWorld& w)
{
    for (const Rec& r : kCollection)
        add(w, r);
}

Currency cents(qint64 c) { return Currency{c * 100}; }

using Counts = QList<StatisticsCount>;
StatisticsCount n(const char* name, qint32 count, qint64 cost = 0) { return {name, count, cents(cost)}; }

} // namespace

// Each table of the result on the small collection.
struct StatisticsTable {
    const char* name;
    Counts StatisticsResult::*table;
    Counts expected;
};

class StatisticsTables : public ::testing::TestWithParam<StatisticsTable> {};
std::string TableName(const ::testing::TestParamInfo<StatisticsTable>& p) { return p.param.name; }

TEST_P(StatisticsTables, CountOfTheSmallCollection)
{
    test::TestWorld w;
    fill(w);
    const StatisticsResult r = CountStatistics(TakeStatisticsInput(w.entries()));
    EXPECT_EQ(r.*GetParam().table, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, StatisticsTables,
    ::testing::Values(
        // Letter case and surrounding blanks do not part names; the first form is shown.
        StatisticsTable{"categories", &StatisticsResult::categories, {n("Jazz", 2), n("Rock", 2), n("(none)", 1)}},
        StatisticsTable{"mediums", &StatisticsResult::mediums, {n("CD", 3), n("Cassette", 1), n("LP Album", 1)}},
        StatisticsTable{"decades", &StatisticsResult::decades,
                        {n("1960s", 1), n("1970s", 2), n("2000s", 1), n("(no year)", 1)}},
        // Recordings without a label or artist are not among the most frequent.
        StatisticsTable{"labels", &StatisticsResult::labels, {n("Blue Note", 2), n("Columbia", 2)}},
        StatisticsTable{"artists", &StatisticsResult::artists,
                        {n("Miles Davis", 3), n("Art Blakey", 1), n("Bill Evans", 1)}},
        StatisticsTable{"purchases", &StatisticsResult::purchases,
                        {n("2019", 2, 2799), n("2021", 1, 2000), n("(no date)", 2, 500)}}),
    TableName);

TEST(Statistics, TotalsOfTheSmallCollection)
{
    test::TestWorld w;
    fill(w);
    const StatisticsResult r = CountStatistics(TakeStatisticsInput(w.entries()));
    EXPECT_EQ(r.recordings, 5);
    EXPECT_EQ(r.tracks, 17);
    // 45:00 + three tracks of 3:00 (no total) + 700:00 + nothing + 60:30
    EXPECT_EQ(r.seconds, 45 * 60 + 9 * 60 + 700 * 60 + 60 * 60 + 30);
    EXPECT_EQ(r.cost, cents(5299));
}

TEST(Statistics, TotalTimeAboveTheSixteenBitRangeStillCounts)
{
    test::TestWorld w;
    add(w, {"", "", "", "", 0, "", 0, "999:59", 0});
    EXPECT_EQ(CountStatistics(TakeStatisticsInput(w.entries())).seconds, 999 * 60 + 59);
}

TEST(Statistics, TrackCountFallsBackToTheNumberEnteredWithoutATrackList)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDNbrTracks = 9;
    EXPECT_EQ(CountStatistics(TakeStatisticsInput(w.entries())).tracks, 9);
}

TEST(Statistics, OnlyTheListedRecordingsInListOrder)
{
    test::TestWorld w;
    fill(w); // keys 1..5
    CEntrySequence& seq = w.sequence();
    seq.setCount(3);
    seq.Add("5");
    seq.Add("42"); // no longer held
    seq.Add("3");
    const StatisticsInput in = TakeStatisticsInput(w.entries(), &seq);
    ASSERT_EQ(in.size(), 2u);
    EXPECT_EQ(in[0].artist, "Bill Evans");
    EXPECT_EQ(in[1].artist, "Art Blakey");
    const StatisticsResult r = CountStatistics(in);
    EXPECT_EQ(r.recordings, 2);
    EXPECT_EQ(r.categories, (Counts{n("Jazz", 2)}));
}

TEST(Statistics, TopTenKeepsTheMostFrequentWithTiesByName)
{
    test::TestWorld w;
    // Label i is used i times (1..12); labels 11 and 12 tie with extra "Z"/"a" names.
    for (int i = 1; i <= 12; ++i) {
        for (int k = 0; k < i; ++k)
            w.entries().AddNewEntry()->CDLabel = QStringLiteral("L%1").arg(i, 2, 10, QChar(u'0'));
    }
    for (int k = 0; k < 3; ++k) {
        w.entries().AddNewEntry()->CDLabel = "zeta";
        w.entries().AddNewEntry()->CDLabel = "Alpha";
    }
    const Counts labels = CountStatistics(TakeStatisticsInput(w.entries())).labels;
    ASSERT_EQ(labels.size(), StatisticsTopCount);
    EXPECT_EQ(labels.first(), n("L12", 12));
    EXPECT_EQ(labels[8], n("L04", 4));
    // Three each for L03, Alpha and zeta: only the first by name makes the ten.
    EXPECT_EQ(labels.last(), n("Alpha", 3));
}

TEST(Statistics, EmptyCollection)
{
    test::TestWorld w;
    const StatisticsResult r = CountStatistics(TakeStatisticsInput(w.entries()));
    EXPECT_EQ(r, StatisticsResult{});
}

struct PlayingTime {
    qint64 seconds;
    const char* text;
};
class PlayingTimeTexts : public ::testing::TestWithParam<PlayingTime> {};
TEST_P(PlayingTimeTexts, DaysHoursMinutes)
{
    EXPECT_EQ(PlayingTimeText(GetParam().seconds), QString::fromLatin1(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Statistics, PlayingTimeTexts,
                         ::testing::Values(PlayingTime{0, "0 minutes"}, PlayingTime{29, "0 minutes"},
                                           PlayingTime{30, "1 minute"}, PlayingTime{3599, "1 hour, 0 minutes"},
                                           PlayingTime{2 * 3600 + 5 * 60, "2 hours, 5 minutes"},
                                           PlayingTime{86400 + 3600 + 60, "1 day, 1 hour, 1 minute"},
                                           PlayingTime{3 * 86400 + 120, "3 days, 0 hours, 2 minutes"}));

TEST(StatisticsCounter, DeliversOnItsOwnThread)
{
    test::TestWorld w;
    fill(w);
    StatisticsCounter counter;
    QThread* deliveredOn = nullptr;
    StatisticsResult got;
    QObject::connect(&counter, &StatisticsCounter::counted, [&](const StatisticsResult& r) {
        deliveredOn = QThread::currentThread();
        got = r;
    });
    QSignalSpy spy(&counter, &StatisticsCounter::counted);
    counter.start(TakeStatisticsInput(w.entries()));
    EXPECT_TRUE(counter.isCounting());
    EXPECT_EQ(spy.count(), 0); // never delivered from inside start()
    ASSERT_TRUE(spy.wait(5000));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    EXPECT_EQ(got, CountStatistics(TakeStatisticsInput(w.entries())));
    EXPECT_FALSE(counter.isCounting());
}

TEST(StatisticsCounter, ANewerCountSupersedesOneStillRunning)
{
    test::TestWorld w;
    fill(w);
    StatisticsCounter counter;
    QList<qint32> delivered;
    QObject::connect(&counter, &StatisticsCounter::counted,
                     [&](const StatisticsResult& r) { delivered << r.recordings; });
    counter.start(TakeStatisticsInput(w.entries()));
    StatisticsInput one;
    one.push_back(StatisticsRecord{});
    counter.start(std::move(one));
    QSignalSpy spy(&counter, &StatisticsCounter::counted);
    ASSERT_TRUE(spy.wait(5000));
    QTest::qWait(50); // a superseded result would have arrived by now
    EXPECT_EQ(delivered, QList<qint32>{1});
}
