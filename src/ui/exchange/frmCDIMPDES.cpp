#include "ui/exchange/frmCDIMPDES.h"
#include "ui_frmCDIMPDES.h"

#include "exchange/DefinitionFile.h"
#include "exchange/ExchangeStart.h"
#include "history/CollectionHistory.h"
#include "exchange/ExchangeState.h"
#include "exchange/FileChoice.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "ui/common/IFileDialogs.h"
#include "ui/common/IWindows.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace vinaxo {

using namespace exchange;

namespace {
const QString kSettings = QStringLiteral("Windows");
const QString kGeometryKey = QStringLiteral("frmCDIMPDES.Geometry");
QString allFilesFilter()
{
    return frmCDIMPDES::tr("All Files") + QStringLiteral(" (*.*)");
}
QStringList kDataFilters()
{
    return {frmCDIMPDES::tr("Import Files") + QStringLiteral(" (*.TXT)"), allFilesFilter()};
}
// The export's own label for the same filter.
QStringList kExportFilters()
{
    return {frmCDIMPDES::tr("Export Files") + QStringLiteral(" (*.TXT)"), allFilesFilter()};
}
QStringList kDefinitionFilters()
{
    return {frmCDIMPDES::tr("Import/Export Def") + QStringLiteral("(*.IDF)"), allFilesFilter()};
}

// The table as this window writes it: every width 0.
ColTable withoutWidths(const ColTable& table)
{
    ColTable out;
    for (const ColItem& item : table.Items())
        out.Append(ColItem{item.Number, 0});
    return out;
}
}

frmCDIMPDES::frmCDIMPDES(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_state(ctx.exchange), m_ui(std::make_unique<Ui::frmCDIMPDES>()),
      m_runner(m_log, {[this] { setRunning(true); },
                       [this](qint32 n) { m_ui->TX_Count->setText(QString::number(n)); }})
{
    m_ui->setupUi(this);
    setModal(true);

    // One character each: as wide as a few of them, whatever the font.
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 16;
    for (QLineEdit* box : {m_ui->TX_FieldDelimiter, m_ui->TX_StringDelimiter, m_ui->TX_TrackDelimiter})
        box->setFixedWidth(narrow);
    m_ui->TX_Count->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    m_ui->TX_FileName->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    m_ui->PB_Import->setDefault(true);
    // Room for most of the catalogue without scrolling, unless the user chose a size before.
    const QByteArray geometry = m_ctx.ws.config.extraValue(kSettings, kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(sizeHint() + QSize(0, 8 * m_ui->LB_FieldList->fontMetrics().height()));

    m_ui->LB_FieldList->addItems(CatalogueNames());
    refillSelectedList();
    m_ui->TX_Count->clear();
    setDirection(m_state.direction == u'E' ? u'E' : u'I');
    m_ui->TX_FieldDelimiter->setText(QStringLiteral(","));
    m_ui->TX_StringDelimiter->setText(QStringLiteral("\""));
    m_ui->TX_TrackDelimiter->setText(QStringLiteral(";"));

    m_ui->LB_Messages->setModel(&m_log);
    auto addAction = [this](const char* name, const QString& text, const QKeySequence& keys, auto slot) {
        auto* a = new QAction(text, m_ui->LB_Messages);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, slot);
        m_ui->LB_Messages->addAction(a);
        return a;
    };
    addAction("actCopyLog", tr("&Copy"), QKeySequence::Copy, &frmCDIMPDES::copyLog);
    addAction("actSelectAllLog", tr("Select &All"), QKeySequence::SelectAll,
              [this] { m_ui->LB_Messages->selectAll(); });
    addAction("actSaveLog", tr("&Save As..."), QKeySequence::Save, &frmCDIMPDES::saveLog);

    connect(m_ui->RB_Import, &QRadioButton::toggled, this, [this](bool on) { if (on) RB_Import_Click(); });
    connect(m_ui->RB_Export, &QRadioButton::toggled, this, [this](bool on) { if (on) RB_Export_Click(); });
    connect(m_ui->PB_SelectFile, &QPushButton::clicked, this, &frmCDIMPDES::PB_SelectFile_Click);
    connect(m_ui->PB_AddCol, &QPushButton::clicked, this, &frmCDIMPDES::PB_AddCol_Click);
    connect(m_ui->LB_FieldList, &QListWidget::itemDoubleClicked, this, &frmCDIMPDES::PB_AddCol_Click);
    connect(m_ui->PB_DelCol, &QPushButton::clicked, this, &frmCDIMPDES::PB_DelCol_Click);
    connect(m_ui->PB_Clear, &QPushButton::clicked, this, &frmCDIMPDES::PB_Clear_Click);
    connect(m_ui->PB_OpenDef, &QPushButton::clicked, this, &frmCDIMPDES::PB_OpenDef_Click);
    connect(m_ui->PB_SaveDef, &QPushButton::clicked, this, &frmCDIMPDES::PB_SaveDef_Click);
    connect(m_ui->PB_Import, &QPushButton::clicked, this, &frmCDIMPDES::PB_Import_Click);
    connect(m_ui->PB_Close, &QPushButton::clicked, this, &frmCDIMPDES::PB_Close_Click);
    connect(&m_runner, &ExchangeRunner::finished, this, &frmCDIMPDES::runFinished);
}

frmCDIMPDES::~frmCDIMPDES() = default;

void frmCDIMPDES::AddToColTable(const QString& name, const QString& width)
{
    m_state.table.AddToColTable(name, width);
}

qint16 frmCDIMPDES::FindColID(const QString& name)
{
    return exchange::FindColID(name);
}

void frmCDIMPDES::setDirection(QChar direction)
{
    const bool exporting = direction == u'E';
    // Checking a button runs its handler, which stores the direction.
    (exporting ? m_ui->RB_Export : m_ui->RB_Import)->setChecked(true);
    m_state.direction = direction;
    m_ui->PB_Import->setText(exporting ? tr("&Start Export") : tr("&Start Import"));
    // A data file chosen for one direction is no choice for the other.
    m_state.setDataFile(QString());
    m_ui->TX_FileName->clear();
    m_ui->TX_FileName->setToolTip(QString());
}

void frmCDIMPDES::RB_Import_Click() { setDirection(u'I'); }
void frmCDIMPDES::RB_Export_Click() { setDirection(u'E'); }

void frmCDIMPDES::PB_SelectFile_Click()
{
    const bool exporting = m_state.direction == u'E';
    const FileDialogRequest request{exporting ? tr("Select Export File") : tr("Select Import File"),
                                    exporting ? kExportFilters() : kDataFilters(), 0, m_state.dataFilePath};
    const AskPath ask = [&] {
        return exporting ? m_ctx.dialogs.saveFile(this, request) : m_ctx.dialogs.openFile(this, request);
    };
    IMessageService& m = m_ctx.ws.messages;
    const auto path = exporting ? ChooseExportFile(ask, m, true) : ChooseImportFile(ask, m);
    if (!path)
        return;
    m_state.setDataFile(*path);
    m_ui->TX_FileName->setText(m_state.dataFileName);
    m_ui->TX_FileName->setToolTip(m_state.dataFilePath);
}

void frmCDIMPDES::refillSelectedList()
{
    m_ui->LB_RptColList->clear();
    m_ui->LB_RptColList->addItems(m_state.table.Names());
}

void frmCDIMPDES::PB_AddCol_Click()
{
    const QListWidgetItem* chosen = m_ui->LB_FieldList->currentItem();
    if (!chosen || !chosen->isSelected())
        return;
    const QString name = RightTrimmed(chosen->text()).toString();
    // The selected list shows the table, so the table answers whether the field is in it.
    if (m_state.table.Contains(exchange::FindColID(name))) {
        m_ctx.ws.messages.show(
            tr("Field is already selected.  Duplicate fields within the import file are not allowed."),
            tr("Field already selected"), MsgIcon::Critical);
        return;
    }
    m_ui->LB_RptColList->addItem(name);
    m_state.table.AddToColTable(name, QStringLiteral("0"));
    m_state.definitionChanged = true;
}

void frmCDIMPDES::PB_DelCol_Click()
{
    QListWidget* list = m_ui->LB_RptColList;
    const int row = list->currentRow();
    if (row < 0 || !list->currentItem()->isSelected()) {
        m_ctx.ws.messages.show(tr("An item must be selected before you can delete it from the list."),
                               tr("Select an item"), MsgIcon::Information);
        return;
    }
    delete list->takeItem(row);
    ColTable rest;
    for (int position = 1; position <= m_state.table.Count(); ++position) {
        if (position != row + 1)
            rest.Append(m_state.table.Item(position));
    }
    m_state.table = rest;
    m_state.definitionChanged = true;
    // The next item is selected, so that Delete can be pressed again.
    if (list->count() > 0)
        list->setCurrentRow(std::min(row, list->count() - 1));
}

void frmCDIMPDES::PB_Clear_Click()
{
    m_state.table.Clear();
    m_ui->LB_RptColList->clear();
}

void frmCDIMPDES::PB_OpenDef_Click()
{
    const auto path = m_ctx.dialogs.openFile(
        this, {tr("Open Import/Export Definition File"), kDefinitionFilters(), 0, m_state.definitionFilePath});
    if (!path)
        return;
    // Read aside: a file that is refused or cannot be read leaves the current list as it was.
    ColTable table;
    DefinitionHeader header;
    m_ctx.busy.ShowBusyPointer();
    const bool read = ReadDefinitionFile(*path, table, header, m_ctx.ws.messages);
    m_ctx.busy.ShowNormalPointer();
    if (!read)
        return;
    m_state.setDefinitionFile(*path);
    m_state.table = table;
    m_state.header = header;
    m_state.definitionChanged = false;
    refillSelectedList();
}

void frmCDIMPDES::PB_SaveDef_Click()
{
    const FileDialogRequest request{tr("Save Import/Export Definition File"), kDefinitionFilters(), 0,
                                    m_state.definitionFilePath};
    const auto path = ChooseDefinitionSavePath([&] { return m_ctx.dialogs.saveFile(this, request); },
                                               m_ctx.ws.messages);
    if (!path)
        return;
    m_state.setDefinitionFile(*path);
    m_state.table = withoutWidths(m_state.table);
    if (WriteDefinitionFile(*path, m_state.table, m_state.header, m_ctx.ws.messages))
        m_state.definitionChanged = false;
}

void frmCDIMPDES::setRunning(bool running)
{
    m_running = running;
    // The count stays readable: it is display only.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_ui->FR_Action, m_ui->TX_FileName, m_ui->PB_SelectFile, m_ui->TX_FieldDelimiter,
             m_ui->TX_StringDelimiter, m_ui->TX_TrackDelimiter, m_ui->LB_FieldList, m_ui->PB_AddCol,
             m_ui->PB_DelCol, m_ui->PB_Clear, m_ui->LB_RptColList, m_ui->PB_OpenDef, m_ui->PB_SaveDef,
             m_ui->PB_Import})
        w->setEnabled(!running);
    m_ui->LB_Messages->findChild<QAction*>(QStringLiteral("actSaveLog"))->setEnabled(!running);
    m_ui->PB_Close->setText(running ? tr("CANCEL") : tr("C&lose"));
    if (running)
        m_ui->PB_Close->setFocus();
}

void frmCDIMPDES::PB_Import_Click()
{
    if (m_running)
        return;
    ExchangeRequest request;
    request.path = m_state.dataFilePath;
    request.fieldDelimiter = m_ui->TX_FieldDelimiter->text();
    request.stringDelimiter = m_ui->TX_StringDelimiter->text();
    request.trackDelimiter = m_ui->TX_TrackDelimiter->text();
    m_state.table = withoutWidths(m_state.table);
    request.table = m_state.table;

    // The checks and their questions come first; the run itself goes on in slices.
    const ExchangeHooks hooks = m_runner.newRun(&m_ctx.busy);
    auto job = m_state.direction == u'E' ? BeginExport(request, m_ctx.ws, hooks)
                                         : BeginImport(request, m_ctx.ws, hooks);
    if (job)
        m_runner.start(std::move(job));
}

void frmCDIMPDES::runFinished()
{
    if (m_runner.job() && m_runner.job()->imported()) {
        m_imported = true;
        // One step takes back the whole run (a cancelled run keeps what it added).
        if (m_ctx.ws.history)
            m_ctx.ws.history->imported(m_runner.job()->imported()->addedKeys);
    }
    if (m_running)
        setRunning(false);
    m_ui->LB_Messages->scrollToBottom();
    Q_EMIT runEnded();
}

void frmCDIMPDES::PB_Close_Click()
{
    if (m_running)
        m_runner.cancel();
    else
        reject();
}

void frmCDIMPDES::done(int result)
{
    // Escape and the title bar's close stop a run; the window stays, showing its log.
    if (m_running) {
        m_runner.cancel();
        return;
    }
    m_ctx.ws.config.setExtraValue(kSettings, kGeometryKey, saveGeometry());
    if (m_imported && m_ctx.windows) {
        m_imported = false;
        m_ctx.windows->requestActivationCheck();
    }
    QDialog::done(result);
}

void frmCDIMPDES::copyLog()
{
    QModelIndexList rows = m_ui->LB_Messages->selectionModel()->selectedIndexes();
    const QString text = rows.isEmpty() ? m_log.text() : m_log.text(rows);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void frmCDIMPDES::saveLog()
{
    if (m_running || m_log.lines().isEmpty())
        return;
    const FileDialogRequest request{
        tr("Save Messages"), {tr("Text Files") + QStringLiteral(" (*.TXT)"), allFilesFilter()}, 0, QString()};
    const auto path = ChooseFileToReplace([&] { return m_ctx.dialogs.saveFile(this, request); }, m_ctx.ws.messages);
    if (path)
        WriteWholeFile(*path, m_log.text().toUtf8(), m_ctx.ws.messages, {}, QStringLiteral("frmCDIMPDES.SaveLog"));
}

} // namespace vinaxo
