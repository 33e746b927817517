#pragma once
// Doubles for the import/export run: a log that keeps every line and count; tables by names, a recording as text,
// and the check that one message, and only it, was shown. Files are read and written
// with the file tests' readFile and writeFile.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"
#include "model/CEntry.h"
#include "platform/IBusyPointer.h"
#include "storage/FileBytes.h"
#include "support/ScriptedMessages.h"

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

inline testing::AssertionResult onlyMessage(const ScriptedMessages& m, const QString& text, const QString& title,
                                            MsgIcon icon)
{
    if (m.count() != 1)
        return testing::AssertionFailure() << m.count() << " messages: " << m.texts().join(u'\n').toStdString();
    if (m.last().text != text || m.last().title != title || m.last().icon != icon)
        return testing::AssertionFailure() << "shown: " << m.last().title.toStdString() << ": "
                                           << m.last().text.toStdString() << " icon " << int(m.last().icon);
    return testing::AssertionSuccess();
}

} // namespace vinaxo::test
