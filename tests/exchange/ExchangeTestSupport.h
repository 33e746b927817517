#pragma once
// Doubles for the import/export run: a log that keeps every line and count; tables by
// names and a recording as text.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"
#include "model/CEntry.h"
#include "platform/IBusyPointer.h"
#include "support/TestWorld.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace vinaxo::test {

struct RecordingLog final : exchange::IExchangeLog {
    QStringList lines;
    std::vector<qint32> counts;
    int starts = 0;
    void addLogLine(const QString& line) override { lines << line; }
    void showCount(qint32 n) override { counts.push_back(n); }
    void runStarting() override { ++starts; }
};

inline exchange::ColTable tableOf(const QStringList& names)
{
    exchange::ColTable t;
    for (const QString& n : names)
        t.AddToColTable(n, QStringLiteral("0"));
    return t;
}

// "title|artist", then "|title=time,..." when the recording has tracks.
inline QString describe(const CEntry& e)
{
    QString s = e.CDTitle + u'|' + e.CDArtist;
    QStringList tracks;
    for (const auto& item : e.TrackEntries())
        tracks << item.value->CDTrackTitle + u'=' + item.value->CDTrackTime;
    return tracks.isEmpty() ? s : s + u'|' + tracks.join(u',');
}

} // namespace vinaxo::test
