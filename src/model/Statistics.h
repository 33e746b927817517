#pragma once
// What the collection holds, counted: recordings per category, medium, decade of release,
// label, artist and year of purchase, and the totals. The counting works on a copy of the
// few fields it needs (taken on the model's thread, cheaply: the texts are shared, not
// copied), so that it can run on a worker thread while the collection stays where it is.
#include "platform/Currency.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace vinaxo {

class CEntries;
class CEntry;
class CEntrySequence;

// One recording as the counting sees it.
struct StatisticsRecord {
    QString category, medium, label, artist;
    QString totalTime;        // as entered; when it is no valid time the tracks' sum counts
    qint32 trackSeconds = 0;  // the tracks' times added up, taken only when totalTime is empty
    qint32 tracks = 0;
    qint16 relYear = 0;       // 0: none
    bool purchased = false;   // a purchase date is set
    double purchaseDate = 0;  // its day number (OleDate)
    qint64 costUnits = 0;     // Currency units
    friend bool operator==(const StatisticsRecord&, const StatisticsRecord&) = default;
};

using StatisticsInput = std::vector<StatisticsRecord>;

StatisticsRecord StatisticsRecordOf(const CEntry& entry);
// Every recording in collection order or, with `listed`, the recordings of that key
// sequence (the main list's) in its order; keys no longer held are passed over.
StatisticsInput TakeStatisticsInput(const CEntries& entries, const CEntrySequence* listed = nullptr);

// One bar or slice: a name, how many recordings, and (for purchases) what they cost.
struct StatisticsCount {
    QString name;
    qint32 count = 0;
    Currency cost;
    friend bool operator==(const StatisticsCount&, const StatisticsCount&) = default;
};

struct StatisticsResult {
    // Most recordings first (ties by name); names compare without regard to letter case
    // and surrounding blanks, the first form met is shown; no name counts as NoName.
    QList<StatisticsCount> categories, mediums;
    // By decade ("1970s") in time order, then NoYear.
    QList<StatisticsCount> decades;
    // The ten most frequent (ties by name); recordings without one are left out.
    QList<StatisticsCount> labels, artists;
    // By year of purchase in time order with the year's cost, then NoDate.
    QList<StatisticsCount> purchases;

    qint32 recordings = 0;
    qint64 tracks = 0;
    qint64 seconds = 0; // playing time
    Currency cost;

    friend bool operator==(const StatisticsResult&, const StatisticsResult&) = default;
};

namespace StatisticsNames {
inline QString NoName()
{
    return QCoreApplication::translate("Statistics", "(none)");
}
inline QString NoYear()
{
    return QCoreApplication::translate("Statistics", "(no year)");
}
inline QString NoDate()
{
    return QCoreApplication::translate("Statistics", "(no date)");
}
}

inline constexpr int StatisticsTopCount = 10;

StatisticsResult CountStatistics(const StatisticsInput& input);

// The playing time in whole minutes (rounded): "2 days, 5 hours, 1 minute"; days and
// hours only when there are any; "0 minutes" for none.
QString PlayingTimeText(qint64 seconds);

// Counts on a worker thread. The result arrives through counted(), a queued delivery on
// this object's thread; a newer start() supersedes one still running, whose result is
// dropped. Destroying the counter drops a result still to come.
class StatisticsCounter : public QObject {
    Q_OBJECT
public:
    explicit StatisticsCounter(QObject* parent = nullptr);
    ~StatisticsCounter() override;

    void start(StatisticsInput input);
    bool isCounting() const { return m_watcher != nullptr; }

Q_SIGNALS:
    void counted(const vinaxo::StatisticsResult& result);

private:
    void deliver(QFutureWatcher<StatisticsResult>* watcher);

    QFutureWatcher<StatisticsResult>* m_watcher = nullptr; // the newest count's
};

} // namespace vinaxo
