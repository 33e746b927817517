#include "ui/main/frmCDMLIST.h"
#include "ui_frmCDMLIST.h"

#include "exchange/ExchangeState.h"
#include "model/DuplicateIndex.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "ui/common/AppContext.h"
#include "ui/common/ElidingLabel.h"
#include "ui/common/WindowGeometry.h"
#include "model/Utility.h"
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
#include "ui/stats/frmStatistics.h"
#include "ui/views/frmConfigureView.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QActionGroup>
#include <QSessionManager>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

namespace vinaxo {

namespace {
const QString WindowsSection = QStringLiteral("Windows");
const QString ColumnsSection = QStringLiteral("MainListColumns");

// The statistics window: one, modeless, kept (hidden) when closed so that it reopens
// as it was left; it counts again on showing when the collection has changed.
void statistics(QWidget* owner, AppContext& ctx)
{
    auto* window = owner->findChild<frmStatistics*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new frmStatistics(ctx, owner);
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

frmCDMLIST::frmCDMLIST(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmCDMLIST>()),
      m_controller(ctx.ws, m_model, ctx.busy), m_recent(ctx.ws.config),
      m_files(ctx, m_controller, m_recent), m_history(ctx.ws), m_quick(ctx.ws.entries)
{
    ui->setupUi(this);
    m_ctx.windows = this;
    m_ctx.ws.history = &m_history;
    setUpStatusBar();
    setUpList();
    connectCommands();
    setUpFileCommands();
    setUpQuickFilter();
    setUpHistory();
    setUpDuplicateOptions();

    m_files.initialise();
    const CDConfig& config = m_ctx.ws.config;
    ui->MU_Options_LoadLastFile->setChecked(config.LoadLastFile());
    ui->MU_Options_DefaultCats->setChecked(config.LoadDefaultCats());
    ui->MU_Options_DefaultMediums->setChecked(config.LoadDefaultMediums());
    ui->MU_Options_TotalTrackTime->setChecked(config.TotalTrackTime());
    restoreWindowGeometry();
}

void frmCDMLIST::setUpStatusBar()
{
    // A long search text is elided: it must never widen the window.
    m_panel1 = new ElidingLabel(this);
    m_panel1->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("StatusPanel2"));
    m_panel2->setMinimumWidth(
        fontMetrics().horizontalAdvance(MainController::CountText(0).replace(u'0', QStringLiteral("000000")) + u' '));
    ui->StatusBar1->addWidget(m_panel1, 1);
    ui->StatusBar1->addPermanentWidget(m_panel2);
    m_controller.changed = [this] { refreshStatus(); };
    // Painted at once, without running pending events.
    m_controller.paintNow = [this] { ui->StatusBar1->repaint(); };
}

void frmCDMLIST::setUpList()
{
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
    // A drag resizes a column pixel by pixel: the widths are stored once it ends (or
    // when the window closes), not at every step.
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (m_applyingWidths || section >= m_model.columnCount())
            return;
        m_pendingWidths.insert(m_model.headerData(section, Qt::Horizontal).toString(), size);
        if (!QApplication::mouseButtons())
            storeColumnWidths();
    });
    header->viewport()->installEventFilter(this);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &frmCDMLIST::applyColumnWidths);
    connect(ui->lvEntryList, &QAbstractItemView::doubleClicked, this, &frmCDMLIST::editSelection);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), ui->lvEntryList, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &frmCDMLIST::editSelection);
    }
    // The current recording keeps its place across every rebuild of the list.
    m_controller.currentKey = [this] {
        const QModelIndex current = ui->lvEntryList->currentIndex();
        return current.isValid() ? m_model.keyAt(current.row()) : QString();
    };
    m_controller.showRow = [this](int row) { showRow(row); };
    // textActivated comes from the user's choice only, never from refilling the list, so
    // loading a file does not rebuild the list through it.
    connect(ui->cmbViewName, &QComboBox::textActivated, this,
            [this](const QString& name) { m_controller.chooseView(name); });
    ui->centralWidget->setMouseTracking(true);
    ui->centralWidget->installEventFilter(this);
}

void frmCDMLIST::connectCommands()
{
    connect(ui->MU_File_New, &QAction::triggered, this, [this] { m_files.newFile(); });
    connect(ui->MU_File_Open, &QAction::triggered, this, [this] { m_files.open(); });
    connect(ui->MU_File_Close, &QAction::triggered, this, [this] { m_files.close(); });
    connect(ui->MU_File_Save, &QAction::triggered, this, [this] { m_files.save(); });
    connect(ui->MU_File_SaveAs, &QAction::triggered, this, [this] { m_files.saveAs(); });
    connect(ui->MU_File_Print_Report_Design, &QAction::triggered, this, &frmCDMLIST::configureView);
    connect(ui->MU_File_Print, &QAction::triggered, this, &frmCDMLIST::print);
    connect(ui->MU_File_Import_Export, &QAction::triggered, this, &frmCDMLIST::importExport);
    connect(ui->MU_File_Exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->MU_Edit_Selection, &QAction::triggered, this, &frmCDMLIST::editSelection);
    connect(ui->MU_Search_Search, &QAction::triggered, this, &frmCDMLIST::search);
    connect(ui->MU_Search_Filter, &QAction::triggered, this, &frmCDMLIST::filterClicked);
    connect(ui->MU_Edit_Quick_Add, &QAction::triggered, this, &frmCDMLIST::quickAdd);
    connect(ui->MU_Edit_Calc, &QAction::triggered, this, &frmCDMLIST::calculator);
    connect(ui->MU_Options_ConfigureView, &QAction::triggered, this, &frmCDMLIST::configureView);
    connect(ui->cmdConfigureView, &QToolButton::clicked, this, &frmCDMLIST::configureView);
    connect(ui->MU_Options_ConfigureCategories, &QAction::triggered, this, &frmCDMLIST::configureCategories);
    connect(ui->MU_Options_ConfigureMediums, &QAction::triggered, this, &frmCDMLIST::configureMediums);
    connect(ui->MU_Options_Statistics, &QAction::triggered, this, [this] { statistics(this, m_ctx); });
    connect(ui->MU_Options_LoadLastFile, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadLastFile(on); });
    connect(ui->MU_Options_DefaultCats, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadDefaultCats(on); });
    connect(ui->MU_Options_DefaultMediums, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setLoadDefaultMediums(on); });
    connect(ui->MU_Options_TotalTrackTime, &QAction::toggled, this,
            [this](bool on) { m_ctx.ws.config.setTotalTrackTime(on); });
    connect(ui->MU_Help_Contents, &QAction::triggered, this, &frmCDMLIST::helpContents);
    connect(ui->MU_Help_Example, &QAction::triggered, this,
            [this] { m_files.openExample(AppFiles::exampleCollectionPath()); });
    connect(ui->MU_Help_About, &QAction::triggered, this, &frmCDMLIST::about);
    connect(ui->MU_File_Recent, &QMenu::aboutToShow, this, &frmCDMLIST::fillRecentMenu);

    // Toolbar
    connect(ui->Open, &QAction::triggered, this, [this] { m_files.open(); });
    connect(ui->Save, &QAction::triggered, this, [this] { m_files.toolbarSave(); });
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
}

void frmCDMLIST::setUpFileCommands()
{
    m_files.dialogParent = this;
    m_files.hooks.viewsChanged = [this] { fillViewNames(); };
    m_files.hooks.captionChanged = [this] { updateCaption(); };
    m_files.hooks.editorReset = [this] { resetEditor(); };
    // A collection just opened or emptied: the arrow keys move in the list at once.
    m_files.hooks.collectionReplaced = [this] {
        ui->lvEntryList->setFocus(Qt::OtherFocusReason);
        // Each collection keeps its own quick filter text for the session.
        const QSignalBlocker quiet(ui->edtQuickFilter);
        ui->edtQuickFilter->setText(m_quickTexts.value(m_ctx.ws.currentFileName));
        restartQuickFilter();
    };
    m_files.hooks.loadProgress = [this](const QString& path) -> std::unique_ptr<IProgress> {
        auto loading = std::make_unique<frmCDLoad>(this);
        loading->start(path);
        return loading;
    };
}

void frmCDMLIST::setUpQuickFilter()
{
    m_quickPause.setSingleShot(true);
    m_quickPause.setInterval(150);
    connect(&m_quickPause, &QTimer::timeout, this, &frmCDMLIST::restartQuickFilter);
    connect(ui->edtQuickFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_quickTexts.insert(m_ctx.ws.currentFileName, text);
        m_quickPause.start();
    });
    m_quick.done = [this](std::shared_ptr<const QSet<QString>> keys) {
        m_controller.applyQuickFilter(std::move(keys));
    };
    m_controller.dataChanged = [this] {
        m_quick.collectionChanged();
        if (!ui->edtQuickFilter->text().trimmed().isEmpty())
            m_quickPause.start();
    };
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(find, &QShortcut::activated, this, [this] {
        ui->edtQuickFilter->setFocus(Qt::ShortcutFocusReason);
        ui->edtQuickFilter->selectAll();
    });
    // Esc (clears, back to the list) and Down (to the list) are seen in eventFilter.
    ui->edtQuickFilter->installEventFilter(this);
}

void frmCDMLIST::restartQuickFilter()
{
    m_quickPause.stop();
    m_quick.start(ui->edtQuickFilter->text());
}

void frmCDMLIST::setUpHistory()
{
    ui->MU_Edit_Undo->setShortcuts(QKeySequence::Undo);
    ui->MU_Edit_Redo->setShortcuts(QKeySequence::Redo);
    QUndoStack& stack = m_history.stack();
    connect(ui->MU_Edit_Undo, &QAction::triggered, this, [this] {
        updateHistoryActions();
        if (ui->MU_Edit_Undo->isEnabled())
            m_history.stack().undo();
    });
    connect(ui->MU_Edit_Redo, &QAction::triggered, this, [this] {
        updateHistoryActions();
        if (ui->MU_Edit_Redo->isEnabled())
            m_history.stack().redo();
    });
    connect(&stack, &QUndoStack::indexChanged, this, &frmCDMLIST::updateHistoryActions);
    connect(&stack, &QUndoStack::cleanChanged, this, &frmCDMLIST::updateHistoryActions);
    connect(ui->MU_Edit, &QMenu::aboutToShow, this, &frmCDMLIST::updateHistoryActions);
    // The list is rebuilt and keeps its place, or shows the recording brought back.
    m_history.applied = [this](const QString& key) {
        m_controller.showKey(key);
        updateCaption();
    };
    updateHistoryActions();
}

void frmCDMLIST::updateHistoryActions()
{
    // An open editor shows a recording that a step could change under it.
    const bool editing = m_editor && m_editor->isVisible();
    const QUndoStack& stack = m_history.stack();
    auto caption = [](const QString& verb, const QString& step) {
        QString text = step;
        return step.isEmpty()
            ? verb
            : tr("%1 %2", "undo or redo and the step's name").arg(verb, text.replace(u'&', QStringLiteral("&&")));
    };
    ui->MU_Edit_Undo->setEnabled(stack.canUndo() && !editing);
    ui->MU_Edit_Undo->setText(caption(tr("&Undo"), stack.canUndo() ? stack.undoText() : QString()));
    ui->MU_Edit_Redo->setEnabled(stack.canRedo() && !editing);
    ui->MU_Edit_Redo->setText(caption(tr("&Redo"), stack.canRedo() ? stack.redoText() : QString()));
}

void frmCDMLIST::watchEditor()
{
    if (m_editor)
        m_editor->installEventFilter(this);
    updateHistoryActions();
}

void frmCDMLIST::setUpDuplicateOptions()
{
    const int fields = m_ctx.ws.duplicates.fields();
    ui->MU_Options_DuplicateMedium->setChecked(fields & DuplicateField::Medium);
    ui->MU_Options_DuplicateCatNbr->setChecked(fields & DuplicateField::CatalogNumber);
    auto choose = [this] {
        const int chosen = (ui->MU_Options_DuplicateMedium->isChecked() ? DuplicateField::Medium : 0)
                           | (ui->MU_Options_DuplicateCatNbr->isChecked() ? DuplicateField::CatalogNumber : 0);
        m_ctx.ws.duplicates.setFields(chosen);
        m_ctx.ws.config.setExtraValue(Workspace::DuplicateSection, Workspace::DuplicateFieldsKey,
                                      DuplicateIndex::FieldsText(chosen));
    };
    connect(ui->MU_Options_DuplicateMedium, &QAction::toggled, this, choose);
    connect(ui->MU_Options_DuplicateCatNbr, &QAction::toggled, this, choose);
}

void frmCDMLIST::restoreWindowGeometry()
{
    const QByteArray geometry =
        m_ctx.ws.config.extraValue(WindowsSection, QStringLiteral("Main")).toByteArray();
    if (!geometry.isEmpty())
        RestoreWindowGeometry(*this, geometry); // not when it no longer fits the screen
}

frmCDMLIST::~frmCDMLIST()
{
    m_files.recovery = nullptr;
    m_search.reset();
    m_editor.reset();
    if (m_ctx.windows == this)
        m_ctx.windows = nullptr;
    if (m_ctx.ws.history == &m_history)
        m_ctx.ws.history = nullptr;
}

void frmCDMLIST::startUp(const QString& fileArgument, bool splash)
{
    if (splash)
        frmAbout::showSplash(this);
    m_files.startUp(fileArgument);
}

void frmCDMLIST::openFile(const QString& path) { m_files.openFile(path); }

void frmCDMLIST::closeEvent(QCloseEvent* event)
{
    // Edits still open in the editor are stored first (a rejected value keeps it open),
    // so that the unsaved-change question knows about them.
    if (m_editor && m_editor->isVisible() && !m_editor->SaveChanges()) {
        event->ignore();
        return;
    }
    if (!m_files.canShutDown()) {
        event->ignore();
        return;
    }
    storeColumnWidths();
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
    if (!m_editor) {
        m_editor = std::make_unique<frmEntryDetail>(m_ctx, this);
        watchEditor();
    }
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
        m_ctx.ws.messages.show(tr("A Recording must be selected before choosing this option"),
                               tr("Selection Required"), MsgIcon::Exclamation, MsgButtons::OK);
        return;
    }
    if (!m_ctx.ws.entries.LocateEntryByKey(key))
        return;
    if (m_ctx.ws.entries.CurrEntry()->CDNbrTracks < 1) {
        m_ctx.ws.messages.show(tr("No tracks available for the calculator.  You must first enter "
                                  "track detail for this entry."),
                               tr("No Tracks Available"), MsgIcon::Information, MsgButtons::OK);
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
        m_ctx.ws.messages.show(tr("The help document could not be opened."), tr("Help"), MsgIcon::Exclamation,
                               MsgButtons::OK);
}

void frmCDMLIST::about() { frmAbout::showAbout(this); }

void frmCDMLIST::filterClicked()
{
    // The toolbar button and the menu item are one switch.
    m_controller.setFilterDown(!m_controller.filterDown());
    m_controller.filterRoutine();
}

void frmCDMLIST::resetEditor()
{
    // The editor starts afresh (hidden) on the emptied collection.
    m_editor.reset();
    m_editor = std::make_unique<frmEntryDetail>(m_ctx, this);
    watchEditor();
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

void frmCDMLIST::selectRecording(const QString& key)
{
    if (!m_ctx.ws.entries.LocateEntryByKey(key))
        return;
    if (m_model.rowOfKey(key) < 0) {
        // Hidden by a filter: every recording is listed again.
        {
            const QSignalBlocker quiet(ui->edtQuickFilter);
            ui->edtQuickFilter->clear();
        }
        m_quickTexts.insert(m_ctx.ws.currentFileName, QString());
        restartQuickFilter();
        m_controller.clearSearchFilter();
    }
    m_controller.showKey(key);
}

void frmCDMLIST::requestActivationCheck()
{
    QTimer::singleShot(0, this, [this] { m_controller.activated(); });
}

// ---- The list and its state ---------------------------------------------------------

void frmCDMLIST::showRow(int row)
{
    QTreeView* list = ui->lvEntryList;
    if (row < 0 || row >= m_model.rowCount()) {
        list->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model.index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

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
    ui->MU_Search_Filter->setChecked(m_controller.filterDown());
}

void frmCDMLIST::updateCaption()
{
    setWindowTitle(m_controller.caption(m_files.fileCommandDone()) + readOnlyMark());
    ui->MU_File_Save->setEnabled(m_controller.saveEnabled() && !m_files.readOnly());
}

void frmCDMLIST::applyColumnWidths()
{
    // 2500 twips a column unless the user has made it wider or narrower.
    const int standard = 2500 * logicalDpiX() / 1440;
    m_applyingWidths = true;
    QHeaderView* header = ui->lvEntryList->header();
    for (int c = 0; c < m_model.columnCount(); ++c) {
        const QString heading = m_model.headerData(c, Qt::Horizontal).toString();
        const int width = m_pendingWidths.contains(heading)
                              ? m_pendingWidths.value(heading)
                              : m_ctx.ws.config.extraValue(ColumnsSection, heading, standard).toInt();
        header->resizeSection(c, width);
    }
    header->setSortIndicator(m_model.sortColumn(),
                             m_model.descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_applyingWidths = false;
}

void frmCDMLIST::storeColumnWidths()
{
    for (auto it = m_pendingWidths.cbegin(); it != m_pendingWidths.cend(); ++it)
        m_ctx.ws.config.setExtraValue(ColumnsSection, it.key(), it.value());
    m_pendingWidths.clear();
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
        menu->addAction(tr("(none)"))->setEnabled(false);
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
    if (m_editor && watched == m_editor.get() && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        updateHistoryActions();
    if (watched == ui->edtQuickFilter && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Escape) {
            ui->edtQuickFilter->clear();
            restartQuickFilter();
        }
        if (key == Qt::Key_Escape || key == Qt::Key_Down) {
            ui->lvEntryList->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    if (watched == ui->lvEntryList->header()->viewport() && e->type() == QEvent::MouseButtonRelease)
        storeColumnWidths();
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

// ---- Recovery copies, read-only mode ----------------------------------------------

namespace {
const QString RecoverySection = QStringLiteral("Recovery");
const QString RecoveryIntervalKey = QStringLiteral("IntervalSeconds");
} // namespace

void frmCDMLIST::enableRecovery(RecoveryStore& store, std::chrono::milliseconds interval)
{
    m_recovery = std::make_unique<RecoveryKeeper>(m_ctx.ws, store);
    m_files.recovery = m_recovery.get();
    const QVariant chosen = m_ctx.ws.config.extraValue(RecoverySection, RecoveryIntervalKey);
    if (chosen.isValid() && chosen.toInt() >= 0)
        interval = std::chrono::seconds(chosen.toInt());
    m_recovery->setInterval(interval);
    // A cheap look at the change flag; the copy itself is made once per interval.
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setInterval(interval.count() > 0 && interval < std::chrono::seconds(4) ? 100 : 1000);
    connect(m_recoveryTimer, &QTimer::timeout, this,
            [this] { m_recovery->tick(RecoveryKeeper::Clock::now()); });
    m_recoveryTimer->start();
    setUpRecoveryMenu();
}

void frmCDMLIST::setUpRecoveryMenu()
{
    QMenu* menu = new QMenu(tr("&Recovery Copy"), this);
    menu->setObjectName(QStringLiteral("MU_Options_Recovery"));
    auto* group = new QActionGroup(menu);
    const int current = int(std::chrono::duration_cast<std::chrono::seconds>(m_recovery->interval()).count());
    const std::pair<int, const char*> choices[]
        = {{0, QT_TRANSLATE_NOOP("vinaxo::frmCDMLIST", "&Off")},
           {30, QT_TRANSLATE_NOOP("vinaxo::frmCDMLIST", "Every &30 Seconds")},
           {60, QT_TRANSLATE_NOOP("vinaxo::frmCDMLIST", "Every &Minute")},
           {120, QT_TRANSLATE_NOOP("vinaxo::frmCDMLIST", "Every &2 Minutes")},
           {300, QT_TRANSLATE_NOOP("vinaxo::frmCDMLIST", "Every &5 Minutes")}};
    for (const auto& [seconds, caption] : choices) {
        QAction* a = menu->addAction(tr(caption));
        a->setObjectName(QStringLiteral("MU_Options_Recovery_%1").arg(seconds));
        a->setCheckable(true);
        a->setChecked(seconds == current);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, s = seconds] { chooseRecoveryInterval(s); });
    }
    ui->MU_Options->addSeparator();
    ui->MU_Options->addMenu(menu);
}

void frmCDMLIST::chooseRecoveryInterval(int seconds)
{
    m_ctx.ws.config.setExtraValue(RecoverySection, RecoveryIntervalKey, seconds);
    m_recovery->setInterval(std::chrono::seconds(seconds));
}

void frmCDMLIST::commitSessionData(QSessionManager& manager)
{
    if (!m_files.sessionEnding(manager.allowsInteraction()))
        manager.cancel();
    manager.release();
}

QString frmCDMLIST::readOnlyMark() const
{
    return m_files.readOnly() ? tr(" [read-only]") : QString();
}

} // namespace vinaxo
