#include "ui/main/MainFileCommands.h"

#include "exchange/ExchangeState.h"
#include "lookup/CoverStore.h"
#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "storage/FileCommands.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/main/MainController.h"
#include "ui/main/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace vinaxo {

namespace {
const QString NotSavedTitle = QStringLiteral("File Not Saved");

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

MainFileCommands::MainFileCommands(AppContext& ctx, MainController& controller, RecentFiles& recent)
    : m_ctx(ctx), m_controller(controller), m_recent(recent)
{
}

void MainFileCommands::tell(const std::function<void()>& hook) const
{
    if (hook)
        hook();
}

void MainFileCommands::initialise()
{
    Workspace& ws = m_ctx.ws;
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
    tell(hooks.viewsChanged);
    ws.entries.DBChanged = false;
    ws.currentFileName.clear(); // named once a file has loaded
    m_controller.filterRoutine();
    tell(hooks.captionChanged);
}

void MainFileCommands::startUp(const QString& fileArgument)
{
    if (!fileArgument.isEmpty()) {
        load(fileArgument);
        return;
    }
    const CDConfig& config = m_ctx.ws.config;
    if (config.LoadLastFile() && !config.LastFileName().trimmed().isEmpty()) {
        load(config.LastFileName());
        if (m_ctx.ws.entries.Count() == 0) {
            m_ctx.ws.currentFileName.clear();
            tell(hooks.captionChanged);
        }
    }
}

bool MainFileCommands::askLoseChanges()
{
    if (!m_ctx.ws.entries.DBChanged)
        return true;
    return m_ctx.ws.messages.show(
               QStringLiteral("Current file has not been saved - do you want to continue and lose all changes?"),
               NotSavedTitle, MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second)
           == MsgAnswer::Yes;
}

void MainFileCommands::newFile()
{
    if (askLoseChanges())
        emptyCollection();
}

void MainFileCommands::emptyCollection()
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    m_controller.clearList();
    ws.entries.ClearDatabase();
    ws.entries.DBChanged = false;
    EnsureStandardView(ws.entries);
    m_controller.rebuildSequence();
    ws.currentFileName.clear();
    tell(hooks.editorReset);
    tell(hooks.viewsChanged);
    // A search of the old collection means nothing in the new one.
    m_controller.clearSearchFilter();
    m_controller.filterRoutine();
    tell(hooks.captionChanged);
    tell(hooks.collectionReplaced);
}

void MainFileCommands::open()
{
    if (askLoseChanges())
        chooseAndLoad();
}

bool MainFileCommands::chooseAndLoad()
{
    const auto path = m_ctx.dialogs.openFile(
        dialogParent, collectionDialog(QStringLiteral("Open Vinaxo File"), m_ctx.ws.currentFileName));
    if (!path)
        return false;
    load(*path);
    return true;
}

void MainFileCommands::openFile(const QString& path)
{
    if (askLoseChanges())
        load(path);
}

void MainFileCommands::load(const QString& path)
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
        std::unique_ptr<IProgress> progress;
        if (exists && hooks.loadProgress)
            progress = hooks.loadProgress(path);
        FileCommandOptions options;
        options.busy = &m_ctx.busy;
        options.progress = progress.get();
        report = LoadCollectionFile(ws, path, options);
    }
    if (report.loaded()) {
        m_controller.clearSearchFilter();
        if (!report.damaged)
            m_recent.add(path);
    }
    // Also after a failed load: the collection is as it was and gets its list back.
    m_controller.filterRoutine();
    if (report.damaged)
        m_controller.setHint(QStringLiteral("The file was damaged: it was opened unnamed so that it stays as it "
                                            "is. Use Save As to keep what could be read."));
    tell(hooks.viewsChanged);
    tell(hooks.captionChanged);
    if (report.loaded())
        tell(hooks.collectionReplaced);
    if (report.outcome == LoadOutcome::Missing)
        chooseAndLoad(); // let the user pick another file
}

void MainFileCommands::openExample(const QString& examplePath)
{
    if (examplePath.isEmpty()) {
        m_ctx.ws.messages.show(QStringLiteral("The example collection is not installed."),
                               QStringLiteral("File Not Found"), MsgIcon::Critical, MsgButtons::OK);
        return;
    }
    if (!askLoseChanges())
        return;
    load(examplePath);
    // A copy to play with: Save asks for a name of the user's own.
    if (m_ctx.ws.currentFileName == examplePath) {
        m_ctx.ws.currentFileName.clear();
        m_recent.remove(examplePath);
        tell(hooks.captionChanged);
    }
}

void MainFileCommands::close()
{
    if (m_ctx.ws.entries.DBChanged) {
        const MsgAnswer a = m_ctx.ws.messages.show(
            QStringLiteral("Current file has not been saved - do you want to save before closing?"),
            NotSavedTitle, MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second);
        if (a == MsgAnswer::Yes) {
            saveAs();
            return;
        }
    }
    emptyCollection();
}

bool MainFileCommands::save()
{
    // The file this window has open: LastFileName is shared by every running copy.
    const QString path = m_ctx.ws.currentFileName;
    if (path.trimmed().isEmpty())
        return saveAs();
    return saveTo(path);
}

bool MainFileCommands::saveAs()
{
    for (;;) {
        const auto chosen = m_ctx.dialogs.saveFile(
            dialogParent, collectionDialog(QStringLiteral("Save Vinaxo File"), m_ctx.ws.currentFileName));
        if (!chosen)
            return false;
        const QString path = CollectionSaveAsPath(*chosen);
        if (ConfirmReplace(m_ctx.ws.messages, path))
            return saveTo(path);
    }
}

bool MainFileCommands::saveTo(const QString& path)
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    FileCommandOptions options;
    options.busy = &m_ctx.busy;
    const bool saved = SaveCollectionFile(ws, path, options);
    if (saved) {
        SaveCovers(ws.currentFileName, path, [&ws](const QString& key) { return ws.entries.Entries().contains(key); });
        // Named only once the file is there.
        ws.currentFileName = path;
        ws.config.setLastFileName(path);
        m_recent.add(path);
    }
    tell(hooks.captionChanged);
    return saved;
}

void MainFileCommands::toolbarSave()
{
    if (m_controller.toolbarSaveIsSaveAs())
        saveAs();
    else
        save();
}

bool MainFileCommands::canShutDown()
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

} // namespace vinaxo
