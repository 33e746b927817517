#include "ui/main/frmCDMLIST.h"
#include "ui_frmCDMLIST.h"

#include "exchange/ExchangeState.h"
#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "storage/FileCommands.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/about/AppFiles.h"
#include "ui/about/ToolbarIcons.h"
#include "ui/about/frmAbout.h"
#include "ui/calc/frmCDCalc.h"
#include "ui/entry/frmCDSearch.h"
#include "ui/exchange/frmCDIMPDES.h"
#include "ui/entry/frmEntryDetail.h"
#include "ui/lists/frmCategoryList.h"
#include "ui/lists/frmMediumList.h"
#include "ui/lookup/frmCDDBAccess.h"
#include "ui/main/frmCDLoad.h"
#include "ui/print/frmCDPRINT.h"
#include "ui/views/frmConfigureView.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace vinaxo {

namespace {
const QString NotSavedTitle = QStringLiteral("File Not Saved");
const QString WindowsSection = QStringLiteral("Windows");
const QString ColumnsSection = QStringLiteral("MainListColumns");

FileDialogRequest collectionDialog(const QString& title, const QString& current)
{
    FileDialogRequest r;
    r.title = title;
    r.filters = {QStringLiteral("Data Files (*.DAT)"), QStringLiteral("All Files (*)")};
    r.filterIndex = 0;
    r.directory = current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
    return r;
}
} // namespace

frmCDMLIST::frmCDMLIST(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmCDMLIST>()),
      m_controller(ctx.ws, m_model, ctx.busy), m_recent(ctx.ws.config)
{
    ui->setupUi(this);
    m_ctx.windows = this;
    Workspace& ws = m_ctx.ws;

    m_panel1 = new QLabel(this);
    m_panel1->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("StatusPanel2"));
    m_panel2->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" 000000 records ")));
    ui->StatusBar1->addWidget(m_panel1, 1);
    ui->StatusBar1->addPermanentWidget(m_panel2);

    ui->lvEntryList->setModel(&m_model);
    QHeaderView* header = ui->lvEntryList->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        m_controller.clickColumn(section);
        ui->lvEntryList->header()->setSortIndicator(
            m_model.sortColumn(), m_model.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
        // The chosen recording stays chosen; keep it in sight at its new place.
        if (ui->lvEntryList->currentIndex().isValid())
            ui->lvEntryList->scrollTo(ui->lvEntryList->currentIndex());
    });
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (m_applyingWidths || section >= m_model.columnCount())
            return;
        m_ctx.ws.config.setExtraValue(ColumnsSection,
                                      m_model.headerData(section, Qt::Horizontal).toString(), size);
    });
    connect(&m_model, &QAbstractItemModel::modelReset, this, &frmCDMLIST::applyColumnWidths);
    connect(ui->lvEntryList, &QAbstractItemView::doubleClicked, this, &frmCDMLIST::editSelection);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), ui->lvEntryList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &frmCDMLIST::editSelection);
    }

    m_controller.changed = [this] { refreshStatus(); };
    m_controller.processEvents = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };

    // Commands
    connect(ui->MU_File_New, &QAction::triggered, this, &frmCDMLIST::fileNew);
    connect(ui->MU_File_Open, &QAction::triggered, this, &frmCDMLIST::fileOpen);
    connect(ui->MU_File_Close, &QAction::triggered, this, &frmCDMLIST::fileClose);
    connect(ui->MU_File_Save, &QAction::triggered, this, &frmCDMLIST::fileSave);
    connect(ui->MU_File_SaveAs, &QAction::triggered, this, &frmCDMLIST::fileSaveAs);
    connect(ui->MU_File_Print_Report_Design, &QAction::triggered, this, &frmCDMLIST::configureView);
    connect(ui->MU_File_Print, &QAction::triggered, this, &frmCDMLIST::print);
    connect(ui->MU_File_Import_Export, &QAction::triggered, this, &frmCDMLIST::importExport);
    connect(ui->MU_File_Exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->MU_Edit_Selection, &QAction::triggered, this, &frmCDMLIST::editSelection);
    connect(ui->MU_Search_Search, &QAction::triggered, this, &frmCDMLIST::search);
    connect(ui->MU_Edit_Quick_Add, &QAction::triggered, this, &frmCDMLIST::quickAdd);
    connect(ui->MU_Edit_Calc, &QAction::triggered, this, &frmCDMLIST::calculator);
    connect(ui->MU_Options_ConfigureView, &QAction::triggered, this, &frmCDMLIST::configureView);
    connect(ui->cmdConfigureView, &QToolButton::clicked, this, &frmCDMLIST::configureView);
    connect(ui->MU_Options_ConfigureCategories, &QAction::triggered, this, &frmCDMLIST::configureCategories);
    connect(ui->MU_Options_ConfigureMediums, &QAction::triggered, this, &frmCDMLIST::configureMediums);
    connect(ui->MU_Options_LoadLastFile, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadLastFile(on); });
    connect(ui->MU_Options_DefaultCats, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadDefaultCats(on); });
    connect(ui->MU_Options_DefaultMediums, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadDefaultMediums(on); });
    connect(ui->MU_Options_TotalTrackTime, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setTotalTrackTime(on); });
    connect(ui->MU_Help_Contents, &QAction::triggered, this, &frmCDMLIST::helpContents);
    connect(ui->MU_Help_Example, &QAction::triggered, this, &frmCDMLIST::openExample);
    connect(ui->MU_Help_About, &QAction::triggered, this, &frmCDMLIST::about);
    connect(ui->MU_File_Recent, &QMenu::aboutToShow, this, &frmCDMLIST::fillRecentMenu);

    // Toolbar
    connect(ui->Open, &QAction::triggered, this, &frmCDMLIST::fileOpen);
    connect(ui->Save, &QAction::triggered, this, &frmCDMLIST::toolbarSave);
    connect(ui->Edit, &QAction::triggered, this, &frmCDMLIST::editSelection);
    connect(ui->Print, &QAction::triggered, this, &frmCDMLIST::print);
    connect(ui->Calc, &QAction::triggered, this, &frmCDMLIST::calculator);
    connect(ui->CDInfo, &QAction::triggered, this, &frmCDMLIST::quickAdd);
    connect(ui->Search, &QAction::triggered, this, &frmCDMLIST::search);
    connect(ui->Filter, &QAction::triggered, this, &frmCDMLIST::filterClicked);
    connect(ui->Exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->Help, &QAction::triggered, this, &frmCDMLIST::helpContents);

    for (QAction* a : ui->barToolbar->actions())
        a->setIcon(mainToolbarIcon(a->objectName()));
    setWindowIcon(applicationIcon());

    // textActivated comes from the user's choice only, never from refilling the list, so
    // loading a file does not rebuild the list through it.
    connect(ui->cmbViewName, &QComboBox::textActivated, this,
            [this](const QString& name) { m_controller.chooseView(name); });

    ui->centralWidget->setMouseTracking(true);
    ui->centralWidget->installEventFilter(this);

    // Start-up
    CDConfig& config = ws.config;
    if (config.ReleaseLevel() != QLatin1String("3.1"))
        config.setReleaseLevel(QStringLiteral("3.1"));
    ws.entries.DBChanged = false;
    m_ctx.exchange.definitionChanged = false;
    ws.refillArtists = ws.refillLabels = ws.refillCategories = ws.refillMediums = true;
    m_controller.setFilterDown(false);
    if (config.LoadDefaultCats())
        LoadDefaultCategories(ws.entries);
    if (config.LoadDefaultMediums())
        LoadDefaultMediums(ws.entries);
    EnsureStandardView(ws.entries);
    if (!config.LastViewName().trimmed().isEmpty())
        ws.entries.LocateViewByName(config.LastViewName().trimmed());
    fillViewNames();
    ws.entries.DBChanged = false;
    ui->MU_Options_LoadLastFile->setChecked(config.LoadLastFile());
    ui->MU_Options_DefaultCats->setChecked(config.LoadDefaultCats());
    ui->MU_Options_DefaultMediums->setChecked(config.LoadDefaultMediums());
    ui->MU_Options_TotalTrackTime->setChecked(config.TotalTrackTime());
    ws.currentFileName.clear(); // named once a file has loaded
    m_controller.filterRoutine();
    updateCaption();

    const QByteArray geometry = config.extraValue(WindowsSection, QStringLiteral("Main")).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

frmCDMLIST::~frmCDMLIST()
{
    m_search.reset();
    m_editor.reset();
    if (m_ctx.windows == this)
        m_ctx.windows = nullptr;
}

void frmCDMLIST::startUp(const QString& fileArgument, bool splash)
{
    if (splash)
        frmAbout::showSplash(this);
    if (!fileArgument.isEmpty()) {
        loadFile(fileArgument);
        return;
    }
    const CDConfig& config = m_ctx.ws.config;
    if (config.LoadLastFile() && !config.LastFileName().trimmed().isEmpty()) {
        loadFile(config.LastFileName());
        if (m_ctx.ws.entries.Count() == 0) {
            m_ctx.ws.currentFileName.clear();
            updateCaption();
        }
    }
}

// ---- File commands ------------------------------------------------------------------

bool frmCDMLIST::askLoseChanges()
{
    if (!m_ctx.ws.entries.DBChanged)
        return true;
    return m_ctx.ws.messages.show(
               QStringLiteral("Current file has not been saved - do you want to continue and lose all changes?"),
               NotSavedTitle, MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second)
           == MsgAnswer::Yes;
}

void frmCDMLIST::fileNew()
{
    if (!askLoseChanges())
        return;
    emptyCollection();
}

void frmCDMLIST::emptyCollection()
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    m_controller.clearList();
    ws.entries.ClearDatabase();
    ws.entries.DBChanged = false;
    EnsureStandardView(ws.entries);
    m_controller.rebuildSequence();
    ws.currentFileName.clear();
    resetEditor();
    fillViewNames();
    m_controller.filterRoutine();
    updateCaption();
}

void frmCDMLIST::fileOpen()
{
    if (!askLoseChanges())
        return;
    chooseAndLoad();
}

bool frmCDMLIST::chooseAndLoad()
{
    const auto path = m_ctx.dialogs.openFile(
        this, collectionDialog(QStringLiteral("Open Vinaxo File"), m_ctx.ws.currentFileName));
    if (!path)
        return false;
    loadFile(*path);
    return true;
}

void frmCDMLIST::openFile(const QString& path)
{
    if (!askLoseChanges())
        return;
    loadFile(path);
}

void frmCDMLIST::loadFile(const QString& path)
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    const bool exists = QFileInfo::exists(path);
    if (!exists)
        m_recent.remove(path);
    // The list lets go of the recordings before the collection may be replaced.
    m_controller.clearList();
    LoadReport report;
    {
        frmCDLoad loading(this);
        FileCommandOptions options;
        options.busy = &m_ctx.busy;
        if (exists) {
            loading.start(path);
            options.progress = &loading;
        }
        report = LoadCollectionFile(ws, path, options);
    }
    if (report.loaded() && !report.damaged)
        m_recent.add(path);
    // Also after a failed load: the collection is as it was and gets its list back.
    m_controller.filterRoutine();
    if (report.damaged)
        m_controller.setHint(QStringLiteral("The file was damaged: it was opened unnamed so that it stays as it "
                                            "is. Use Save As to keep what could be read."));
    fillViewNames();
    updateCaption();
    if (report.outcome == LoadOutcome::Missing)
        chooseAndLoad(); // let the user pick another file
}

void frmCDMLIST::fileClose()
{
    if (m_ctx.ws.entries.DBChanged) {
        const MsgAnswer a = m_ctx.ws.messages.show(
            QStringLiteral("Current file has not been saved - do you want to save before closing?"),
            NotSavedTitle, MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second);
        if (a == MsgAnswer::Yes) {
            fileSaveAs();
            return;
        }
    }
    emptyCollection();
}

bool frmCDMLIST::fileSave()
{
    // The file this window has open: LastFileName is shared by every running copy.
    const QString path = m_ctx.ws.currentFileName;
    if (path.trimmed().isEmpty())
        return fileSaveAs();
    return saveTo(path);
}

bool frmCDMLIST::fileSaveAs()
{
    for (;;) {
        const auto chosen = m_ctx.dialogs.saveFile(
            this, collectionDialog(QStringLiteral("Save Vinaxo File"), m_ctx.ws.currentFileName));
        if (!chosen)
            return false;
        const QString path = CollectionSaveAsPath(*chosen);
        if (ConfirmReplace(m_ctx.ws.messages, path))
            return saveTo(path);
    }
}

bool frmCDMLIST::saveTo(const QString& path)
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    FileCommandOptions options;
    options.busy = &m_ctx.busy;
    const bool saved = SaveCollectionFile(ws, path, options);
    if (saved) {
        // Named only once the file is there.
        ws.currentFileName = path;
        ws.config.setLastFileName(path);
        m_recent.add(path);
    }
    updateCaption();
    return saved;
}

void frmCDMLIST::toolbarSave()
{
    if (m_controller.toolbarSaveIsSaveAs())
        fileSaveAs();
    else
        fileSave();
}

bool frmCDMLIST::canShutDown()
{
    if (!askLoseChanges())
        return false;
    if (m_ctx.exchange.definitionChanged && m_ctx.exchange.table.Count() > 0
        && m_ctx.ws.messages.show(
               QStringLiteral("Report definition has not been saved - do you want to continue and lose all changes?"),
               QStringLiteral("Report Def Not Saved"), MsgIcon::Question, MsgButtons::YesNo,
               MsgDefault::Second)
               != MsgAnswer::Yes)
        return false;
    return true;
}

void frmCDMLIST::closeEvent(QCloseEvent* event)
{
    // Edits still open in the editor are stored first (a rejected value keeps it open),
    // so that the unsaved-change question knows about them.
    if (m_editor && m_editor->isVisible() && !m_editor->SaveChanges()) {
        event->ignore();
        return;
    }
    if (!canShutDown()) {
        event->ignore();
        return;
    }
    m_ctx.ws.config.setExtraValue(WindowsSection, QStringLiteral("Main"), saveGeometry());
    // Every other window goes with the main window.
    if (m_search)
        m_search->close();
    if (m_editor)
        m_editor->hide();
    event->accept();
}

// ---- Other commands -----------------------------------------------------------------

QString frmCDMLIST::selectedKey() const
{
    const QModelIndexList rows = ui->lvEntryList->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : m_model.keyAt(rows.constFirst().row());
}

void frmCDMLIST::editSelection()
{
    const QString key = selectedKey();
    if (!key.isEmpty() && !m_ctx.ws.entries.LocateEntryByKey(key))
        return;
    if (!m_editor)
        m_editor = std::make_unique<frmEntryDetail>(m_ctx, this);
    m_editor->showEditor();
}

void frmCDMLIST::search()
{
    if (!m_search)
        m_search = std::make_unique<frmCDSearch>(m_ctx, nullptr);
    m_search->show();
    m_search->raise();
    m_search->activateWindow();
}

void frmCDMLIST::quickAdd() { showLookup(this, false); }

void frmCDMLIST::calculator()
{
    const QString key = selectedKey();
    if (key.isEmpty()) {
        m_ctx.ws.messages.show(QStringLiteral("A Recording must be selected before choosing this option"),
                               QStringLiteral("Selection Required"), MsgIcon::Exclamation, MsgButtons::OK);
        return;
    }
    if (!m_ctx.ws.entries.LocateEntryByKey(key))
        return;
    if (m_ctx.ws.entries.CurrEntry()->CDNbrTracks < 1) {
        m_ctx.ws.messages.show(QStringLiteral("No tracks available for the calculator.  You must first enter "
                                              "track detail for this entry."),
                               QStringLiteral("No Tracks Available"), MsgIcon::Information, MsgButtons::OK);
        return;
    }
    frmCDCalc calc(m_ctx, this);
    calc.exec();
}

void frmCDMLIST::print()
{
    m_controller.rebuildSequence();
    frmCDPRINT dialog(m_ctx, this);
    dialog.exec();
}

void frmCDMLIST::importExport()
{
    m_controller.rebuildSequence();
    frmCDIMPDES dialog(m_ctx, this);
    dialog.exec();
}

void frmCDMLIST::configureView()
{
    {
        frmConfigureView dialog(m_ctx, this);
        dialog.exec();
    }
    fillViewNames();
    m_controller.rebuildList();
}

void frmCDMLIST::configureCategories() { showCategoryList(this); }
void frmCDMLIST::configureMediums() { showMediumList(this); }

void frmCDMLIST::helpContents()
{
    const QString help = AppFiles::helpDocumentPath();
    if (help.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        m_ctx.ws.messages.show(QStringLiteral("The help document could not be opened."),
                               QStringLiteral("Help"), MsgIcon::Exclamation, MsgButtons::OK);
}

void frmCDMLIST::openExample()
{
    const QString example = AppFiles::exampleCollectionPath();
    if (example.isEmpty()) {
        m_ctx.ws.messages.show(QStringLiteral("The example collection is not installed."),
                               QStringLiteral("File Not Found"), MsgIcon::Critical, MsgButtons::OK);
        return;
    }
    if (!askLoseChanges())
        return;
    loadFile(example);
    // A copy to play with: Save asks for a name of the user's own.
    if (m_ctx.ws.currentFileName == example) {
        m_ctx.ws.currentFileName.clear();
        m_recent.remove(example);
        updateCaption();
    }
}

void frmCDMLIST::about() { frmAbout::showAbout(this); }

void frmCDMLIST::filterClicked()
{
    m_controller.setFilterDown(ui->Filter->isChecked());
    m_controller.filterRoutine();
}

void frmCDMLIST::resetEditor()
{
    // The editor starts afresh (hidden) on the emptied collection.
    m_editor.reset();
    m_editor = std::make_unique<frmEntryDetail>(m_ctx, this);
}

// ---- IWindows -----------------------------------------------------------------------

void frmCDMLIST::EntryChanged(qint32 action, const QString& key)
{
    m_controller.EntryChanged(action, key);
}

void frmCDMLIST::showCategoryList(QWidget* parent)
{
    frmCategoryList dialog(m_ctx, parent);
    dialog.exec();
}

void frmCDMLIST::showMediumList(QWidget* parent)
{
    frmMediumList dialog(m_ctx, parent);
    dialog.exec();
}
void frmCDMLIST::showLookup(QWidget* parent, bool databaseAction)
{
    frmCDDBAccess lookup(m_ctx, parent);
    // The site list shipped with an installed program lives with its other data.
    CCDInfo::SiteListFiles sites = CCDInfo::defaultSiteListFiles();
    if (const QString shipped = AppFiles::siteListPath(); !shipped.isEmpty())
        sites.shipped = shipped;
    lookup.setSiteListFiles(sites);
    lookup.setDatabaseAction(databaseAction);
    lookup.exec();
}

void frmCDMLIST::showStatus(const QString& text) { m_controller.setHint(text); }

void frmCDMLIST::requestActivationCheck()
{
    QTimer::singleShot(0, this, [this] { m_controller.activated(); });
}

// ---- The list and its state ---------------------------------------------------------

void frmCDMLIST::fillViewNames()
{
    ui->cmbViewName->clear();
    ui->cmbViewName->addItems(ViewNameList(m_ctx.ws.entries));
    if (const CView* view = m_ctx.ws.entries.CurrView())
        ui->cmbViewName->setCurrentText(view->ViewName);
}

void frmCDMLIST::refreshStatus()
{
    m_panel1->setText(m_controller.hint());
    m_panel2->setText(m_controller.count());
    ui->Filter->setChecked(m_controller.filterDown());
}

void frmCDMLIST::updateCaption()
{
    setWindowTitle(m_controller.caption(m_fileCommandDone));
    ui->MU_File_Save->setEnabled(m_controller.saveEnabled());
}

void frmCDMLIST::applyColumnWidths()
{
    // 2500 twips a column unless the user has made it wider or narrower.
    const int standard = 2500 * logicalDpiX() / 1440;
    m_applyingWidths = true;
    QHeaderView* header = ui->lvEntryList->header();
    for (int c = 0; c < m_model.columnCount(); ++c) {
        const QString heading = m_model.headerData(c, Qt::Horizontal).toString();
        header->resizeSection(c, m_ctx.ws.config.extraValue(ColumnsSection, heading, standard).toInt());
    }
    header->setSortIndicator(m_model.sortColumn(),
                             m_model.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_applyingWidths = false;
}

void frmCDMLIST::fillRecentMenu()
{
    QMenu* menu = ui->MU_File_Recent;
    menu->clear();
    const QStringList files = m_recent.list();
    int n = 0;
    for (const QString& f : files) {
        ++n;
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(f)));
        connect(a, &QAction::triggered, this, [this, f] { openFile(f); });
    }
    menu->setEnabled(true);
    if (files.isEmpty())
        menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

// ---- Events -------------------------------------------------------------------------

bool frmCDMLIST::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        m_controller.activated();
    return QMainWindow::event(e);
}

bool frmCDMLIST::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ui->centralWidget) {
        if (e->type() == QEvent::MouseMove)
            m_controller.setHint(m_controller.backgroundHint());
        else if (e->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            ui->MU_File->popup(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmCDMLIST::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls() && !e->mimeData()->urls().isEmpty()
        && e->mimeData()->urls().constFirst().isLocalFile())
        e->acceptProposedAction();
}

void frmCDMLIST::dropEvent(QDropEvent* e)
{
    const QString path = e->mimeData()->urls().constFirst().toLocalFile();
    e->acceptProposedAction();
    // Not inside the drop: the load window and the questions need the event loop.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

} // namespace vinaxo
