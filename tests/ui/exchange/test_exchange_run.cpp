// The pieces of the window without widgets: the log list's model and the pacing of the
// count and the events during a run.
#include "ui/exchange/ExchangeLogModel.h"
#include "ui/exchange/ExchangeRunMonitor.h"

#include <gtest/gtest.h>

using namespace vinaxo;

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

// A run of 1,000 records over 100 ms refreshes at its first record and then every 20 ms,
// not once per record.
TEST(ExchangeRunMonitor, RefreshesAtMostOncePerInterval)
{
    ExchangeLogModel log;
    bool cancel = false;
    qint64 clock = 0;
    int started = 0, events = 0;
    std::vector<qint32> shown;
    ExchangeRunMonitor monitor(log, cancel,
                               {[&] { ++started; }, [&](qint32 n) { shown.push_back(n); }, [&] { ++events; }}, 20,
                               [&] { return clock; });
    monitor.runStarting();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(events, 0);
    for (qint32 record = 1; record <= 1000; ++record) {
        monitor.showCount(record);
        monitor.addLogLine(QString::number(record));
        clock = record / 10; // 0.1 ms per record
        EXPECT_TRUE(monitor.step(record, 1000));
        if (record == 999) {
            EXPECT_EQ(log.rowCount(), 800); // the lines up to the last refresh
            EXPECT_EQ(shown.back(), 800);
        }
    }
    EXPECT_EQ(started, 1);
    EXPECT_EQ(events, 1 + 5);
    EXPECT_EQ(monitor.refreshes(), 6);
    monitor.finish();
    EXPECT_EQ(events, 6); // the end runs no events
    EXPECT_EQ(shown.back(), 1000);
    EXPECT_EQ(log.rowCount(), 1000);

    cancel = true;
    EXPECT_FALSE(monitor.step(1, 1));
}
