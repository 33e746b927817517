// The pieces of the window without widgets: the log list's model and the run in slices.
#include "exchange/ExchangeStart.h"
#include "support/TestWorld.h"
#include "ui/exchange/ExchangeLogModel.h"
#include "ui/exchange/ExchangeRunner.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::exchange;

TEST(ExchangeLogModel, LinesShownInBatchesAndCopiedInListOrder)
{
    ExchangeLogModel log;
    int inserts = 0;
    QObject::connect(&log, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    log.append("one");
    log.append("two");
    EXPECT_EQ(log.rowCount(), 0);
    log.flush();
    log.append("three");
    log.flush();
    log.flush();
    EXPECT_EQ(inserts, 2);
    EXPECT_EQ(log.lines(), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(log.text({log.index(2), log.index(0), log.index(2)}), "one\nthree\n");
    EXPECT_EQ(log.text(), "one\ntwo\nthree\n");
    EXPECT_EQ(log.data(log.index(1)).toString(), "two");
}

// With zero-length slices an import reads a record per turn of the event loop, showing
// the count after each; cancelled, it stops there, says so and tells its end once.
TEST(ExchangeRunner, RunsInSlicesAndCancels)
{
    test::TestWorld w;
    QByteArray text;
    for (int i = 1; i <= 20; ++i)
        text += "T" + QByteArray::number(i) + ",A\r\n";
    ExchangeRequest r{w.dir.filePath("in.txt")};
    test::writeFile(r.path, text);
    r.table.AddToColTable("Title", "0");
    r.table.AddToColTable("Artist", "0");

    ExchangeLogModel log;
    int starts = 0, finishes = 0;
    std::vector<qint32> shown;
    ExchangeRunner runner(log, {[&] { ++starts; }, [&](qint32 n) { shown.push_back(n); }}, nullptr,
                          std::chrono::milliseconds(0));
    QObject::connect(&runner, &ExchangeRunner::finished, [&] { ++finishes; });

    runner.start(BeginImport(r, *w.ws, runner.newRun(nullptr)));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(log.rowCount(), 1); // the start line at once, no record read yet
    EXPECT_EQ(w.entries().Count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.entries().Count() >= 3; }));
    EXPECT_TRUE(runner.running());
    EXPECT_EQ(shown.back(), w.entries().Count());
    runner.cancel();
    const int read = w.entries().Count();
    EXPECT_LT(read, 20);
    EXPECT_EQ(finishes, 1);
    EXPECT_FALSE(runner.running());
    EXPECT_EQ(log.lines().mid(1), (QStringList{"IMPORT CANCELLED BY OPERATOR",
                                               QString("---Import Complete - Total records read: %1---").arg(read)}));
    QTest::qWait(20);
    EXPECT_EQ(w.entries().Count(), read);
    runner.cancel(); // after the end: nothing more
    EXPECT_EQ(finishes, 1);
    ASSERT_TRUE(runner.job() && runner.job()->imported());
    EXPECT_TRUE(runner.job()->imported()->cancelled);
}
