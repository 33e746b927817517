#include "ui/stats/frmStatistics.h"
#include "ui_frmStatistics.h"

#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "storage/FileCommands.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/stats/StatisticsCharts.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QShortcut>
#include <QShowEvent>
#include <QtCharts/QChart>

namespace vinaxo {

namespace {
const QString WindowsSection = QStringLiteral("Windows");
const QString SizeKey = QStringLiteral("StatisticsSize");
const QString ChartKey = QStringLiteral("StatisticsChart");
const QString ListedKey = QStringLiteral("StatisticsListedOnly");
const QString ExportFolderKey = QStringLiteral("StatisticsExportFolder");
} // namespace

frmStatistics::frmStatistics(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmStatistics>())
{
    ui->setupUi(this);
    // Modeless beside the main window, with the buttons of a window of its own.
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    for (StatisticsChart chart : StatisticsSheet::Charts())
        ui->cmbChart->addItem(StatisticsSheet::ChartName(chart), int(chart));
    ui->chartView->setRenderHint(QPainter::Antialiasing);
    // The chart only shows what the figures list holds: the keyboard passes it by.
    ui->chartView->viewport()->setFocusPolicy(Qt::NoFocus);
    ui->lvFigures->header()->setStretchLastSection(false);
    ui->lvFigures->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->lvFigures->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ui->lvFigures->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    CDConfig& config = m_ctx.ws.config;
    const QSize size = config.extraValue(WindowsSection, SizeKey).toSize();
    if (size.isValid())
        resize(size);
    const int chart = ui->cmbChart->findData(config.extraValue(WindowsSection, ChartKey, 0).toInt());
    ui->cmbChart->setCurrentIndex(qMax(chart, 0));
    ui->chkListedOnly->setChecked(config.extraValue(WindowsSection, ListedKey, false).toBool());

    connect(&m_counter, &StatisticsCounter::counted, this, &frmStatistics::counted);
    connect(ui->cmbChart, &QComboBox::currentIndexChanged, this, &frmStatistics::showChart);
    connect(ui->cmbStyle, &QComboBox::currentIndexChanged, this, &frmStatistics::showChart);
    connect(ui->chkListedOnly, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(ui->cmdRefresh, &QPushButton::clicked, this, [this] { refresh(true); });
    connect(ui->cmdExport, &QPushButton::clicked, this, &frmStatistics::exportChart);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* f5 = new QShortcut(QKeySequence::Refresh, this);
    connect(f5, &QShortcut::activated, this, [this] { refresh(true); });
    showChart();
}

frmStatistics::~frmStatistics() = default;

StatisticsChart frmStatistics::shownChart() const
{
    return StatisticsChart(ui->cmbChart->currentData().toInt());
}

void frmStatistics::done(int result)
{
    CDConfig& config = m_ctx.ws.config;
    config.setExtraValue(WindowsSection, SizeKey, size());
    config.setExtraValue(WindowsSection, ChartKey, int(shownChart()));
    config.setExtraValue(WindowsSection, ListedKey, ui->chkListedOnly->isChecked());
    QDialog::done(result);
}

bool frmStatistics::event(QEvent* e)
{
    // Back in the window after working in another: the collection may have changed.
    if (e->type() == QEvent::WindowActivate)
        refresh();
    return QDialog::event(e);
}

void frmStatistics::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        refresh();
}

void frmStatistics::refresh(bool force)
{
    const Workspace& ws = m_ctx.ws;
    StatisticsInput input =
        TakeStatisticsInput(ws.entries, ui->chkListedOnly->isChecked() ? &ws.sequence : nullptr);
    if (!force && m_started && input == m_counting)
        return;
    m_counting = input;
    m_started = true;
    ui->lblStatus->setText(tr("Counting..."));
    m_counter.start(std::move(input));
}

void frmStatistics::counted(const StatisticsResult& result)
{
    m_result = result;
    ui->lblStatus->clear();
    showTotals();
    showChart();
    Q_EMIT statisticsShown();
}

void frmStatistics::showTotals()
{
    const StatisticsSheet::Totals t = StatisticsSheet::TotalsOf(m_result, m_ctx.ws.formats);
    ui->lblTotalRecordings->setText(t.recordings);
    ui->lblTotalTracks->setText(t.tracks);
    ui->lblTotalTime->setText(t.playingTime);
    ui->lblTotalCost->setText(t.cost);
}

void frmStatistics::showChart()
{
    const StatisticsChartSheet sheet = StatisticsSheet::Sheet(m_result, shownChart(), m_ctx.ws.formats);
    ui->cmbStyle->setEnabled(sheet.pieAllowed);
    ui->lblStyle->setEnabled(sheet.pieAllowed);
    const bool pie = sheet.pieAllowed && ui->cmbStyle->currentIndex() == 1;

    QChart* old = ui->chartView->chart();
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    ui->chartView->setChart(BuildStatisticsChart(sheet, pie, dark));
    delete old; // the view does not delete a chart it is given

    QTreeWidget* list = ui->lvFigures;
    list->clear();
    list->setHeaderLabels({sheet.heading, tr("Recordings"), tr("Cost")});
    list->setColumnHidden(2, !sheet.withCost);
    QList<QTreeWidgetItem*> items;
    items.reserve(sheet.rows.size());
    for (const StatisticsRow& row : sheet.rows) {
        auto* item = new QTreeWidgetItem({row.name, QString::number(row.count), row.costText});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list->addTopLevelItems(items);
}

void frmStatistics::exportChart()
{
    CDConfig& config = m_ctx.ws.config;
    FileDialogRequest request;
    request.title = tr("Export Chart");
    request.filters
        = {tr("PNG Images") + QStringLiteral(" (*.png)"), tr("SVG Drawings") + QStringLiteral(" (*.svg)")};
    request.directory = config.extraValue(WindowsSection, ExportFolderKey, QDir::homePath()).toString();
    const std::optional<QString> chosen = m_ctx.dialogs.saveFile(this, request);
    if (!chosen)
        return;
    QString path = *chosen;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool svg = suffix == QLatin1String("svg");
    if (!svg && suffix != QLatin1String("png"))
        path += QStringLiteral(".png");
    if (!ConfirmReplace(m_ctx.ws.messages, path))
        return;
    config.setExtraValue(WindowsSection, ExportFolderKey, QFileInfo(path).absolutePath());
    const QString title = StatisticsSheet::ChartName(shownChart());
    const bool written = svg ? WriteSvg(*ui->chartView, path, title) : WritePng(*ui->chartView, path);
    if (!written)
        m_ctx.ws.messages.show(tr("The chart could not be written to %1.").arg(QDir::toNativeSeparators(path)),
                               tr("Export Chart"), MsgIcon::Exclamation, MsgButtons::OK);
}

} // namespace vinaxo
