#include "ui/main/MainFileCommands.h"

#include "exchange/ExchangeState.h"
#include "lookup/CoverStore.h"
#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"
#include "storage/CFileIO.h"
#include "storage/FileCommands.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/main/MainController.h"
#include "ui/main/RecentFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vinaxo {

namespace {
QString NotSavedTitle()
{
    return QCoreApplication::translate("MainFileCommands", "File Not Saved");
}

QString shownName(const QString& path) { return QDir::toNativeSeparators(path); }

FileDialogRequest collectionDialog(const QString& title, const QString& current)
{
    FileDialogRequest r;
    r.title = title;
    r.filters = {QCoreApplication::translate("MainFileCommands", "Data Files") + QStringLiteral(" (*.DAT)"),
                 QCoreApplication::translate("MainFileCommands", "All Files") + QStringLiteral(" (*)")};
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
    if (offerRecovery())
        return;
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
               QCoreApplication::translate(
                   "MainFileCommands",
                   "Current file has not been saved - do you want to continue and lose all changes?"),
               NotSavedTitle(), MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second)
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
    ws.pendingCovers.clear();
    EnsureStandardView(ws.entries);
    m_controller.rebuildSequence();
    ws.currentFileName.clear();
    m_lock.release();
    m_readOnly = false;
    m_stamp = {};
    changesGone();
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
    const auto path
        = m_ctx.dialogs.openFile(dialogParent,
                                 collectionDialog(QCoreApplication::translate("MainFileCommands", "Open Vinaxo File"),
                                                  m_ctx.ws.currentFileName));
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
    bool readOnly = false;
    const QString heldBefore = m_lock.collection();
    if (exists && !lockForLoading(path, readOnly))
        return;
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
        ws.pendingCovers.clear(); // they were the old collection's
        if (!report.damaged)
            m_recent.add(path);
        m_readOnly = readOnly;
        if (readOnly)
            m_lock.release();
        remember(path);
        changesGone();
        if (ws.entries.DBChanged && recovery) // a conversion: a copy from now on
            recovery->originalStamp = m_stamp;
    } else if (exists && !heldBefore.isEmpty()) {
        m_lock.lock(heldBefore); // the collection still open keeps its lock
    } else if (exists) {
        m_lock.release();
    }
    // Also after a failed load: the collection is as it was and gets its list back.
    m_controller.filterRoutine();
    if (report.damaged)
        m_controller.setHint(
            QCoreApplication::translate("MainFileCommands",
                                        "The file was damaged: it was opened unnamed so that it stays as it "
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
        m_ctx.ws.messages.show(
            QCoreApplication::translate("MainFileCommands", "The example collection is not installed."),
            QCoreApplication::translate("MainFileCommands", "File Not Found"), MsgIcon::Critical, MsgButtons::OK);
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
            QCoreApplication::translate("MainFileCommands",
                                        "Current file has not been saved - do you want to save before closing?"),
            NotSavedTitle(), MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second);
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
    if (path.trimmed().isEmpty() || m_readOnly)
        return saveAs();
    bool saveElsewhere = false;
    if (!confirmUnchangedOnDisk(path, saveElsewhere))
        return saveElsewhere && saveAs();
    return saveTo(path);
}

bool MainFileCommands::saveAs()
{
    for (;;) {
        const auto chosen = m_ctx.dialogs.saveFile(
            dialogParent,
            collectionDialog(QCoreApplication::translate("MainFileCommands", "Save Vinaxo File"),
                             m_ctx.ws.currentFileName));
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
    const QString heldBefore = m_lock.collection();
    if (!lockForSaving(path))
        return false;
    FileCommandOptions options;
    options.busy = &m_ctx.busy;
    const bool saved = SaveCollectionFile(ws, path, options);
    if (saved) {
        const int unplaced = SaveCovers(ws.currentFileName, path,
                                        [&ws](const QString& key) { return ws.entries.Entries().contains(key); },
                                        &ws.pendingCovers);
        // Named only once the file is there.
        ws.currentFileName = path;
        ws.config.setLastFileName(path);
        m_recent.add(path);
        m_readOnly = false;
        remember(path);
        changesGone();
        if (unplaced > 0) {
            // The pictures stay pending, and the collection counts as changed so that
            // closing asks and the recovery copy goes on, until a save places them.
            ws.entries.DBChanged = true;
            ws.messages.show(QCoreApplication::translate("MainFileCommands",
                                                         "The collection was saved, but some cover pictures could "
                                                         "not be written to %1. They are kept: save again once the "
                                                         "folder can be written.")
                                 .arg(QDir::toNativeSeparators(CoverStore::FolderFor(path))),
                             QCoreApplication::translate("MainFileCommands", "Cover Pictures Not Saved"),
                             MsgIcon::Exclamation, MsgButtons::OK);
        }
    } else if (m_lock.collection() != heldBefore) {
        // Not written: the file still open keeps its lock.
        if (heldBefore.isEmpty() || m_readOnly)
            m_lock.release();
        else
            m_lock.lock(heldBefore);
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
               QCoreApplication::translate(
                   "MainFileCommands",
                   "Report definition has not been saved - do you want to continue and lose all changes?"),
               QCoreApplication::translate("MainFileCommands", "Report Def Not Saved"), MsgIcon::Question,
               MsgButtons::YesNo, MsgDefault::Second)
            != MsgAnswer::Yes)
        return false;
    changesGone();
    return true;
}

bool MainFileCommands::sessionEnding(bool interactionAllowed)
{
    if (recovery)
        recovery->copyNow(true);
    return !interactionAllowed || canShutDown();
}

// ---- Lock, changed file, recovery --------------------------------------------------

bool MainFileCommands::lockForLoading(const QString& path, bool& readOnly)
{
    readOnly = false;
    if (m_lock.lock(path) != CollectionLock::Result::HeldByOther)
        return true; // taken, or a folder where nobody can take it
    const int answer = m_ctx.ws.messages.showCustom(
        QCoreApplication::translate(
            "MainFileCommands",
            "%1 is open in another Vinaxo (%2). Open it read-only? Its changes can then only be saved under "
            "another name.")
            .arg(shownName(path), CollectionLock::describe(m_lock.holder())),
        QCoreApplication::translate("MainFileCommands", "File In Use"), MsgIcon::Exclamation,
        {QCoreApplication::translate("MainFileCommands", "Open Read-Only"),
         QCoreApplication::translate("MainFileCommands", "Cancel")},
        1);
    if (answer != 0)
        return false;
    readOnly = true;
    return true;
}

bool MainFileCommands::lockForSaving(const QString& path)
{
    if (m_lock.held() && QFileInfo(path).absoluteFilePath() == m_lock.collection())
        return true;
    const QString heldBefore = m_lock.collection();
    if (m_lock.lock(path) != CollectionLock::Result::HeldByOther)
        return true;
    const CollectionLock::Holder holder = m_lock.holder();
    if (!heldBefore.isEmpty())
        m_lock.lock(heldBefore);
    m_ctx.ws.messages.show(
        QCoreApplication::translate(
            "MainFileCommands", "%1 is open in another Vinaxo (%2). It cannot be replaced; save under another name.")
            .arg(shownName(path), CollectionLock::describe(holder)),
        QCoreApplication::translate("MainFileCommands", "File In Use"), MsgIcon::Exclamation, MsgButtons::OK);
    return false;
}

bool MainFileCommands::confirmUnchangedOnDisk(const QString& path, bool& saveElsewhere)
{
    saveElsewhere = false;
    // A collection never loaded from or saved to this file (recovered, converted) has
    // no stamp to compare with; the copy's record gives it one when it has.
    if (FileStamp::of(path).sameAs(m_stamp) || (!m_stamp.exists && !FileStamp::of(path).exists))
        return true;
    const int answer = m_ctx.ws.messages.showCustom(
        QCoreApplication::translate(
            "MainFileCommands",
            "%1 was changed on disk since it was opened. Overwrite it, save under another name, or cancel?")
            .arg(shownName(path)),
        QCoreApplication::translate("MainFileCommands", "File Changed"), MsgIcon::Exclamation,
        {QCoreApplication::translate("MainFileCommands", "Overwrite"),
         QCoreApplication::translate("MainFileCommands", "Save As"),
         QCoreApplication::translate("MainFileCommands", "Cancel")},
        2);
    if (answer == 0)
        return true;
    saveElsewhere = answer == 1;
    return false;
}

void MainFileCommands::remember(const QString& path)
{
    m_stamp = FileStamp::of(path);
}

void MainFileCommands::changesGone()
{
    if (!recovery)
        return;
    recovery->discard();
    recovery->originalStamp = m_stamp;
}

bool MainFileCommands::offerRecovery()
{
    if (!recovery)
        return false;
    RecoveryStore& store = recovery->store();
    for (const RecoveryCopy& copy : store.list()) {
        if (copy.inUse)
            continue;
        std::unique_ptr<QLockFile> claim = store.claim(copy.id);
        if (!claim)
            continue; // its program started meanwhile
        if (!copy.readable()) {
            m_ctx.ws.messages.show(QCoreApplication::translate(
                                       "MainFileCommands", "A recovery copy cannot be read (%1). It is kept as %2.")
                                       .arg(copy.problem, shownName(copy.dataPath)),
                                   QCoreApplication::translate("MainFileCommands", "Recovery Copy Damaged"),
                                   MsgIcon::Exclamation, MsgButtons::OK);
            continue;
        }
        const QString original = copy.record ? copy.record->original : QString();
        const QString name = original.isEmpty()
            ? QCoreApplication::translate("MainFileCommands", "an unnamed collection")
            : shownName(original);
        const QDateTime time = copy.time().toLocalTime();
        const int answer = m_ctx.ws.messages.showCustom(
            QCoreApplication::translate("MainFileCommands",
                                        "Vinaxo was not closed properly. Recover the unsaved changes to %1 from %2?")
                .arg(name, m_ctx.ws.formats.shortDate(time.date()) + u' ' + time.toString(QStringLiteral("hh:mm"))),
            QCoreApplication::translate("MainFileCommands", "Recover Unsaved Changes"), MsgIcon::Question,
            {QCoreApplication::translate("MainFileCommands", "Recover"),
             QCoreApplication::translate("MainFileCommands", "Discard"),
             QCoreApplication::translate("MainFileCommands", "Later")},
            0);
        if (answer == 0 && recover(copy, std::move(claim)))
            return true;
        if (answer == 1)
            store.discard(copy.id);
    }
    return false;
}

bool MainFileCommands::recover(const RecoveryCopy& copy, std::unique_ptr<QLockFile> claim)
{
    Workspace& ws = m_ctx.ws;
    m_fileCommandDone = true;
    const QString original = copy.record ? copy.record->original : QString();
    bool readOnly = false;
    if (!original.isEmpty() && QFileInfo::exists(original) && !lockForLoading(original, readOnly))
        return false;
    m_controller.clearList();
    qint16 result = 0;
    bool damaged = false;
    {
        CFileIO io(ws, &m_ctx.busy);
        io.FileName = copy.dataPath;
        result = io.OpenCDFile();
        damaged = io.Damaged();
    }
    if (result != CFileIO::Loaded || damaged) {
        m_ctx.ws.messages.show(QCoreApplication::translate(
                                   "MainFileCommands", "The recovery copy could not be read whole. It is kept as %1.")
                                   .arg(shownName(copy.dataPath)),
                               QCoreApplication::translate("MainFileCommands", "Recovery Copy Damaged"),
                               MsgIcon::Exclamation, MsgButtons::OK);
        if (result != CFileIO::Loaded) {
            m_lock.release();
            m_controller.filterRoutine();
            return false;
        }
    }
    // The copy stands for the original: named as it (unless only part could be read, so
    // that no Save replaces the original with it), changed, and compared at Save with
    // the original as it was when the lost run loaded it.
    ws.pendingCovers.clear();
    if (recovery && !damaged) {
        const RecoveryStore::Pictures pictures = recovery->store().pictures(copy.id);
        for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
            if (it->isEmpty())
                ws.pendingCovers.remove(it.key());
            else
                ws.pendingCovers.set(it.key(), *it);
        }
    }
    ws.currentFileName = damaged ? QString() : original;
    if (!ws.currentFileName.isEmpty())
        ws.config.setLastFileName(ws.currentFileName);
    ws.entries.DBChanged = true;
    m_readOnly = readOnly;
    if (readOnly || ws.currentFileName.isEmpty())
        m_lock.release();
    m_stamp = copy.record ? copy.record->originalStamp : FileStamp{};
    if (recovery) {
        recovery->originalStamp = m_stamp;
        // The copy becomes this run's own, replaced by the next copy and removed on Save:
        // the recovered changes are never without one. A damaged copy is left as it is.
        if (!damaged)
            recovery->store().adopt(copy.id, std::move(claim));
    }
    m_controller.clearSearchFilter();
    m_controller.filterRoutine();
    tell(hooks.viewsChanged);
    tell(hooks.captionChanged);
    tell(hooks.collectionReplaced);
    return true;
}

} // namespace vinaxo
