#pragma once
// Doubles for the import/export run: a log that keeps every line and count, a progress
// hook that asks to stop after a number of steps, and table building by names.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"
#include "platform/IBusyPointer.h"

#include <QStringList>
#include <initializer_list>

namespace vinaxo::test {

struct RecordingLog final : exchange::IExchangeLog {
    QStringList lines;
    std::vector<qint32> counts;
    void addLogLine(const QString& line) override { lines << line; }
    void showCount(qint32 n) override { counts.push_back(n); }
};

struct StopAfter final : IProgress {
    explicit StopAfter(int n) : allowed(n) {}
    int allowed;
    int steps = 0;
    bool step(qint64, qint64) override { return ++steps < allowed; }
};

inline exchange::ColTable tableOf(std::initializer_list<const char*> names)
{
    exchange::ColTable t;
    for (const char* n : names)
        t.AddToColTable(QString::fromUtf8(n), QStringLiteral("0"));
    return t;
}

} // namespace vinaxo::test
