#pragma once
// The start button of the import/export window: the checks before a run, the run on
// the data file, and its first and last log lines.
#include "exchange/ColTable.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedImport.h"
#include "exchange/ExchangeRun.h"

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

// Nothing when the run did not start (a check refused it, the user said No) or its file
// could not be read or written.
std::optional<ImportResult> StartImport(const ExchangeRequest& request, Workspace& ws,
                                        const ExchangeHooks& hooks = {});
// Exports the recordings of the workspace's key sequence, which the caller has built in
// the order the main list shows.
std::optional<ExportResult> StartExport(const ExchangeRequest& request, Workspace& ws,
                                        const ExchangeHooks& hooks = {});

} // namespace vinaxo::exchange
