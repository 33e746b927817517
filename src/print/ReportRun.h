#pragma once
// One print of a report, as the print dialog and the command line both run it: the
// fonts checked, the orientation handed to the printer, the usable width of the page in
// that orientation less a thirtieth, the heading, then the view or calculator report.
#include "print/ReportFonts.h"

#include <QDate>
#include <QString>
#include <functional>

namespace vinaxo {

class CEntries;
class CPrinter;
class IFormats;
class IProgress;
class PrinterSurface;

struct ReportRequest {
    ReportFonts fonts;
    QString heading;       // empty: the report's own default heading
    qint32 orientation = 1; // 1 portrait, 2 landscape
    bool calculator = false; // the tape calculator report instead of the view report
    // Called on the report's printer before it prints (the calculator fills its sides).
    std::function<void(CPrinter&)> prepare;
    IProgress* progress = nullptr;
};

struct ReportResult {
    bool printed = false;
    bool setupError = false; // refused with "Print Setup Error": no fonts chosen
    QString error;            // what the printer said when it failed (may be empty)
};

// Without both fonts chosen "Print Setup Error" is shown and nothing is printed.
ReportResult RunReport(CEntries& entries, PrinterSurface& surface, const IFormats& formats,
                       const QDate& reportDate, const ReportRequest& request);

} // namespace vinaxo
