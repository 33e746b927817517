#include "ui/print/frmCDPRINT.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IFormats.h"
#include "platform/TextTrim.h"
#include "print/PdfSurface.h"
#include "print/PreviewSurface.h"
#include "print/ReportRun.h"
#include "ui/common/AppContext.h"
#include "ui/print/QtPrinterSurface.h"
#include "ui/print/frmPrintPreview.h"
#include "ui_frmCDPRINT.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QShowEvent>
#include <QPrinter>

namespace vinaxo {

namespace {
const QString CalcReportName = QStringLiteral("Tape Calculator Report");
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
    ShowFontDescriptions();
    LoadReportView();
}

frmCDPRINT::~frmCDPRINT() = default;

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
        name = heading = CalcReportName;
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
    const auto chosen = m_dialogs->chooseFont(this, initial, heading ? QStringLiteral("Heading Font")
                                                                     : QStringLiteral("Report Detail Font"));
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

ReportRequest frmCDPRINT::request(const QPrinter& qprinter) const
{
    ReportRequest r;
    r.fonts = ReportFontsFromConfig(m_ctx.ws.config);
    r.heading = RightTrimmed(m_ui->TX_Heading->text());
    r.orientation = qprinter.pageLayout().orientation() == QPageLayout::Landscape ? PrinterSurface::Landscape
                                                                                  : PrinterSurface::Portrait;
    r.calculator = m_calc.has_value();
    if (m_calc)
        r.prepare = [this](CPrinter& p) { SetCalcReport(p, *m_calc); };
    return r;
}

ReportResult frmCDPRINT::run(PrinterSurface& surface, const ReportRequest& r)
{
    return RunReport(m_ctx.ws.entries, surface, m_ctx.ws.formats, m_ctx.ws.formats.today(), r);
}

bool frmCDPRINT::printOn(QPrinter& qprinter)
{
    QtPrinterSurface surface(qprinter);
    m_ctx.busy.ShowBusyPointer();
    const ReportResult result = run(surface, request(qprinter));
    m_ctx.busy.ShowNormalPointer();
    return result.printed;
}

void frmCDPRINT::PB_Print_Click()
{
    QPrinter& qprinter = printer();
    if (!m_dialogs->choosePrinter(this, qprinter))
        return;
    if (printOn(qprinter))
        accept(); // a failed print leaves the window open for another try
}

namespace {
// Lets the preview show its pages and answer the user while the report is laid out;
// closing the preview stops the run.
class PreviewProgress final : public IProgress {
public:
    explicit PreviewProgress(frmPrintPreview& preview) : m_preview(preview) { m_clock.start(); }
    bool step(qint64, qint64) override
    {
        if (m_clock.elapsed() >= 20) {
            m_preview.pagesAdded();
            QCoreApplication::processEvents();
            m_clock.restart();
        }
        return m_preview.isVisible();
    }

private:
    frmPrintPreview& m_preview;
    QElapsedTimer m_clock;
};
}

void frmCDPRINT::PB_Preview_Click()
{
    ReportRequest r = request(printer());
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
    // The report runs once the preview is up, so that its first page shows at once.
    QTimer::singleShot(0, &preview, [&] {
        PreviewProgress progress(preview);
        r.progress = &progress;
        run(pages, r);
        preview.finished();
    });
    // The preview opens at the size it was left at.
    const QString section = QStringLiteral("Windows"), key = QStringLiteral("PrintPreviewSize");
    const QSize size = m_ctx.ws.config.extraValue(section, key).toSize();
    if (size.isValid())
        preview.resize(size);
    const int answer = preview.exec();
    m_ctx.ws.config.setExtraValue(section, key, preview.size());
    if (answer == frmPrintPreview::PrintRequested)
        PB_Print_Click();
}

} // namespace vinaxo
