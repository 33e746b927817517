#include "print/ReportRun.h"
#include "model/CEntries.h"
#include "print/CPrinter.h"
#include "print/PrinterSurface.h"
#include "platform/TextTrim.h"

namespace vinaxo {

ReportResult RunReport(CEntries& entries, PrinterSurface& surface, const IFormats& formats,
                       const QDate& reportDate, const ReportRequest& request)
{
    ReportResult result;
    if (!ReportFontsChosen(request.fonts)) {
        ShowPrintSetupError(entries.messages());
        result.setupError = true;
        return result;
    }
    CPrinter printer(entries, surface, formats, reportDate, request.fonts);
    const qint32 orientation =
        request.orientation == PrinterSurface::Landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait;
    printer.setOrientation(orientation);
    printer.setPrinterWidth(CPrinter::UsableWidth(surface, orientation));
    printer.setPrintHeading(RightTrimmed(request.heading));
    printer.setProgress(request.progress);
    if (request.prepare)
        request.prepare(printer);
    result.printed = request.calculator ? printer.PrintCalcList() : printer.PrintCustomList();
    if (!result.printed)
        result.error = printer.LastErrorDescription();
    return result;
}

} // namespace vinaxo
