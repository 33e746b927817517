#pragma once
// What the print and tape commands share: the report options, the fonts, and running a
// report onto a PDF file.
#include "print/ReportFonts.h"
#include "print/ReportRun.h"

#include <QDate>
#include <QStringList>
#include <optional>

namespace vinaxo {
class CEntries;
}

namespace vinaxo::cli {

struct Context;

struct ReportOptions {
    QString pdf;
    QString heading; // null: the report's own heading
    std::optional<ReportFont> headingFont;
    std::optional<ReportFont> detailFont;
    bool landscape = false;
};

// Takes --pdf, --heading, --heading-font, --detail-font and --landscape out of args.
// A malformed font is reported on stderr; then false.
bool takeReportOptions(Context& ctx, QStringList& args, ReportOptions& options);

// The fonts given on the command line over the stored ones. When either is missing the
// print dialog's "Print Setup Error" is shown and nothing is returned.
std::optional<ReportFonts> chooseReportFonts(Context& ctx, const ReportOptions& options);

// Prints one report to the PDF file in the orientation of the options: the report date
// is the given day. Returns the exit code (0 printed, 1 not).
int printReportToPdf(Context& ctx, CEntries& entries, const ReportOptions& options,
                     ReportRequest request, const QDate& reportDate);

// A left-over argument starting with "--" is an unknown option: reported, then true.
bool rejectUnknownOptions(Context& ctx, const QStringList& args);

} // namespace vinaxo::cli
