#include "model/Statistics.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"
#include "platform/NumericText.h"
#include "platform/OleDate.h"

#include <QCoreApplication>
#include <QHash>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <map>

namespace vinaxo {

namespace {

// Seconds of a time text as IsValidTime accepts it (up to 999:59, beyond the 16-bit
// range TimeToSeconds keeps to); 0 for any other text.
qint32 timeSeconds(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return 0;
    const auto m = ParseNumber(QStringView(text).left(colon));
    const auto s = ParseNumber(QStringView(text).mid(colon + 1));
    if (!m || !s || *m < 0 || *m > 999 || *s < 0 || *s > 59)
        return 0;
    return qint32(std::llround(*m * 60.0 + *s));
}

// Counts per name, names compared without regard to letter case and surrounding blanks.
class NameTally {
public:
    void add(const QString& name, qint64 costUnits = 0)
    {
        // Most recordings share their texts with others: the exact form is looked up
        // first, so that each form is folded once.
        auto exact = m_exact.constFind(name);
        int row;
        if (exact != m_exact.constEnd()) {
            row = *exact;
        } else {
            const QString shown = name.trimmed();
            const QString folded = shown.toCaseFolded();
            auto it = m_folded.constFind(folded);
            if (it != m_folded.constEnd()) {
                row = *it;
            } else {
                row = int(m_rows.size());
                m_rows.push_back({shown.isEmpty() ? StatisticsNames::NoName() : shown, 0, {}});
                m_folded.insert(folded, row);
                m_empty.push_back(shown.isEmpty());
            }
            m_exact.insert(name, row);
        }
        StatisticsCount& c = m_rows[row];
        ++c.count;
        c.cost.units += costUnits;
    }

    // Most first, ties by name; at most `limit` (0: all), without the nameless when asked.
    QList<StatisticsCount> ranked(int limit, bool withoutName) const
    {
        QList<StatisticsCount> rows;
        rows.reserve(m_rows.size());
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            if (!(withoutName && m_empty[std::size_t(i)]))
                rows.push_back(m_rows[i]);
        }
        auto before = [](const StatisticsCount& a, const StatisticsCount& b) {
            if (a.count != b.count)
                return a.count > b.count;
            const int c = a.name.compare(b.name, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.name < b.name;
        };
        if (limit > 0 && rows.size() > limit) {
            std::partial_sort(rows.begin(), rows.begin() + limit, rows.end(), before);
            rows.resize(limit);
        } else {
            std::sort(rows.begin(), rows.end(), before);
        }
        return rows;
    }

private:
    QHash<QString, int> m_exact, m_folded;
    QList<StatisticsCount> m_rows;
    std::vector<bool> m_empty;
};

} // namespace

StatisticsRecord StatisticsRecordOf(const CEntry& e)
{
    StatisticsRecord r;
    r.category = e.CDCategory;
    r.medium = e.CDMedium;
    r.label = e.CDLabel;
    r.artist = e.CDArtist;
    r.totalTime = e.CDTotalTime;
    const TrackList& tracks = e.TrackEntries();
    r.tracks = tracks.isEmpty() ? qMax<qint32>(e.CDNbrTracks, 0) : qint32(tracks.size());
    // Only where no total was entered: the tracks' times are the one thing read here
    // that costs more than sharing a text.
    if (!r.totalTime.contains(u':')) {
        tracks.forEachTrack([&r](const CTrackEntry& t) { r.trackSeconds += timeSeconds(t.CDTrackTime); });
    }
    r.relYear = e.CDRelYear;
    if (e.CDPurchDate) {
        r.purchased = true;
        r.purchaseDate = e.CDPurchDate->serial;
    }
    r.costUnits = e.CDPurchCost.units;
    return r;
}

StatisticsInput TakeStatisticsInput(const CEntries& entries, const CEntrySequence* listed)
{
    StatisticsInput input;
    if (!listed) {
        input.reserve(std::size_t(entries.Count()));
        for (const auto& item : entries.Entries())
            input.push_back(StatisticsRecordOf(*item.value));
        return input;
    }
    // Keys are the counter's numbers: a table by number finds them without a text each.
    std::vector<const CEntry*> byKey(std::size_t(qMax(entries.NextEntryKey(), 0)) + 1, nullptr);
    for (const auto& item : entries.Entries()) {
        bool ok = false;
        const int key = item.key.toInt(&ok);
        if (ok && key >= 0 && std::size_t(key) < byKey.size())
            byKey[std::size_t(key)] = item.value.get();
    }
    input.reserve(std::size_t(listed->Count()));
    for (qint32 pos = 1; pos <= listed->Count(); ++pos) {
        const qint32 key = listed->KeyAt(pos);
        if (key >= 0 && std::size_t(key) < byKey.size() && byKey[std::size_t(key)])
            input.push_back(StatisticsRecordOf(*byKey[std::size_t(key)]));
    }
    return input;
}

StatisticsResult CountStatistics(const StatisticsInput& input)
{
    StatisticsResult result;
    NameTally categories, mediums, labels, artists;
    std::map<int, qint32> decades;          // decade -> recordings
    std::map<int, StatisticsCount> years;   // year of purchase -> recordings, cost
    qint32 noYear = 0;
    StatisticsCount noDate{StatisticsNames::NoDate(), 0, {}};

    for (const StatisticsRecord& r : input) {
        categories.add(r.category);
        mediums.add(r.medium);
        labels.add(r.label);
        artists.add(r.artist);
        if (r.relYear > 0)
            ++decades[r.relYear / 10 * 10];
        else
            ++noYear;
        const QDate bought = r.purchased ? OleDate{r.purchaseDate}.date() : QDate();
        StatisticsCount& year = bought.isValid() ? years[bought.year()] : noDate;
        ++year.count;
        year.cost.units += r.costUnits;

        ++result.recordings;
        result.tracks += r.tracks;
        const qint32 total = timeSeconds(r.totalTime);
        result.seconds += total > 0 ? total : r.trackSeconds;
        result.cost.units += r.costUnits;
    }

    result.categories = categories.ranked(0, false);
    result.mediums = mediums.ranked(0, false);
    result.labels = labels.ranked(StatisticsTopCount, true);
    result.artists = artists.ranked(StatisticsTopCount, true);
    for (const auto& [decade, count] : decades)
        result.decades.push_back({QCoreApplication::translate("Statistics", "%1s").arg(decade), count, {}});
    if (noYear > 0)
        result.decades.push_back({StatisticsNames::NoYear(), noYear, {}});
    for (auto& [year, c] : years) {
        c.name = QString::number(year);
        result.purchases.push_back(c);
    }
    if (noDate.count > 0)
        result.purchases.push_back(noDate);
    return result;
}

QString PlayingTimeText(qint64 seconds)
{
    const qint64 minutes = (qMax<qint64>(seconds, 0) + 30) / 60;
    const qint64 days = minutes / (24 * 60);
    const qint64 hours = minutes / 60 % 24;
    const qint64 rest = minutes % 60;
    auto part = [](qint64 n, const char* one, const char* many) {
        return QString::number(n) + u' ' + QCoreApplication::translate("Statistics", n == 1 ? one : many);
    };
    QStringList parts;
    if (days > 0)
        parts << part(days, QT_TRANSLATE_NOOP("Statistics", "day"), QT_TRANSLATE_NOOP("Statistics", "days"));
    if (days > 0 || hours > 0)
        parts << part(hours, QT_TRANSLATE_NOOP("Statistics", "hour"), QT_TRANSLATE_NOOP("Statistics", "hours"));
    parts << part(rest, QT_TRANSLATE_NOOP("Statistics", "minute"), QT_TRANSLATE_NOOP("Statistics", "minutes"));
    return parts.join(QStringLiteral(", "));
}

// ---- StatisticsCounter ------------------------------------------------------------------

StatisticsCounter::StatisticsCounter(QObject* parent) : QObject(parent) {}

StatisticsCounter::~StatisticsCounter() = default; // a running count finishes unheard

void StatisticsCounter::start(StatisticsInput input)
{
    if (m_watcher) {
        // Superseded: its result is never delivered.
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
    }
    auto* watcher = new QFutureWatcher<StatisticsResult>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] { deliver(watcher); });
    watcher->setFuture(QtConcurrent::run(
        [in = std::move(input)] { return CountStatistics(in); }));
}

void StatisticsCounter::deliver(QFutureWatcher<StatisticsResult>* watcher)
{
    if (watcher != m_watcher)
        return;
    m_watcher = nullptr;
    const StatisticsResult result = watcher->result();
    watcher->deleteLater();
    Q_EMIT counted(result);
}

} // namespace vinaxo
