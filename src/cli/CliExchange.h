#pragma once
// What the import and export commands share: the definition, the delimiter options and
// the run's log on stderr.
#include "cli/CliCommand.h"
#include "exchange/ExchangeStart.h"

#include <optional>

namespace vinaxo::cli {

// Writes every log line to stderr as the window's log lists it.
class StderrLog final : public exchange::IExchangeLog {
public:
    explicit StderrLog(QTextStream& err) : m_err(err) {}
    void addLogLine(const QString& line) override { m_err << line << Qt::endl; }
    void showCount(qint32) override {}

private:
    QTextStream& m_err;
};

// Takes --field-delimiter, --string-delimiter and --track-delimiter from the arguments
// into the request's delimiter boxes and reads the definition file into its table.
// Nothing (after a message) when an option or the definition is unusable; `status` is
// then the exit status.
bool prepareRequest(Context& ctx, QStringList& args, const QString& definition,
                    const QString& dataFile, exchange::ExchangeRequest& request, int& status);

} // namespace vinaxo::cli
