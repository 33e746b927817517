#include "ui/print/frmCDPRINT.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IFormats.h"
#include "platform/TextTrim.h"
#include "print/PdfSurface.h"
#include "print/PreviewSurface.h"
#include "print/ReportRun.h"
#include "print/ReportRunner.h"
#include "ui/common/AppContext.h"
#include "ui/print/QtPrinterSurface.h"
#include "ui/print/frmPrintPreview.h"
#include "ui_frmCDPRINT.h"

#include <QPrinter>
#include <QProgressDialog>
#include <QShowEvent>

namespace vinaxo {

namespace {
QString CalcReportName()
{
    return frmCDPRINT::tr("Tape Calculator Report");
}
}

frmCDPRINT::frmCDPRINT(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_ui(std::make_unique<Ui::frmCDPRINT>())
{
    m_ui->setupUi(this);
    connect(m_ui->PB_SetHeading, &QPushButton::clicked, this, &frmCDPRINT::PB_SetHeading_Click);
    connect(m_ui->PB_SetDetail, &QPushButton::clicked, this, &frmCDPRINT::PB_SetDetail_Click);
    connect(m_ui->PB_Print, &QPushButton::clicked, this, &frmCDPRINT::PB_Print_Click);
    connect(m_ui->PB_Preview, &QPushButton::clicked, this, &frmCDPRINT::PB_Preview_Click);
    connect(m_ui->PB_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A new user can print at once: fonts never chosen get the defaults, stored.
    StoreDefaultReportFonts(m_ctx.ws.config);
    ShowFontDescriptions();
    ShowOrientation();
    connect(m_ui->RB_Landscape, &QRadioButton::toggled, this, &frmCDPRINT::RB_Orientation_Toggled);
    LoadReportView();
}

frmCDPRINT::~frmCDPRINT() = default;

bool frmCDPRINT::printing() const
{
    return m_job != nullptr; // until the end of the print is handled
}

void frmCDPRINT::ShowOrientation()
{
    const bool landscape = m_ctx.ws.config.PrintOrientation() == PrinterSurface::Landscape;
    (landscape ? m_ui->RB_Landscape : m_ui->RB_Portrait)->setChecked(true);
}

qint32 frmCDPRINT::orientation() const
{
    return m_ui->RB_Landscape->isChecked() ? PrinterSurface::Landscape : PrinterSurface::Portrait;
}

void frmCDPRINT::RB_Orientation_Toggled()
{
    m_ctx.ws.config.setPrintOrientation(qint16(orientation()));
}

void frmCDPRINT::PrintCalcReport(const SideTables& sides)
{
    m_calc = sides;
    LoadReportView();
}

void frmCDPRINT::showEvent(QShowEvent* event)
{
    // Loaded when shown rather than on every activation, so that a heading typed before
    // visiting the font dialog is not lost.
    if (!event->spontaneous())
        LoadReportView();
    QDialog::showEvent(event);
}

void frmCDPRINT::LoadReportView()
{
    QString name, heading;
    if (const CView* view = m_ctx.ws.entries.CurrView()) {
        name = view->ViewName;
        heading = view->ReportHeading;
    }
    if (m_calc)
        name = heading = CalcReportName();
    m_ui->TX_ReportLoaded->setText(name);
    m_ui->TX_Heading->setText(heading);
}

void frmCDPRINT::ShowFontDescriptions()
{
    const ReportFonts fonts = ReportFontsFromConfig(m_ctx.ws.config);
    for (auto [box, font] : {std::pair{m_ui->TX_HeadingFont, &fonts.heading}, {m_ui->TX_DetailFont, &fonts.detail}}) {
        box->setText(FontDescription(*font));
        box->setCursorPosition(0);
        // Shown in its own font once it has one; before that the box keeps the dialog's.
        box->setFont(RightTrimmed(font->name).isEmpty() ? QFont() : ToQFont(*font));
        // Wide enough for the whole description in its font (a large font widens the window).
        const int wanted = box->fontMetrics().horizontalAdvance(box->text() + QStringLiteral("  ")) + 12;
        box->setMinimumWidth(qBound(240, wanted, 720));
    }
}

bool frmCDPRINT::chooseFont(bool heading)
{
    const ReportFonts fonts = ReportFontsFromConfig(m_ctx.ws.config);
    const ReportFont& current = heading ? fonts.heading : fonts.detail;
    QFont initial = ToQFont(current);
    if (RightTrimmed(current.name).isEmpty())
        initial = font();
    const auto chosen = m_dialogs->chooseFont(this, initial, heading ? tr("Heading Font") : tr("Report Detail Font"));
    if (!chosen)
        return false;
    if (heading)
        StoreHeadingFont(m_ctx.ws.config, FromQFont(*chosen));
    else
        StoreDetailFont(m_ctx.ws.config, FromQFont(*chosen));
    ShowFontDescriptions();
    return true;
}

void frmCDPRINT::PB_SetHeading_Click()
{
    chooseFont(true);
}

void frmCDPRINT::PB_SetDetail_Click()
{
    chooseFont(false);
}

QPrinter& frmCDPRINT::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without any printer installed Qt writes PDF but knows no paper: take the
        // locale's, or the preview would have no page to lay the report out on.
        if (m_printer->pageLayout().fullRectPoints().isEmpty())
            m_printer->setPageSize(PdfSurface::DefaultPageSize());
    }
    return *m_printer;
}

ReportRequest frmCDPRINT::request() const
{
    ReportRequest r;
    r.fonts = ReportFontsFromConfig(m_ctx.ws.config);
    r.heading = RightTrimmed(m_ui->TX_Heading->text());
    r.orientation = orientation();
    r.calculator = m_calc.has_value();
    if (m_calc)
        r.prepare = [this](CPrinter& p) { SetCalcReport(p, *m_calc); };
    return r;
}

void frmCDPRINT::PB_Print_Click()
{
    if (printing())
        return;
    QPrinter& qprinter = printer();
    // The printer dialog starts from the orientation chosen here, and what is chosen
    // there is kept here too: both name one setting.
    qprinter.setPageOrientation(orientation() == PrinterSurface::Landscape ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait);
    if (!m_dialogs->choosePrinter(this, qprinter))
        return;
    const bool landscape = qprinter.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? m_ui->RB_Landscape : m_ui->RB_Portrait)->setChecked(true);
    printOn(qprinter);
}

void frmCDPRINT::printOn(QPrinter& qprinter)
{
    ReportRequest r = request();
    if (!ReportFontsChosen(r.fonts)) {
        ShowPrintSetupError(m_ctx.ws.messages);
        return;
    }
    m_progress.reset();
    m_runner.reset();
    m_job.reset();
    m_surface = std::make_unique<QtPrinterSurface>(qprinter);
    if (m_calc) {
        // A cassette's two sides fit on a page or two: printed at once.
        m_ctx.busy.ShowBusyPointer();
        const ReportResult result = RunReport(m_ctx.ws.entries, *m_surface, m_ctx.ws.formats,
                                              m_ctx.ws.formats.today(), r);
        m_ctx.busy.ShowNormalPointer();
        m_surface.reset();
        if (result.printed)
            accept(); // a failed print leaves the window open for another try
        return;
    }
    r.countPages = true;
    m_job = std::make_unique<ReportJob>(m_ctx.ws.entries, *m_surface, m_ctx.ws.formats, m_ctx.ws.formats.today(),
                                        std::move(r));
    m_runner = std::make_unique<ReportRunner>(*m_job);
    m_progress = std::make_unique<QProgressDialog>(this);
    m_progress->setObjectName(QStringLiteral("dlgPrintProgress"));
    m_progress->setWindowTitle(windowTitle());
    m_progress->setLabelText(tr("Printing..."));
    m_progress->setCancelButtonText(tr("&Cancel"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(300); // a short report prints without a flash of progress
    m_progress->setRange(0, 0);
    connect(m_progress.get(), &QProgressDialog::canceled, m_runner.get(), &ReportRunner::cancel);
    connect(m_runner.get(), &ReportRunner::progressed, m_progress.get(), [this](int page, int pages) {
        if (pages > 0) {
            m_progress->setMaximum(pages);
            m_progress->setValue(qMin(page, pages));
            m_progress->setLabelText(tr("Printing page %1 of %2").arg(page).arg(pages));
        } else {
            m_progress->setLabelText(tr("Printing page %1").arg(page));
        }
    });
    connect(m_runner.get(), &ReportRunner::finished, this, &frmCDPRINT::printEnded, Qt::QueuedConnection);
    m_ctx.busy.ShowBusyPointer();
    m_runner->start();
}

void frmCDPRINT::printEnded()
{
    m_ctx.busy.ShowNormalPointer();
    const bool printed = m_job && m_job->result().printed;
    if (m_progress)
        m_progress->hide();
    m_progress.reset();
    m_runner.reset();
    m_job.reset();
    m_surface.reset();
    if (printed)
        accept(); // a failed or cancelled print leaves the window open for another try
}

void frmCDPRINT::PB_Preview_Click()
{
    if (printing())
        return;
    ReportRequest r = request();
    if (!ReportFontsChosen(r.fonts)) {
        ShowPrintSetupError(m_ctx.ws.messages);
        return;
    }
    const QPageLayout layout = printer().pageLayout();
    PreviewSurface pages(layout.pageSize(), r.orientation);
    // The printer paints from the corner of its printable area.
    if (!printer().fullPage())
        pages.setOrigin(layout.paintRectPoints().topLeft() * 20);
    frmPrintPreview preview(pages, this);
    preview.setObjectName(QStringLiteral("dlgPreview"));
    // The preview says in its own words why a report does not fit.
    r.quietLayoutError = true;
    r.countPages = true;
    const bool calculator = r.calculator;
    ReportJob job(m_ctx.ws.entries, pages, m_ctx.ws.formats, m_ctx.ws.formats.today(), std::move(r));
    // The report is laid out in slices once the preview is up, so that its first page shows
    // at once and closing the preview stops the layout.
    ReportRunner runner(job, nullptr, m_previewSlice);
    connect(&runner, &ReportRunner::progressed, &preview, &frmPrintPreview::progressed);
    connect(&runner, &ReportRunner::finished, &preview, [&] {
        QString problem;
        if (job.result().layoutError)
            problem = calculator ? tr("The columns of this report are wider than the page: choose "
                                      "landscape or a smaller detail font")
                                 : tr("The columns of this view are wider than the page: choose "
                                      "landscape, a smaller detail font, or narrower columns");
        preview.finished(problem);
    });
    connect(&preview, &QDialog::finished, &runner, &ReportRunner::cancel);
    runner.start();
    // The preview opens at the size it was left at.
    const QString section = QStringLiteral("Windows"), key = QStringLiteral("PrintPreviewSize");
    const QSize size = m_ctx.ws.config.extraValue(section, key).toSize();
    if (size.isValid())
        preview.resize(size);
    const int answer = preview.exec();
    runner.disconnect();
    m_ctx.ws.config.setExtraValue(section, key, preview.size());
    if (answer == frmPrintPreview::PrintRequested)
        PB_Print_Click();
}

} // namespace vinaxo
