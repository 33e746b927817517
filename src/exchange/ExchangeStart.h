#pragma once
// The start button of the import/export window: the checks before a run, the run on
// the data file, and its first and last log lines. The window runs it a part at a time
// (ExchangeJob), the command line at once.
#include "exchange/ColTable.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedImport.h"
#include "exchange/ExchangeRun.h"

#include <chrono>
#include <memory>
#include <optional>

namespace vinaxo {
class Workspace;
}

namespace vinaxo::exchange {

struct ExchangeRequest {
    QString path; // the data file
    // The texts of the three delimiter boxes.
    QString fieldDelimiter = QStringLiteral(",");
    QString stringDelimiter = QStringLiteral("\"");
    QString trackDelimiter = QStringLiteral(";");
    ColTable table; // rebuilt from the selected list by the caller
};

// A run that has passed its checks and started (its first log line written, the data
// file read for an import). Its workspace and hooks must outlive it.
class ExchangeJob {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~ExchangeJob() = default;

    // Does the next part of the run for about `budget`; true while more remains. A
    // question (a rejected track time, a file that cannot be written) may be asked
    // along the way.
    bool step(std::chrono::milliseconds budget) { return resume(Clock::now() + budget); }
    // The rest of the run at once.
    void run() { resume(Clock::time_point::max()); }
    // Stops the run as the operator's "CANCEL" does: what was done is kept and logged
    // (an export writes the lines so far), then the last log line.
    void cancel()
    {
        if (m_ended)
            return;
        stop();
        end();
    }
    bool running() const { return !m_ended; }

    // Once ended: nothing when the data file could not be read or written.
    const std::optional<ImportResult>& imported() const { return m_imported; }
    const std::optional<ExportResult>& exported() const { return m_exported; }

protected:
    bool resume(Clock::time_point until)
    {
        if (m_ended)
            return false;
        const bool more = advance(until);
        if (!more)
            end();
        return more;
    }
    // The reading or writing until `until`; true while more remains.
    virtual bool advance(Clock::time_point until) = 0;
    // Stops the reading or writing, logging it.
    virtual void stop() = 0;
    // Ends the run: m_ended, the result, the last log line.
    virtual void end() = 0;

    bool m_ended = false;
    std::optional<ImportResult> m_imported;
    std::optional<ExportResult> m_exported;
};

// The checks, then the run begun: nothing when a check refused it or the user said No.
// A job destroyed while it runs ends as cancelled without asking anything: an import
// keeps the recordings read, an export writes nothing.
std::unique_ptr<ExchangeJob> BeginImport(const ExchangeRequest& request, Workspace& ws,
                                         const ExchangeHooks& hooks = {});
std::unique_ptr<ExchangeJob> BeginExport(const ExchangeRequest& request, Workspace& ws,
                                         const ExchangeHooks& hooks = {});

// The whole run at once. Nothing when the run did not start (a check refused it, the user said No) or its file
// could not be read or written.
std::optional<ImportResult> StartImport(const ExchangeRequest& request, Workspace& ws,
                                        const ExchangeHooks& hooks = {});
// Exports the recordings of the workspace's key sequence, which the caller has built in
// the order the main list shows.
std::optional<ExportResult> StartExport(const ExchangeRequest& request, Workspace& ws,
                                        const ExchangeHooks& hooks = {});

} // namespace vinaxo::exchange
