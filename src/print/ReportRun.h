#pragma once
// One print of a report, as the print window and the command line both run it: the
// fonts checked, the orientation handed to the printer, the usable width of the page in
// that orientation less a thirtieth, the heading, then the view or calculator report.
// The window runs it a slice at a time (ReportJob), the command line in one go.
#include "print/ReportFonts.h"

#include <QDate>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace vinaxo {

class CEntries;
class CPrinter;
class IFormats;
class PrinterSurface;

struct ReportRequest {
    ReportFonts fonts;
    QString heading;       // empty: the report's own default heading
    qint32 orientation = 1; // 1 portrait, 2 landscape
    bool calculator = false; // the tape calculator report instead of the view report
    // Called on the report's printer before it prints (the calculator fills its sides).
    std::function<void(CPrinter&)> prepare;
    // Count the pages first (a rehearsal on the same printer), for "page n of m".
    bool countPages = false;
    // A layout that does not fit is only reported in the result, not shown.
    bool quietLayoutError = false;
};

struct ReportResult {
    bool printed = false;
    bool setupError = false;  // refused with "Print Setup Error": no usable fonts
    bool layoutError = false; // the columns do not fit across the page
    bool cancelled = false;
    QString error;            // what the printer said when it failed (may be empty)
};

class ReportJob {
public:
    // Everything handed in must outlive the job.
    ReportJob(CEntries& entries, PrinterSurface& surface, const IFormats& formats, const QDate& reportDate,
              ReportRequest request);
    ~ReportJob();
    ReportJob(const ReportJob&) = delete;
    ReportJob& operator=(const ReportJob&) = delete;

    // Does the next part of the report, for about `budget`; true while more remains,
    // false once the report has ended (result() says how).
    bool step(std::chrono::milliseconds budget);
    // Abandons the report: nothing of it is delivered, nothing is said.
    void cancel();

    bool running() const { return !m_ended; }
    // The page being printed (from 1) and the pages of the whole report (0 until counted,
    // and always 0 when not asked to count).
    int page() const;
    int pageCount() const { return m_pageCount; }
    const ReportResult& result() const { return m_result; }

private:
    void begin();
    void end();

    CEntries& m_entries;
    PrinterSurface& m_surface;
    const IFormats& m_formats;
    QDate m_reportDate;
    ReportRequest m_request;
    std::unique_ptr<CPrinter> m_printer;
    ReportResult m_result;
    int m_pageCount = 0;
    bool m_started = false;
    bool m_ended = false;
};

// The whole report at once. Without usable fonts "Print Setup Error" is shown and
// nothing is printed.
ReportResult RunReport(CEntries& entries, PrinterSurface& surface, const IFormats& formats,
                       const QDate& reportDate, const ReportRequest& request);

} // namespace vinaxo
