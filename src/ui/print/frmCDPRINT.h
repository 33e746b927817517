#pragma once
// The print window: which report is loaded, the heading for this print, the heading and
// detail fonts, then the printer dialog and the report, or a preview of its pages.
#include "calc/TapeCalc.h"
#include "print/ReportRun.h"
#include "ui/print/IPrintDialogs.h"

#include <QDialog>
#include <memory>
#include <optional>

class QPrinter;

namespace Ui {
class frmCDPRINT;
}

namespace vinaxo {

struct AppContext;
class PrinterSurface;

class frmCDPRINT : public QDialog {
    Q_OBJECT
public:
    explicit frmCDPRINT(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDPRINT() override;

    // Prints the tape calculator's report of these sides instead of the view report.
    void PrintCalcReport(const SideTables& sides);
    // The font and printer dialogs; the platform's unless a test hands its own (not owned).
    void setPrintDialogs(IPrintDialogs* dialogs) { m_dialogs = dialogs ? dialogs : &m_qtDialogs; }

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void PB_SetHeading_Click();
    void PB_SetDetail_Click();
    void PB_Print_Click();
    void PB_Preview_Click();

private:
    void LoadReportView();
    void ShowFontDescriptions();
    bool chooseFont(bool heading);
    // This print: the fonts, the heading typed, the printer's orientation, the report.
    ReportRequest request(const QPrinter& printer) const;
    ReportResult run(PrinterSurface& surface, const ReportRequest& request);
    // Runs the report on a printer whose orientation and page are set; true when printed.
    bool printOn(QPrinter& printer);
    QPrinter& printer();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDPRINT> m_ui;
    QtPrintDialogs m_qtDialogs;
    IPrintDialogs* m_dialogs = &m_qtDialogs;
    std::optional<SideTables> m_calc;
    std::unique_ptr<QPrinter> m_printer; // the printer chosen in this opening, kept for the next print
};

} // namespace vinaxo
