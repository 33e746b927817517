#include "print/ReportRun.h"
#include "model/CEntries.h"
#include "print/CPrinter.h"
#include "print/PrinterSurface.h"
#include "platform/TextTrim.h"

namespace vinaxo {

namespace {
// Rows printed between looks at the clock: a few milliseconds of work even on paper.
constexpr qint32 RowsPerLook = 32;
}

ReportJob::ReportJob(CEntries& entries, PrinterSurface& surface, const IFormats& formats,
                     const QDate& reportDate, ReportRequest request)
    : m_entries(entries), m_surface(surface), m_formats(formats), m_reportDate(reportDate),
      m_request(std::move(request))
{
}

ReportJob::~ReportJob()
{
    if (!m_ended)
        cancel();
}

int ReportJob::page() const
{
    if (m_ended)
        return m_result.printed ? m_surface.lastDocumentPages() : 0;
    return m_surface.page();
}

void ReportJob::begin()
{
    m_started = true;
    if (!ReportFontsChosen(m_request.fonts)) {
        ShowPrintSetupError(m_entries.messages());
        m_result.setupError = true;
        m_ended = true;
        return;
    }
    const qint32 orientation =
        m_request.orientation == PrinterSurface::Landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait;
    const float width = CPrinter::UsableWidth(m_surface, orientation);
    auto make = [&] {
        auto p = std::make_unique<CPrinter>(m_entries, m_surface, m_formats, m_reportDate, m_request.fonts);
        p->setOrientation(orientation);
        p->setPrinterWidth(width);
        p->setPrintHeading(RightTrimmed(m_request.heading));
        if (m_request.prepare)
            m_request.prepare(*p);
        return p;
    };

    if (m_request.countPages && !m_request.calculator) {
        // Page breaks depend on line heights alone, so a rehearsal that paints nothing
        // and measures no row text counts the pages exactly, at a small part of the cost.
        m_surface.setDryRun(true);
        auto rehearsal = make();
        rehearsal->setShowLayoutError(false);
        if (rehearsal->PrintCustomList())
            m_pageCount = m_surface.lastDocumentPages();
        m_surface.setDryRun(false);
    }

    m_printer = make();
    m_printer->setShowLayoutError(!m_request.quietLayoutError);
    if (m_request.calculator) {
        m_printer->PrintCalcList();
        end();
    } else if (!m_printer->StartCustomList()) {
        end();
    }
}

bool ReportJob::step(std::chrono::milliseconds budget)
{
    if (m_ended)
        return false;
    const auto until = std::chrono::steady_clock::now() + budget;
    if (!m_started)
        begin();
    while (!m_ended) {
        if (!m_printer->ContinueCustomList(RowsPerLook)) {
            end();
            break;
        }
        if (std::chrono::steady_clock::now() >= until)
            break;
    }
    return !m_ended;
}

void ReportJob::cancel()
{
    if (m_ended)
        return;
    if (m_printer)
        m_printer->CancelReport();
    m_ended = true;
    m_started = true;
    m_result = ReportResult{};
    m_result.cancelled = true;
}

void ReportJob::end()
{
    m_ended = true;
    using O = CPrinter::Outcome;
    const O outcome = m_printer->LastOutcome();
    m_result.printed = outcome == O::Printed;
    m_result.layoutError = outcome == O::LayoutError;
    m_result.cancelled = outcome == O::Cancelled;
    if (outcome == O::PrinterError)
        m_result.error = m_printer->LastErrorDescription();
}

ReportResult RunReport(CEntries& entries, PrinterSurface& surface, const IFormats& formats,
                       const QDate& reportDate, const ReportRequest& request)
{
    ReportJob job(entries, surface, formats, reportDate, request);
    while (job.step(std::chrono::hours(1))) {
    }
    return job.result();
}

} // namespace vinaxo
