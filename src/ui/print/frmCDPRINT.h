#pragma once
// The print window: which report is loaded, the heading for this print, the heading and
// detail fonts, then the printer dialog and the report, or a preview of its pages.
#include "calc/TapeCalc.h"
#include "print/ReportRun.h"
#include "print/ReportRunner.h"
#include "ui/print/IPrintDialogs.h"

#include <QDialog>
#include <chrono>
#include <memory>
#include <optional>

class QPrinter;
class QProgressDialog;

namespace Ui {
class frmCDPRINT;
}

namespace vinaxo {

struct AppContext;
class PrinterSurface;
class QtPrinterSurface;
class ReportJob;

class frmCDPRINT : public QDialog {
    Q_OBJECT
public:
    explicit frmCDPRINT(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDPRINT() override;

    // Prints the tape calculator's report of these sides instead of the view report.
    void PrintCalcReport(const SideTables& sides);
    // The font and printer dialogs; the platform's unless a test hands its own (not owned).
    void setPrintDialogs(IPrintDialogs* dialogs) { m_dialogs = dialogs ? dialogs : &m_qtDialogs; }
    // A view report is being printed (its progress is shown, with Cancel).
    bool printing() const;
    // The preview's layout works in slices of about this long (tests shorten them, to
    // catch a layout under way however fast the machine).
    void setPreviewSlice(std::chrono::milliseconds slice) { m_previewSlice = slice; }

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void PB_SetHeading_Click();
    void PB_SetDetail_Click();
    void PB_Print_Click();
    void PB_Preview_Click();
    void RB_Orientation_Toggled();

private:
    void LoadReportView();
    void ShowFontDescriptions();
    void ShowOrientation();
    qint32 orientation() const;
    bool chooseFont(bool heading);
    // This print: the fonts, the heading typed, the orientation chosen, the report.
    ReportRequest request() const;
    // The calculator's short report at once; a view report in slices with progress.
    void printOn(QPrinter& printer);
    void printEnded();
    QPrinter& printer();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDPRINT> m_ui;
    QtPrintDialogs m_qtDialogs;
    IPrintDialogs* m_dialogs = &m_qtDialogs;
    std::optional<SideTables> m_calc;
    std::unique_ptr<QPrinter> m_printer; // the printer chosen in this opening, kept for the next print
    // The view report under way (destroyed in reverse order: runner, job, printer surface).
    std::unique_ptr<QtPrinterSurface> m_surface;
    std::unique_ptr<ReportJob> m_job;
    std::unique_ptr<ReportRunner> m_runner;
    std::chrono::milliseconds m_previewSlice = ReportRunner::Slice;
    std::unique_ptr<QProgressDialog> m_progress;
};

} // namespace vinaxo
